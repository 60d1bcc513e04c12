// Batch mode end to end: the built executable run on temporary folders, with
// its exit status, its output and every byte it leaves on the disk checked.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/platform/temp_folder.h"

#ifdef PLYFIX_EXECUTABLE

namespace {

namespace fs = std::filesystem;
using platform_test::Slurp;
using platform_test::Spill;
using Args = std::vector<std::string>;

// A UTF-8 text as the code page 932 bytes of a file.
std::string Sj(const std::string& utf8) {
  return platform::Utf8ToCp932(utf8);
}

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

// Every file and folder below root with its permission bits and content.
std::map<std::string, std::string> Snapshot(const std::string& root) {
  std::map<std::string, std::string> all;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const auto mode = static_cast<int>(entry.symlink_status().permissions());
    all[entry.path().string()] = std::to_string(mode) + (entry.is_directory() ? "/" : "|") +
                                 (entry.is_regular_file() ? Slurp(entry.path().string()) : "");
  }
  return all;
}

class BatchProgramTest : public ::testing::Test {
 protected:
  BatchProgramTest() {
    // The executable runs from a folder of its own, which is its data folder:
    // the settings file and the log file of the build tree are never touched.
    fs::create_directory(bin_);
    std::error_code no_link;
    fs::create_hard_link(PLYFIX_EXECUTABLE, exe_, no_link);
    if (no_link) fs::copy_file(PLYFIX_EXECUTABLE, exe_);
    fs::create_directory(site_);
  }

