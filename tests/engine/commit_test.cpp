// Writing files back under failures: every step of a commit failed or cut short,
// backups against what a copy gives, links at the backup's name, one file listed
// twice, files changed behind the run's back, rights, extended attributes and
// running out of memory.

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <new>
#include <set>

#include "tests/engine/run_fixture.h"
#include "ui/scoped_backend.h"

namespace engine_test {
namespace {

const std::string kOld = "old line\r\nmore\n";
const std::string kNew = "new line\r\nmore\r\n";
const std::string kAbsent = "<absent>";
const std::string kNotWritten = u8"処理しませんでした:"_sj;
const std::string kChanged = u8"読み込み後に変更されたため書き込みません:"_sj;

// What a copy of a file must reproduce: bytes, permission bits, modification time.
struct Snapshot {
  std::string content;
  mode_t mode = 0;
  std::int64_t mtime_ns = 0;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return {kAbsent};
  return {Slurp(path), status.st_mode & 07777,
          status.st_mtim.tv_sec * std::int64_t{1000000000} + status.st_mtim.tv_nsec};
}

std::string ContentOrAbsent(const std::string& path) {
  return std::filesystem::exists(std::filesystem::symlink_status(path)) ? Slurp(path) : kAbsent;
}

ino_t InodeOf(const std::string& path) {
  struct stat status {};
  stat(path.c_str(), &status);
  return status.st_ino;
}

std::set<std::string> EntriesOf(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Sets a file's modification time into the past, so that a copy that does not
// keep it shows.
void Age(const std::string& path) {
  const timespec times[2] = {{978307200, 123456789}, {978307200, 123456789}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// A file service that fails its n-th change to the disk (kFail), or dies there
// (kKill): a write or copy cut short leaves half of its bytes, and nothing after
// it reaches the disk, as when the process is killed. Links may fail throughout,
// as between two file systems.
class StepFailure : public platform::FileService {
 public:
  enum Mode { kNone, kFail, kKill };
  StepFailure(Mode mode, int step, bool links_fail)
      : mode_(mode), step_(step), links_fail_(links_fail) {}

  int steps = 0;

  bool LinkFile(const std::string& existing, const std::string& new_name) override {
    if (Hit()) return false;
    if (links_fail_) {
      errno = EXDEV;
      return false;
    }
    return FileService::LinkFile(existing, new_name);
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    return !Hit() && FileService::RenameFile(from, to);
  }
  bool RemoveFile(const std::string& path) override {
    return !Hit() && FileService::RemoveFile(path);
  }
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
    return !Hit() && FileService::SetAttributes(path, attributes);
  }
  bool CopyExtendedAttributes(const std::string& from, const std::string& to,
                              std::uint32_t fs_flags) override {
    return !Hit() && FileService::CopyExtendedAttributes(from, to, fs_flags);
  }
  bool OverwriteFile(const std::string& path, std::span<const std::string_view> lines,
                     std::string_view terminator) override {
    return !Hit() && FileService::OverwriteFile(path, lines, terminator);
  }
  bool WriteNewFile(const std::string& path, std::span<const std::string_view> lines,
                    std::string_view terminator, mode_t mode, uid_t owner, gid_t group) override {
    if (!Hit()) return FileService::WriteNewFile(path, lines, terminator, mode, owner, group);
    if (mode_ == kKill) {
      std::string text;
      for (const std::string_view line : lines) text.append(line).append(terminator);
      Spill(path, text.substr(0, text.size() / 2));
    }
    return false;
  }
  bool CopyFile(const std::string& from, const std::string& to) override {
    if (!Hit()) return FileService::CopyFile(from, to);
    if (mode_ == kKill) Spill(to, Slurp(from).substr(0, Slurp(from).size() / 2));
    return false;
  }

 private:
  bool Hit() {
    ++steps;
    return mode_ == kFail ? steps == step_ : mode_ == kKill && steps >= step_;
  }

  Mode mode_;
  int step_;
  bool links_fail_;
};

class CommitTest : public RunTest {
 protected:
  CommitTest() { Operation(1, "old", "new"); }

  void Relist(const std::vector<std::string>& paths) {
    main().FullPaths->Clear();
    main().ListBox1->Items().Clear();
    List(paths);
  }
};

// Every change a commit makes to the disk is failed in turn, and cut short in
// turn: the file is old or new, the backup absent, as it was or complete (and
// complete whenever the file is new), and no name but a temporary one ever holds
// a part of anything. A failure leaves no temporary file and no backup that
// shares its inode with an unwritten file.
TEST_F(CommitTest, EveryStepFailedOrCutShortLeavesFileAndBackupWhole) {
  struct Scenario {
    const char* name;
    bool existing_backup;
    bool hard_linked;
    bool links_fail;
  };
  const Scenario scenarios[] = {
      {"new backup", false, false, false},
      {"existing backup answered Yes", true, false, false},
      {"hard-linked file", false, true, false},
      {"backup on another file system", true, false, true},
  };
  for (const Scenario& scenario : scenarios) {
    for (const StepFailure::Mode mode : {StepFailure::kFail, StepFailure::kKill}) {
      for (int step = 1;; ++step) {
        SCOPED_TRACE(std::string(scenario.name) + (mode == StepFailure::kFail ? " fail" : " kill") +
                     " at step " + std::to_string(step));
        platform_test::TempFolder folder;
        const std::string a = folder.Path("a.htm");
        const std::string backup = a + ".bak";
        Spill(a, kOld);
        std::set<std::string> names = {"a.htm", "a.htm.bak"};
        if (scenario.existing_backup) Spill(backup, "earlier");
        if (scenario.hard_linked) {
          std::filesystem::create_hard_link(a, folder.Path("alias"));
          names.insert("alias");
        }
        const std::string backup_before = ContentOrAbsent(backup);
        Relist({a});
        ui::ScriptedBackend script;
        ui::ScopedBackend scoped(script);
        if (scenario.existing_backup) script.AnswerModal(ClickDialogButton(1));
        script.AnswerMessage(ui::IDNO);  // to the backup-failure question, should it come
        StepFailure failure(mode, step, scenario.links_fail);
        {
          platform::ScopedFileService service(failure);
          Start();
        }

        const std::string file = Slurp(a);
        const std::string kept = ContentOrAbsent(backup);
        EXPECT_TRUE(file == kOld || file == kNew) << file;
        if (file == kNew) {
          EXPECT_EQ(kept, kOld);
        } else {
          EXPECT_TRUE(kept == kOld || kept == backup_before) << kept;
        }
        for (const std::string& name : EntriesOf(folder.Path())) {
          if (names.count(name) != 0) continue;
          EXPECT_EQ(mode, StepFailure::kKill) << "left behind: " << name;
          EXPECT_EQ(name.rfind(".plyfix-", 0), 0u) << name;
        }
        if (mode == StepFailure::kFail && file == kOld && kept == kOld) {
          EXPECT_NE(InodeOf(a), InodeOf(backup));
        }
        if (failure.steps < step) break;
      }
    }
  }
}

// The backup holds what a copy of the file would: its bytes, permissions (a
// read-only file's backup is read-only) and modification time, whichever way it
// was made and whatever the read-only policy does to the file.
TEST_F(CommitTest, BackupIsWhatACopyGives) {
  struct Case {
    const char* name;
    bool read_only;
    int policy;
    bool hard_linked;
    bool symlinked;
    bool links_fail;
    bool written;
  };
  const Case cases[] = {
      {"plain", false, 0, false, false, false, true},
      {"read-only, policy 0", true, 0, false, false, false, false},
      {"read-only, policy 1", true, 1, false, false, false, true},
      {"read-only, policy 2", true, 2, false, false, false, true},
      {"hard-linked", false, 0, true, false, false, true},
      {"through a symbolic link", false, 0, false, true, false, true},
      {"links fail", false, 0, false, false, true, true},
      {"links fail, read-only, policy 2", true, 2, false, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform_test::TempFolder folder;
    const std::string target = folder.Path("a.htm");
    Spill(target, kOld);
    chmod(target.c_str(), c.read_only ? 0444 : 0640);
    Age(target);
    if (c.hard_linked) std::filesystem::create_hard_link(target, folder.Path("alias"));
    const std::string listed = c.symlinked ? folder.Path("link.htm") : target;
    if (c.symlinked) std::filesystem::create_symlink("a.htm", listed);
    const Snapshot before = Take(target);
    main().ReadOnlyMode = c.policy;
    Relist({listed});
    StepFailure links(StepFailure::kNone, 0, c.links_fail);
    {
      platform::ScopedFileService service(links);
      Start();
    }
    EXPECT_EQ(Take(listed + ".bak"), before);
    EXPECT_EQ(Slurp(target), c.written ? kNew : kOld);
    if (c.symlinked) {
      EXPECT_TRUE(std::filesystem::is_symlink(listed));
    }
    if (c.hard_linked) {
      EXPECT_EQ(Slurp(folder.Path("alias")), kNew);
    }
    const mode_t expected_mode = !c.read_only ? 0640 : c.policy == 1 ? 0644 : 0444;
    EXPECT_EQ(Take(target).mode, expected_mode);
    if (!c.written) {
      EXPECT_NE(InodeOf(target), InodeOf(listed + ".bak"));
    }
    EXPECT_EQ(EntriesOf(folder.Path()).size(), 2u + (c.hard_linked || c.symlinked ? 1 : 0));
  }
}

// An existing backup under each of the four answers, and a backup folder on
// another file system: replaced backups are what a copy gives, kept ones untouched.
TEST_F(CommitTest, ExistingBackupsAndOtherFileSystems) {
  struct Case {
    int button;
    bool replaced;
  };
  for (const Case& c : {Case{1, true}, Case{2, true}, Case{3, false}, Case{4, false}}) {
    SCOPED_TRACE(c.button);
    platform_test::TempFolder folder;
    const std::string a = folder.Path("a.htm");
    Spill(a, kOld);
    Age(a);
    Spill(a + ".bak", "earlier");
    const Snapshot file_before = Take(a);
    const Snapshot backup_before = Take(a + ".bak");
    Relist({a});
    backend_.AnswerModal(ClickDialogButton(c.button));
    Start();
    EXPECT_EQ(Take(a + ".bak"), c.replaced ? file_before : backup_before);
    EXPECT_EQ(Slurp(a), kNew);
  }

  // /dev/shm is a file system of its own on most machines; without one the
  // failing links above stand for it.
  struct stat shm {};
  struct stat here {};
  if (stat("/dev/shm", &shm) != 0 || stat(site_.Path().c_str(), &here) != 0 ||
      shm.st_dev == here.st_dev || access("/dev/shm", W_OK) != 0) {
    return;
  }
  char pattern[] = "/dev/shm/plyfix-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string other = pattern;
  const std::string a = Site("b.htm", kOld);
  Age(a);
  const Snapshot before = Take(a);
  main().BUPlace = 1;
  main().BUFolder = other + "/";
  Relist({a});
  Start();
  EXPECT_EQ(Take(other + "/b.htm.bak"), before);
  EXPECT_EQ(Slurp(a), kNew);
  EXPECT_EQ(EntriesOf(other), (std::set<std::string>{"b.htm.bak"}));
  std::filesystem::remove_all(other);
}

TEST_F(CommitTest, MissingBackupFolderAnsweredYesWritesWithoutBackup) {
  const std::string a = Site("a.htm", kOld);
  main().BUPlace = 1;
  main().BUFolder = site_.Path("missing") + "/";
  Relist({a});
  backend_.AnswerMessage(ui::IDYES);
  Start();
  EXPECT_EQ(Slurp(a), kNew);
  EXPECT_EQ(EntriesOf(site_.Path()), (std::set<std::string>{"a.htm"}));
}

// A symbolic link at the backup's name is replaced by the backup; its target,
// some other file, is never written.
TEST_F(CommitTest, LinkAtTheBackupNameIsReplacedNotWrittenThrough) {
  const std::string a = Site("a.htm", kOld);
  const std::string b = Site("b.htm", kOld);
  const std::string victim = Site("victim.txt", "someone else's");
  std::filesystem::create_symlink(victim, a + ".bak");
  std::filesystem::create_symlink(site_.Path("nowhere"), b + ".bak");
  Relist({a, b});
  backend_.AnswerModal(ClickDialogButton(2));  // Yes to all; the broken link asks nothing
  Start();
  EXPECT_EQ(Slurp(victim), "someone else's");
  for (const std::string& path : {a, b}) {
    EXPECT_FALSE(std::filesystem::is_symlink(path + ".bak"));
    EXPECT_EQ(Slurp(path + ".bak"), kOld);
    EXPECT_EQ(Slurp(path), kNew);
  }
  EXPECT_EQ(backend_.PendingAnswers(), 0);
}

// One file reached twice in a run, by two spellings of its path or two names of
// its inode: the second pass keeps the backup the first one made, and says so. A
// different file meeting that backup cannot replace it either.
TEST_F(CommitTest, BackupMadeByTheRunIsNeverReplacedInIt) {
  Operation(1, "o", "oo");
  std::filesystem::create_directories(site_.Path("x"));
  std::filesystem::create_directories(site_.Path("y"));
  std::filesystem::create_directories(site_.Path("z"));
  std::filesystem::create_directories(site_.Path("bak"));
  const std::string a = Site("x/p.htm", "o");
  std::filesystem::create_hard_link(a, site_.Path("y/p.htm"));
  const std::string other = Site("z/p.htm", "o other");
  main().BUPlace = 1;
  main().BUFolder = site_.Path("bak") + "/";
  const std::string backup = site_.Path("bak/p.htm.bak");
  Relist({a, site_.Path("x/./p.htm"), site_.Path("y/p.htm"), other});
  backend_.AnswerMessage(ui::IDNO);  // the other file: not written without a backup
  Start();

  EXPECT_EQ(Slurp(backup), "o");
  EXPECT_EQ(Slurp(a), std::string(8, 'o') + "\r\n");
  EXPECT_EQ(Slurp(other), "o other");
  const std::vector<std::string> log = Log();
  const std::string kept = u8"今回作成したバックアップを残します:"_sj + backup;
  EXPECT_EQ(std::count(log.begin(), log.end(), kept), 2);
  EXPECT_NE(std::find(log.begin(), log.end(), u8"バックアップがとれません:"_sj + backup),
            log.end());
  EXPECT_EQ(
      Messages()[0],
      u8"確認っす"_sj + "|" + other +
          u8"のバックアップを取ることができませんでした.\nバックアップ先に指定したフォルダが存在しない可能性があります.\nこのまま本体を書き換えてもいいですか?"_sj);
}

// A file service that lets another program change a file at one moment of the run.
class ChangeBehindTheRun : public platform::FileService {
 public:
  enum When { kAfterRead, kWhileWriting };
  explicit ChangeBehindTheRun(When when) : when_(when) {}
  bool ReadFile(const std::string& path, std::string& content, platform::FileIdentity& identity,
                std::uint32_t& fs_flags) override {
    const bool read = FileService::ReadFile(path, content, identity, fs_flags);
    if (when_ == kAfterRead) Change(path);
    return read;
  }
  bool WriteNewFile(const std::string& path, std::span<const std::string_view> lines,
                    std::string_view terminator, mode_t mode, uid_t owner, gid_t group) override {
    if (when_ == kWhileWriting) Change(changed);
    return FileService::WriteNewFile(path, lines, terminator, mode, owner, group);
  }
  std::string changed;

 private:
  void Change(const std::string& path) { std::ofstream(path, std::ios::app) << "edit"; }
  When when_;
};

TEST_F(CommitTest, FileChangedSinceReadIsNotOverwritten) {
  for (const auto when : {ChangeBehindTheRun::kAfterRead, ChangeBehindTheRun::kWhileWriting}) {
    SCOPED_TRACE(when);
    platform_test::TempFolder folder;
    const std::string a = folder.Path("a.htm");
    Spill(a, kOld);
    Relist({a});
    LogForm->LogText->Lines().Clear();
    ChangeBehindTheRun other(when);
    other.changed = a;
    {
      platform::ScopedFileService service(other);
      Start();
    }
    EXPECT_EQ(Slurp(a), kOld + "edit");
    EXPECT_EQ(Log()[2], kChanged + a);
    EXPECT_EQ(Log()[3], kNotWritten + a);
    EXPECT_EQ(Messages().back(),
              u8"完了"_sj + "|" + u8"1個のファイルに対し,\n0個の文字列を置換しました."_sj);
    if (std::filesystem::exists(a + ".bak")) {
      EXPECT_NE(InodeOf(a), InodeOf(a + ".bak"));
    }
    for (const std::string& name : EntriesOf(folder.Path())) {
      EXPECT_NE(name.rfind(".plyfix-", 0), 0u) << name;
    }
  }
}

std::string Xattr(const std::string& path, const char* name) {
  std::string value(4096, '\0');
  const ssize_t length = getxattr(path.c_str(), name, value.data(), value.size());
  return length < 0 ? kAbsent : value.substr(0, static_cast<std::size_t>(length));
}

int FsFlags(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  int flags = 0;
  if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) flags = -1;
  close(fd);
  return flags;
}

// The ACL user::rw- user:1000:rw- group::r-- mask::rw- other::r-- in the form the
// kernel keeps it.
std::string AclWithUser1000() {
  struct Entry {
    std::uint16_t tag, perm;
    std::uint32_t id;
  };
  const std::uint32_t version = 2;
  const Entry entries[] = {{0x01, 6, 0xFFFFFFFF},
                           {0x02, 6, 1000},
                           {0x04, 4, 0xFFFFFFFF},
                           {0x10, 6, 0xFFFFFFFF},
                           {0x20, 4, 0xFFFFFFFF}};
  std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
  acl.append(reinterpret_cast<const char*>(entries), sizeof entries);
  return acl;
}

// The rewritten file keeps its extended attributes, its ACL (and so the group's
// permission) and its file-system flags; where they cannot be carried over it is
// not replaced.
TEST_F(CommitTest, ExtendedAttributesAclAndFlagsAreKept) {
  const std::string acl = AclWithUser1000();
  for (const bool backup : {false, true}) {
    SCOPED_TRACE(backup);
    platform_test::TempFolder folder;
    const std::string a = folder.Path("a.htm");
    Spill(a, kOld);
    chmod(a.c_str(), 0644);
    if (setxattr(a.c_str(), "user.note", "kept", 4, 0) != 0 ||
        setxattr(a.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0) {
      GTEST_SKIP() << "no user attributes or ACLs on " << folder.Path();
    }
    const int flags = FsFlags(a);
    if (flags >= 0) {
      int with_nodump = flags | FS_NODUMP_FL;
      const int fd = open(a.c_str(), O_RDONLY);
      ioctl(fd, FS_IOC_SETFLAGS, &with_nodump);
      close(fd);
    }
    const std::string acl_before = Xattr(a, "system.posix_acl_access");
    const mode_t mode_before = Take(a).mode;
    const int flags_before = FsFlags(a);
    main().Backup = backup;
    Relist({a});
    Start();
    EXPECT_EQ(Slurp(a), kNew);
    EXPECT_EQ(Xattr(a, "user.note"), "kept");
    EXPECT_EQ(Xattr(a, "system.posix_acl_access"), acl_before);
    EXPECT_EQ(Take(a).mode, mode_before);
    EXPECT_EQ(Take(a).mode & 070, 060u);
    EXPECT_EQ(FsFlags(a), flags_before);
    if (backup) {
      EXPECT_EQ(Xattr(a + ".bak", "user.note"), "kept");
    }
  }

  // Attributes that cannot be set: the file stays, and the log says why.
  class NoAttributes : public platform::FileService {
    bool CopyExtendedAttributes(const std::string&, const std::string&, std::uint32_t) override {
      return false;
    }
  } no_attributes;
  const std::string b = Site("b.htm", kOld);
  main().Backup = true;
  Relist({b});
  LogForm->LogText->Lines().Clear();
  {
    platform::ScopedFileService service(no_attributes);
    Start();
  }
  EXPECT_EQ(Slurp(b), kOld);
  EXPECT_EQ(Log()[2], u8"属性を引き継げないため書き込みません:"_sj + b);
  EXPECT_EQ(Log()[3], kNotWritten + b);
  EXPECT_EQ(Slurp(b + ".bak"), kOld);
  EXPECT_NE(InodeOf(b), InodeOf(b + ".bak"));
  EXPECT_EQ(EntriesOf(site_.Path()), (std::set<std::string>{"b.htm", "b.htm.bak"}));
}

// Runs the start button in a child process as the unprivileged user 65534 and
// returns what the run logged and showed, one line each.
std::vector<std::string> RunAsNobody(const std::function<void()>& start,
                                     const std::function<std::vector<std::string>()>& seen,
                                     const std::string& report) {
  const pid_t child = fork();
  if (child == 0) {
    const gid_t nobody = 65534;
    if (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0 ||
        setresuid(nobody, nobody, nobody) != 0) {
      _exit(2);
    }
    start();
    std::ofstream out(report);
    for (const std::string& line : seen()) out << line << '\n';
    out.close();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::vector<std::string> lines;
  std::ifstream in(report);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Root's files in a folder the user owns. One the user may not write counts as
// read-only: policy 0 leaves it alone; 1 and 2 cannot clear the attribute of
// another's file, so the write fails as on Windows. One the user may write is
// rewritten in place, so that it stays root's. Every backup is a copy.
TEST_F(CommitTest, AnotherUsersFileKeepsItsOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "switching users needs root";
  struct Case {
    mode_t mode;
    int policy;
    bool written;
  };
  for (const Case& c :
       {Case{0644, 0, false}, Case{0644, 1, false}, Case{0644, 2, false}, Case{0666, 0, true}}) {
    SCOPED_TRACE(std::to_string(c.mode) + " policy " + std::to_string(c.policy));
    platform_test::TempFolder folder;
    ASSERT_EQ(chown(folder.Path().c_str(), 65534, 65534), 0);
    const std::string a = folder.Path("a.htm");
    Spill(a, kOld);
    chmod(a.c_str(), c.mode);
    main().ReadOnlyMode = c.policy;
    Relist({a});
    LogForm->LogText->Lines().Clear();
    backend_.ClearTranscript();
    const std::vector<std::string> seen =
        RunAsNobody([this] { Start(); },
                    [this] {
                      std::vector<std::string> lines = Log();
                      for (const std::string& message : Messages()) lines.push_back(message);
                      return lines;
                    },
                    folder.Path("report"));
    const std::vector<std::string> expected =
        c.written       ? std::vector<std::string>{a + u8" : 1ヶ所"_sj}
        : c.policy == 0 ? std::vector<std::string>{u8"書き込み禁止:"_sj + a, kNotWritten + a}
                        : std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + a +
                                                   u8" を作成できません."_sj};
    EXPECT_NE(std::search(seen.begin(), seen.end(), expected.begin(), expected.end()), seen.end())
        << testing::PrintToString(seen);
    struct stat status {};
    stat(a.c_str(), &status);
    EXPECT_EQ(status.st_uid, 0u);
    EXPECT_EQ(Slurp(a), c.written ? kNew : kOld);
    EXPECT_EQ(Slurp(a + ".bak"), kOld);
    EXPECT_NE(InodeOf(a), InodeOf(a + ".bak"));
  }
}

// Running out of memory in the middle of a commit (here, while the new file is
// written) ends the run with an error box; the file is whole, no temporary file
// stays, and the backup does not share the unwritten file's inode.
TEST_F(CommitTest, OutOfMemoryEndsTheRunWithAnErrorBox) {
  class NoMemory : public platform::FileService {
    bool WriteNewFile(const std::string&, std::span<const std::string_view>, std::string_view,
                      mode_t, uid_t, gid_t) override {
      throw std::bad_alloc();
    }
  } no_memory;
  const std::string a = Site("a.htm", kOld);
  const std::string b = Site("b.htm", kOld);
  Relist({a, b});
  {
    platform::ScopedFileService service(no_memory);
    Start();
  }
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"メモリが足りません."_sj}));
  EXPECT_EQ(Slurp(a), kOld);
  EXPECT_EQ(Slurp(b), kOld);
  EXPECT_EQ(Slurp(a + ".bak"), kOld);
  EXPECT_NE(InodeOf(a), InodeOf(a + ".bak"));
  EXPECT_EQ(EntriesOf(site_.Path()), (std::set<std::string>{"a.htm", "a.htm.bak", "b.htm"}));
}

#if !defined(__SANITIZE_ADDRESS__)
// A file of line breaks too large for the address space the process may have:
// the run ends with the error box, not with the end of the program.
TEST_F(CommitTest, RealOutOfMemoryIsAnErrorBox) {
  const std::string a = Site("breaks.htm", std::string(48 << 20, '\n'));
  Relist({a});
  const std::string report = site_.Path("report");
  const pid_t child = fork();
  if (child == 0) {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (192 << 20);
    const rlimit address_space{limit, limit};
    setrlimit(RLIMIT_AS, &address_space);
    Start();
    std::ofstream out(report);
    for (const std::string& message : Messages()) out << message << '\n';
    out.close();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Slurp(report), "Plyfix|" + u8"メモリが足りません."_sj + "\n");
  EXPECT_EQ(Slurp(a).size(), std::size_t{48} << 20);
}
#endif

}  // namespace
}  // namespace engine_test