  // Runs the executable with args in the test's folder (prefix: a command that
  // runs it, such as setpriv).
  Result Run(const Args& args, const Args& prefix = {}) {
    Args argv = prefix;
    argv.push_back(exe_);
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string out_file = folder_.Path("stdout");
    const std::string err_file = folder_.Path("stderr");
    const pid_t child = fork();
    if (child == 0) {
      if (chdir(folder_.Path().c_str()) != 0) _exit(126);
      dup2(open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
      dup2(open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
      std::vector<char*> pointers;
      for (std::string& arg : argv) pointers.push_back(arg.data());
      pointers.push_back(nullptr);
      execv(pointers[0], pointers.data());
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    Result result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out_file), Slurp(err_file)};
    fs::remove(out_file);
    fs::remove(err_file);
    return result;
  }

  std::string Site(const std::string& name) const { return site_ + "/" + name; }
  void Write(const std::string& name, const std::string& content) {
    fs::create_directories(fs::path(Site(name)).parent_path());
    Spill(Site(name), content);
  }
  // The data folder holds the executable and nothing else.
  std::vector<std::string> DataFolderExtras() const {
    std::vector<std::string> extras;
    for (const auto& entry : fs::directory_iterator(bin_)) {
      if (entry.path() != exe_) extras.push_back(entry.path().filename().string());
    }
    return extras;
  }

  platform_test::TempFolder folder_;
  std::string bin_ = folder_.Path("bin");
  std::string exe_ = bin_ + "/plyfix";
  std::string site_ = folder_.Path("site");
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(BatchProgramTest, ReplaceOverAFolderTreeWithBackups) {
  Write("a.html", "old one\nold two\r\n");
  Write("sub/b.htm", "no match\n");
  Write("sub/deep/c.html", "OLD\n");
  Write("sub/deep/c.html.bak", "an earlier backup\n");

  const Result result = Run({"replace", "old", "new", "site"});

  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  // Letter case is ignored, as a missing settings file says.
  const std::map<std::string, std::string> expected = {
      {Site("a.html"), "420|new one\r\nnew two\r\n"},
      {Site("a.html.bak"), "420|old one\nold two\r\n"},
      {Site("sub"), "493/"},
      {Site("sub/b.htm"), "420|no match\n"},
      {Site("sub/deep"), "493/"},
      {Site("sub/deep/c.html"), "420|new\r\n"},
      {Site("sub/deep/c.html.bak"), "420|an earlier backup\n"},
  };
  EXPECT_EQ(Snapshot(site_), expected);
  for (const std::string& line :
       {std::string("[置換] ... OK.\n"), Site("a.html") + " : 2ヶ所\n",
        "処理しませんでした:" + Site("sub/b.htm") + "\n", Site("sub/deep/c.html") + " : 1ヶ所\n",
        "処理しませんでした:" + Site("sub/deep/c.html.bak") + "\n",
        std::string("操作が完了しました.\n4個のファイルに対し,\n3個の文字列を置換しました.\n")}) {
    EXPECT_TRUE(Has(result.out, line)) << line << " not in:\n" << result.out;
  }
  EXPECT_TRUE(result.out.starts_with("***** 開始:")) << result.out;
  EXPECT_TRUE(DataFolderExtras().empty());

  // Asked to, the existing backup is replaced.
  Write("sub/deep/c.html", "OLD\n");
  EXPECT_EQ(
      Run({"replace", "old", "new", "--overwrite-backups", "-q", "site/sub/deep/c.html"}).status,
      0);
  EXPECT_EQ(Slurp(Site("sub/deep/c.html.bak")), "OLD\n");
}

TEST_F(BatchProgramTest, SettingsAreReadButNeverWrittenAndTheLogOnlyWithLog) {
  const std::string settings = "[Setting]\r\nBackup=0\r\nCapIgnore=0\r\nLogDownToUp=1\r\n";
  Spill(bin_ + "/Plyfix.ini", settings);
  Spill(bin_ + "/PFlog.txt", "an older run\r\n");
  Write("a.html", "old OLD\n");

  const Result logged = Run({"replace", "old", "new", "--log", "site/a.html"});

  EXPECT_EQ(logged.status, 0) << logged.err;
  EXPECT_EQ(Slurp(Site("a.html")), "new OLD\r\n");
  EXPECT_FALSE(fs::exists(Site("a.html.bak")));
  const std::string log = Slurp(bin_ + "/PFlog.txt");
  EXPECT_TRUE(log.starts_with(Sj("***** 開始:"))) << log;
  EXPECT_TRUE(Has(log, Sj(Site("a.html") + " : 1ヶ所\r\n"))) << log;
  EXPECT_TRUE(log.ends_with("\r\nan older run\r\n")) << log;

  const Result unlogged = Run({"replace", "OLD", "x", "--backup", "-i", "site/a.html"});

  EXPECT_EQ(unlogged.status, 0) << unlogged.err;
  EXPECT_EQ(Slurp(Site("a.html")), "new x\r\n");
  EXPECT_EQ(Slurp(Site("a.html.bak")), "new OLD\r\n");
  EXPECT_EQ(Slurp(bin_ + "/PFlog.txt"), log);
  EXPECT_EQ(Slurp(bin_ + "/Plyfix.ini"), settings);
}

TEST_F(BatchProgramTest, ALogFileThatCannotBeUsedMattersOnlyWithLog) {
  Write("a.html", "old\n");
  fs::create_directory(bin_ + "/PFlog.txt");

  const Result unlogged = Run({"replace", "old", "new", "--no-backup", "site"});
  EXPECT_EQ(unlogged.status, 0) << unlogged.err;
  EXPECT_EQ(Slurp(Site("a.html")), "new\r\n");

  const Result logged = Run({"replace", "new", "old", "--no-backup", "--log", "site"});
  EXPECT_EQ(logged.status, 3);
  EXPECT_EQ(logged.err, "plyfix: ファイル " + bin_ + "/PFlog.txt を作成できません.\n");
  EXPECT_EQ(Slurp(Site("a.html")), "new\r\n");
}

TEST_F(BatchProgramTest, ShiftJisTextsGivenInUtf8MatchWholeCharacters) {
  const struct {
    Args args;
    std::string before;
    std::string after;
  } cases[] = {
      {{"replace", "表示", "ひょうじ"}, Sj("ソース表示\r\n"), Sj("ソースひょうじ\r\n")},
      // The second bytes of ソ and 表 are backslashes; only the real one goes.
      {{"delete", "\\"}, Sj("ソ\\表\r\n"), Sj("ソ表\r\n")},
      {{"replace", "-i", "ａ", "Ｂ"}, Sj("ＡａＡ\r\n"), Sj("ＢＢＢ\r\n")},
      {{"replace", "--match-case", "ａ", "Ｂ"}, Sj("ＡａＡ\r\n"), Sj("ＡＢＡ\r\n")},
      {{"add", "--head", "〜"}, Sj("本文\r\n"), "\x81\x60\r\n" + Sj("本文\r\n")},
  };
  for (const auto& c : cases) {
    Write("page.htm", c.before);
    Args args = c.args;
    args.insert(args.end(), {"--no-backup", "site/page.htm"});
    const Result result = Run(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Slurp(Site("page.htm")), c.after) << testing::PrintToString(c.args);
  }
}

TEST_F(BatchProgramTest, TextsCodePage932CannotHoldAreRefusedBeforeAnything) {
  Write("a.html", "cafe\n");
  const auto before = Snapshot(folder_.Path());
  const struct {
    Args args;
    std::string named;
  } cases[] = {
      {{"replace", "café", "x", "site"}, "SEARCH holds 'é'"},
      {{"replace", "cafe", "☕️", "site"}, "REPLACEMENT holds '☕'"},
      {{"add", "--tail", "😀", "site"}, "TEXT holds '😀'"},
      {{"delete", "", "site"}, "対象文字列をなにか入力してください."},
      {{"add", "--tail", "a\nb", "site"}, "TEXT holds a line break"},
      {{"replace", "a", "b\r", "site"}, "REPLACEMENT holds a line break"},
  };
  for (const auto& c : cases) {
    const Result result = Run(c.args);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(Has(result.err, c.named)) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Snapshot(folder_.Path()), before);
}

TEST_F(BatchProgramTest, DryRunListsEveryFileAndWritesNothingAtAll) {
  Write("a.html", "old old\n");
  Write("sub/b.htm", "nothing\n");
  Write("ro.html", "old\n");
  chmod(Site("ro.html").c_str(), 0444);
  fs::create_directory(folder_.Path("backups"));
  const auto before = Snapshot(folder_.Path());

  const Result replace = Run({"replace", "-n", "old", "new", "--backup=backups", "site"});
  EXPECT_EQ(replace.status, 1);
  EXPECT_EQ(replace.err, "plyfix: 書き込み禁止:" + Site("ro.html") + "\n");
  for (const std::string& line :
       {Site("a.html") + " : 2ヶ所\n", "処理しませんでした:" + Site("sub/b.htm") + "\n",
        "処理しませんでした:" + Site("ro.html") + "\n"}) {
    EXPECT_TRUE(Has(replace.out, line)) << line << " not in:\n" << replace.out;
  }

  const Result add = Run({"add", "--dry-run", "--tail", "--skip-if-there", "nothing", "site"});
  EXPECT_EQ(add.status, 1);
  EXPECT_TRUE(Has(add.out, "\n" + Site("a.html") + "\n")) << add.out;
  EXPECT_TRUE(Has(add.out, "既に文字列があったので追加せず: " + Site("sub/b.htm") + "\n"))
      << add.out;

  const Result logged = Run({"delete", "old", "--dry-run", "--log", "--read-only=clear", "site"});
  EXPECT_EQ(logged.status, 0) << logged.err;
  EXPECT_TRUE(Has(logged.out, Site("ro.html") + " : 1ヶ所\n")) << logged.out;

  EXPECT_EQ(Snapshot(folder_.Path()), before);
}

TEST_F(BatchProgramTest, ReadOnlyFilesFollowThePolicyGiven) {
  const struct {
    std::string policy;
    int status;
    std::string content;
    fs::perms write_bit;
  } cases[] = {
      {"skip", 1, "old\n", fs::perms::none},
      {"clear", 0, "new\r\n", fs::perms::owner_write},
      {"restore", 0, "new\r\n", fs::perms::none},
  };
  for (const auto& c : cases) {
    Write("ro.html", "old\n");
    chmod(Site("ro.html").c_str(), 0444);
    const Result result =
        Run({"replace", "old", "new", "--no-backup", "--read-only=" + c.policy, "site"});
    EXPECT_EQ(result.status, c.status) << c.policy << result.err;
    EXPECT_EQ(Slurp(Site("ro.html")), c.content) << c.policy;
    EXPECT_EQ(fs::status(Site("ro.html")).permissions() & fs::perms::owner_write, c.write_bit)
        << c.policy;
    fs::remove(Site("ro.html"));
  }
}

TEST_F(BatchProgramTest, AFailedBackupLeavesItsFileUnwrittenAndTheRunGoesOn) {
  Write("a.html", "old\n");
  Write("b.html", "old\n");
  // A folder where the backup file would go.
  fs::create_directories(Site("a.html.bak"));

  const Result result = Run({"replace", "old", "new", "site/a.html", "site/b.html"});

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "plyfix: " + Site("a.html") + "のバックアップを取ることができませんでした.\n");
  EXPECT_EQ(Slurp(Site("a.html")), "old\n");
  EXPECT_EQ(Slurp(Site("b.html")), "new\r\n");
  EXPECT_EQ(Slurp(Site("b.html.bak")), "old\n");
  EXPECT_TRUE(DataFolderExtras().empty());
}

TEST_F(BatchProgramTest, FilesAnotherUserCannotWrite) {
  if (geteuid() != 0 || !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs root and setpriv";
  constexpr uid_t kNobody = 65534;
  // The program runs as another user, who may read the site but not write its folder.
  fs::permissions(folder_.Path(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
  fs::permissions(bin_, fs::perms::all);
  const Args as_nobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                          "--"};

  // A file that is not this user's to write is left unwritten, and the run goes on.
  Write("a.html", "old\n");
  Write("b.html", "old\n");
  ASSERT_EQ(chown(Site("b.html").c_str(), kNobody, kNobody), 0);
  const Result refused = Run({"replace", "old", "new", "--no-backup", "site/a.html"}, as_nobody);
  EXPECT_EQ(refused.status, 1) << refused.err;
  EXPECT_EQ(refused.err, "plyfix: 書き込み禁止:" + Site("a.html") + "\n");
  EXPECT_EQ(Slurp(Site("a.html")), "old\n");

  // This user's own file in a folder it cannot write cannot be replaced: the
  // run ends there, naming the file, and the file stays whole.
  const Result ended = Run({"replace", "old", "new", "--no-backup", "site/b.html"}, as_nobody);
  EXPECT_EQ(ended.status, 3) << ended.err;
  EXPECT_EQ(ended.err, "plyfix: ファイル " + Site("b.html") + " を作成できません.\n");
  EXPECT_EQ(Slurp(Site("b.html")), "old\n");
}

TEST_F(BatchProgramTest, AddAtLineN) {
  const struct {
    Args where;
    std::string before;
    std::string after;
  } cases[] = {
      {{"--line", "2"}, "l1\nl2\nl3\n", "l1\r\nX\r\nl2\r\nl3\r\n"},
      {{"--line=4"}, "l1\nl2\nl3", "l1\r\nl2\r\nl3\r\nX\r\n"},
      // Beyond the end: as the last line.
      {{"--line", "10"}, "l1\nl2\nl3\n", "l1\r\nl2\r\nl3\r\nX\r\n"},
      {{"--line", "1", "--skip-if-there"}, "X\nl2\n", "X\nl2\n"},
      {{"--head"}, "", "X\r\n"},
      {{"--tail", "--skip-if-there"}, "l1\nX\n", "l1\nX\n"},
  };
  for (const auto& c : cases) {
    Write("a.txt", c.before);
    Args args = {"add", "X", "--no-backup", "site/a.txt"};
    args.insert(args.end(), c.where.begin(), c.where.end());
    const Result result = Run(args);
    EXPECT_EQ(result.status, 0) << testing::PrintToString(c.where) << result.err;
    EXPECT_EQ(Slurp(Site("a.txt")), c.after) << testing::PrintToString(c.where);
  }
}

TEST_F(BatchProgramTest, ACueFilePatchAppliesToTheDocumentRootsPages) {
  const std::string cue = folder_.Path("site.pfc");
  Spill(cue, Sj("例のサイト\r\nwww.example.com\r\nhtml,htm\r\n年の更新\r\n2025\r\n2026\r\n"
                "rename\r\nFoo\r\nBar\r\n"));
  Write("a.html", "(c) 2025 Foo\n");
  Write("sub/b.HTM", "2025\n");
  Write("c.txt", "2025\n");

  const Result by_name = Run({"patch", "site.pfc", "年の更新", "site", "--no-backup"});
  EXPECT_EQ(by_name.status, 0) << by_name.err;
  EXPECT_EQ(Slurp(Site("a.html")), "(c) 2026 Foo\r\n");
  EXPECT_EQ(Slurp(Site("sub/b.HTM")), "2026\r\n");
  EXPECT_EQ(Slurp(Site("c.txt")), "2025\n");
  EXPECT_TRUE(Has(by_name.out, "2個のファイルに対し,\n2個の文字列を置換しました.\n"))
      << by_name.out;

  const Result by_number = Run({"patch", "--no-recursive", "site.pfc", "2", "site", "--no-backup"});
  EXPECT_EQ(by_number.status, 0) << by_number.err;
  EXPECT_EQ(Slurp(Site("a.html")), "(c) 2026 Bar\r\n");

  const Result unknown = Run({"patch", "site.pfc", "3", "site"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "plyfix: no patch '3' in site.pfc; it has:\n  1  年の更新\n  2  rename\n");

  Spill(cue, "site\r\nserver\r\nhtml\r\nname\r\nsearch\r\n");
  const Result malformed = Run({"patch", "site.pfc", "1", "site"});
  EXPECT_EQ(malformed.status, 2);
  EXPECT_EQ(malformed.err, "plyfix: データ形式を確認してください.\n");
  EXPECT_EQ(Slurp(Site("a.html")), "(c) 2026 Bar\r\n");
}

TEST_F(BatchProgramTest, RefusedAndMissingPathsAreListedWhileTheRestIsDone) {
  Write("a.html", "old\n");
  Write("setup.exe", "old\n");
  Write("notes.txt", "old\n");
  Write("café.html", "old\n");

  const Result result =
      Run({"replace", "old", "new", "--no-backup", "--allow=html,exe", "site/a.html",
           "site/setup.exe", "site/missing.html", "/etc", "site/notes.txt", "site/café.html", ""});

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "plyfix: 禁止された拡張子のため、リストに追加しません :setup.exe\n"
            "plyfix: site/missing.html: no such file or folder\n"
            "plyfix: システムフォルダを対象にするのは危険です! > /etc\n"
            "plyfix: site/notes.txt: not admitted: its extension is not allowed\n"
            "plyfix: site/café.html: a name code page 932 cannot hold (or holding '?')\n"
            "plyfix: an empty path names no file or folder\n");
  EXPECT_EQ(Slurp(Site("a.html")), "new\r\n");
  EXPECT_EQ(Slurp(Site("setup.exe")), "old\n");
  EXPECT_EQ(Slurp(Site("notes.txt")), "old\n");
  EXPECT_EQ(Slurp(Site("café.html")), "old\n");
}

TEST_F(BatchProgramTest, UsageHelpAndVersion) {
  const Result help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: plyfix replace SEARCH REPLACEMENT")) << help.out;
  const Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("plyfix ")) << version.out;
  const Result wrong = Run({"replace", "a", "b"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.err,
            "plyfix: no file or folder given\nTry 'plyfix --help' for more information.\n");
  EXPECT_TRUE(DataFolderExtras().empty());
}

}  // namespace

#endif
