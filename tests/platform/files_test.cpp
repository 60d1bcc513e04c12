#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "platform/ansi.h"
#include "tests/platform/file_size_limit.h"
#include "tests/platform/temp_folder.h"

namespace platform {
namespace {

using platform_test::FileSizeLimit;
using platform_test::Slurp;
using platform_test::Spill;
using platform_test::TempFolder;

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

std::set<std::string> EntriesOf(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(FileServiceTest, AttributesMapPosixTypesAndModes) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("plain.txt"), "x");
  Spill(folder.Path(".hidden"), "x");
  std::filesystem::create_directory(folder.Path("sub"));
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);

  EXPECT_EQ(files.GetAttributes(folder.Path("plain.txt")), faArchive);
  EXPECT_EQ(files.GetAttributes(folder.Path(".hidden")), faArchive | faHidden);
  EXPECT_EQ(files.GetAttributes(folder.Path("sub")), faDirectory);
  EXPECT_EQ(files.GetAttributes(folder.Path("pipe")), faSysFile);
  EXPECT_EQ(files.GetAttributes(folder.Path("missing")), kInvalidAttributes);

  ASSERT_TRUE(files.SetAttributes(folder.Path("plain.txt"), faReadOnly | faHidden));
  EXPECT_EQ(files.GetAttributes(folder.Path("plain.txt")), faArchive | faReadOnly);
  EXPECT_EQ(ModeOf(folder.Path("plain.txt")) & 0222, 0u);
  ASSERT_TRUE(files.SetAttributes(folder.Path("plain.txt"), 0));
  EXPECT_EQ(files.GetAttributes(folder.Path("plain.txt")), faArchive);
  EXPECT_FALSE(files.SetAttributes(folder.Path("missing"), 0));

  EXPECT_TRUE(files.FileExists(folder.Path("plain.txt")));
  EXPECT_TRUE(files.FileExists(folder.Path("pipe")));
  EXPECT_FALSE(files.FileExists(folder.Path("sub")));
  EXPECT_TRUE(files.DirectoryExists(folder.Path("sub")));
  EXPECT_FALSE(files.DirectoryExists(folder.Path("plain.txt")));
}

TEST(FileServiceTest, ReadFileReadsBytesAndRefusesWhatIsNotARegularFile) {
  TempFolder folder;
  FileService files;
  const std::string bytes("a\0b\r\n\xff", 6);
  Spill(folder.Path("data"), bytes);
  std::filesystem::create_directory(folder.Path("sub"));
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);

  std::string content;
  ASSERT_TRUE(files.ReadFile(folder.Path("data"), content));
  EXPECT_EQ(content, bytes);
  // A FIFO with no writer would block an ordinary open or read.
  EXPECT_FALSE(files.ReadFile(folder.Path("pipe"), content));
  EXPECT_FALSE(files.ReadFile(folder.Path("sub"), content));
  EXPECT_FALSE(files.ReadFile(folder.Path("missing"), content));
}

TEST(FileServiceTest, WriteFileReplacesContentAndKeepsModeBits) {
  TempFolder folder;
  FileService files;
  const std::string path = folder.Path("page.htm");
  Spill(path, "old content that is longer");
  chmod(path.c_str(), 0640);

  ASSERT_TRUE(files.WriteFile(path, "new"));
  EXPECT_EQ(Slurp(path), "new");
  EXPECT_EQ(ModeOf(path), 0640u);

  const mode_t mask = umask(022);
  ASSERT_TRUE(files.WriteFile(folder.Path("fresh"), ""));
  umask(mask);
  EXPECT_EQ(ModeOf(folder.Path("fresh")), 0644u);
  EXPECT_EQ(EntriesOf(folder.Path()), (std::set<std::string>{"page.htm", "fresh"}));
}

TEST(FileServiceTest, WriteFileWritesThroughSymbolicLinkAndKeepsHardLinks) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("target"), "old");
  std::filesystem::create_symlink("target", folder.Path("link"));
  ASSERT_TRUE(files.WriteFile(folder.Path("link"), "via link"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link")));
  EXPECT_EQ(Slurp(folder.Path("target")), "via link");

  Spill(folder.Path("first"), "a long old content");
  std::filesystem::create_hard_link(folder.Path("first"), folder.Path("second"));
  ASSERT_TRUE(files.WriteFile(folder.Path("first"), "short"));
  EXPECT_EQ(Slurp(folder.Path("second")), "short");
  EXPECT_EQ(std::filesystem::hard_link_count(folder.Path("first")), 2u);
}

TEST(FileServiceTest, WriteFileRefusesReadOnlyAndNonRegularTargets) {
  TempFolder folder;
  FileService files;
  const std::string path = folder.Path("locked");
  Spill(path, "keep");
  ASSERT_TRUE(files.SetAttributes(path, faReadOnly));
  EXPECT_FALSE(files.WriteFile(path, "changed"));
  EXPECT_EQ(Slurp(path), "keep");

  std::filesystem::create_directory(folder.Path("sub"));
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
  std::filesystem::create_symlink("nowhere", folder.Path("broken"));
  EXPECT_FALSE(files.WriteFile(folder.Path("sub"), "x"));
  EXPECT_FALSE(files.WriteFile(folder.Path("pipe"), "x"));
  EXPECT_FALSE(files.WriteFile(folder.Path("broken"), "x"));
  EXPECT_FALSE(files.WriteFile(folder.Path("no/such/folder"), "x"));
  EXPECT_EQ(EntriesOf(folder.Path()), (std::set<std::string>{"locked", "sub", "pipe", "broken"}));
}

// A write that fails part-way (here at the file size limit) leaves the old content
// byte for byte and no temporary file, whether the file is replaced by rename or,
// having a second hard link, rewritten in place.
TEST(FileServiceTest, FailedWriteLeavesOldContentWhole) {
  for (const bool hard_linked : {false, true}) {
    SCOPED_TRACE(hard_linked ? "hard-linked" : "single link");
    TempFolder folder;
    FileService files;
    const std::string path = folder.Path("page.htm");
    const std::string old_content(1000, 'o');
    Spill(path, old_content);
    std::set<std::string> before = {"page.htm"};
    if (hard_linked) {
      std::filesystem::create_hard_link(path, folder.Path("alias"));
      before.insert("alias");
    }
    bool written;
    {
      FileSizeLimit limit(4096);
      written = files.WriteFile(path, std::string(64 * 1024, 'n'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Slurp(path), old_content);
    EXPECT_EQ(EntriesOf(folder.Path()), before);
  }
}

TEST(FileServiceTest, CopyFileIsByteExactAndCarriesReadOnly) {
  TempFolder folder;
  FileService files;
  std::string big(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); i += 7) big[i] = static_cast<char>(i % 251);
  Spill(folder.Path("big"), big);
  Spill(folder.Path("copy"), "to be replaced");
  ASSERT_TRUE(files.CopyFile(folder.Path("big"), folder.Path("copy")));
  EXPECT_EQ(Slurp(folder.Path("copy")), big);

  Spill(folder.Path("ro"), "read-only source");
  ASSERT_TRUE(files.SetAttributes(folder.Path("ro"), faReadOnly));
  ASSERT_TRUE(files.CopyFile(folder.Path("ro"), folder.Path("ro.bak")));
  EXPECT_EQ(files.GetAttributes(folder.Path("ro.bak")), faArchive | faReadOnly);
  EXPECT_EQ(Slurp(folder.Path("ro.bak")), "read-only source");

  // The read-only copy cannot be replaced; nor can anything go to a missing folder.
  EXPECT_FALSE(files.CopyFile(folder.Path("big"), folder.Path("ro.bak")));
  EXPECT_EQ(Slurp(folder.Path("ro.bak")), "read-only source");
  EXPECT_FALSE(files.CopyFile(folder.Path("big"), folder.Path("none/big")));
  EXPECT_FALSE(files.CopyFile(folder.Path("missing"), folder.Path("copy2")));
  EXPECT_EQ(EntriesOf(folder.Path()), (std::set<std::string>{"big", "copy", "ro", "ro.bak"}));
}

TEST(FileServiceTest, FailedCopyLeavesNoPartOfItself) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("big"), std::string(64 * 1024, 'b'));
  Spill(folder.Path("old.bak"), "old backup");
  bool copied_new;
  bool copied_over;
  {
    FileSizeLimit limit(4096);
    copied_new = files.CopyFile(folder.Path("big"), folder.Path("new.bak"));
    copied_over = files.CopyFile(folder.Path("big"), folder.Path("old.bak"));
  }
  EXPECT_FALSE(copied_new);
  EXPECT_FALSE(copied_over);
  EXPECT_EQ(Slurp(folder.Path("old.bak")), "old backup");
  EXPECT_EQ(EntriesOf(folder.Path()), (std::set<std::string>{"big", "old.bak"}));
}

// New files are written through a buffer: a line longer than the buffer, lines
// across its edge, and the mode given, also bits the creation mask would take.
TEST(FileServiceTest, WriteNewFileAndOverwriteFileWriteEveryLine) {
  TempFolder folder;
  FileService files;
  const std::string long_line(3 * 1024 * 1024 + 5, 'x');
  std::vector<std::string> owned(200000, "line of text");
  owned[7] = long_line;
  const std::vector<std::string_view> lines(owned.begin(), owned.end());
  std::string expected;
  for (const std::string& line : owned) expected += line + "\r\n";

  const std::string path = folder.Path("new");
  ASSERT_TRUE(files.WriteNewFile(path, lines, "\r\n", 0666, geteuid(), getegid()));
  EXPECT_EQ(Slurp(path), expected);
  EXPECT_EQ(ModeOf(path), 0666u);
  EXPECT_FALSE(files.WriteNewFile(path, lines, "", 0644, geteuid(), getegid()));

  std::filesystem::create_hard_link(path, folder.Path("alias"));
  const std::vector<std::string_view> shorter = {"a", "b"};
  ASSERT_TRUE(files.OverwriteFile(path, shorter, "\n"));
  EXPECT_EQ(Slurp(folder.Path("alias")), "a\nb\n");
  EXPECT_EQ(ModeOf(path), 0666u);
}

// Inspect names the file a write replaces, with what tells it apart from another.
TEST(FileServiceTest, InspectFollowsLinksAndTellsFilesApart) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("a"), "abc");
  std::filesystem::create_symlink("a", folder.Path("link"));
  FileState direct;
  FileState linked;
  ASSERT_TRUE(files.Inspect(folder.Path("a"), direct));
  ASSERT_TRUE(files.Inspect(folder.Path("link"), linked));
  EXPECT_EQ(linked.target, std::filesystem::canonical(folder.Path("a")).string());
  EXPECT_EQ(linked.identity, direct.identity);
  EXPECT_EQ(direct.identity.size, 3);
  EXPECT_TRUE(direct.writable);
  Spill(folder.Path("a"), "abcd");
  ASSERT_TRUE(files.Inspect(folder.Path("a"), linked));
  EXPECT_NE(linked.identity, direct.identity);
  std::filesystem::create_directory(folder.Path("sub"));
  EXPECT_FALSE(files.Inspect(folder.Path("sub"), linked));
  EXPECT_FALSE(files.Inspect(folder.Path("missing"), linked));
}

TEST(FileServiceTest, DeleteFileRefusesReadOnlyFilesAndFolders) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("gone"), "x");
  Spill(folder.Path("locked"), "x");
  ASSERT_TRUE(files.SetAttributes(folder.Path("locked"), faReadOnly));
  std::filesystem::create_directory(folder.Path("sub"));

  EXPECT_TRUE(files.DeleteFile(folder.Path("gone")));
  EXPECT_FALSE(files.DeleteFile(folder.Path("locked")));
  EXPECT_FALSE(files.DeleteFile(folder.Path("sub")));
  EXPECT_FALSE(files.DeleteFile(folder.Path("gone")));
  EXPECT_EQ(EntriesOf(folder.Path()), (std::set<std::string>{"locked", "sub"}));
}

TEST(FileServiceTest, EnumerationYieldsEveryEntryWithAttributes) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("a.txt"), "x");
  Spill(folder.Path(".h"), "x");
  std::filesystem::create_directory(folder.Path("sub"));
  std::filesystem::create_symlink("nowhere", folder.Path("broken"));

  std::map<std::string, std::uint32_t> seen;
  FindData entry;
  auto search = files.FindFirst(folder.Path(), entry);
  ASSERT_NE(search, nullptr);
  do seen[entry.name] = entry.attributes;
  while (search->Next(entry));
  EXPECT_TRUE(search->Close());

  const std::map<std::string, std::uint32_t> expected = {
      {".", faDirectory},           {"..", faDirectory},  {"a.txt", faArchive},
      {".h", faArchive | faHidden}, {"sub", faDirectory}, {"broken", faSysFile}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(files.FindFirst(folder.Path("missing"), entry), nullptr);
}

// A name holding a character that code page 932 cannot hold, or maps onto another
// one (the wave dash reads back as a full-width tilde), is seen with "?", and that
// name reaches no file: neither the one it came from nor a new one.
TEST(FileServiceTest, NamesTheCodePageCannotHoldAreSeenWithQuestionMarks) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("a\u2603.txt"), "snow");
  Spill(folder.Path("b\u301c.txt"), "wave");
  const std::set<std::string> before = EntriesOf(folder.Path());

  std::set<std::string> seen;
  FindData entry;
  auto search = files.FindFirst(folder.Path(), entry);
  ASSERT_NE(search, nullptr);
  do seen.insert(entry.name);
  while (search->Next(entry));
  EXPECT_EQ(seen, (std::set<std::string>{".", "..", "a?.txt", "b?.txt"}));

  for (const std::string name : {"a?.txt", "b?.txt"}) {
    std::string content;
    EXPECT_FALSE(files.ReadFile(folder.Path(name), content)) << name;
    EXPECT_FALSE(files.WriteFile(folder.Path(name), "new")) << name;
    EXPECT_FALSE(files.CopyFile(folder.Path(name), folder.Path("copy"))) << name;
    EXPECT_EQ(files.GetAttributes(folder.Path(name)), kInvalidAttributes) << name;
  }
  // Byte sequences the code page does not define, and "?" itself, reach no file either.
  Spill(folder.Path("q?.txt"), "literal");
  for (const std::string name : {"q?.txt", "undefined\x80", "unassigned\x85\x40", "cut\x81"}) {
    EXPECT_FALSE(files.WriteFile(folder.Path(name), "new")) << name;
    EXPECT_FALSE(files.FileExists(folder.Path(name))) << name;
  }
  EXPECT_EQ(Slurp(folder.Path("q?.txt")), "literal");
  std::set<std::string> with_literal = before;
  with_literal.insert("q?.txt");
  EXPECT_EQ(EntriesOf(folder.Path()), with_literal);
  EXPECT_EQ(Slurp(folder.Path("a\u2603.txt")), "snow");

  // A code page 932 name crosses to the OS as UTF-8 and back.
  const std::string japanese = u8"日本語.txt"_sj;
  ASSERT_TRUE(files.WriteFile(folder.Path(japanese), "jp"));
  EXPECT_EQ(Slurp(folder.Path("日本語.txt")), "jp");
}

TEST(FileServiceTest, CurrentFolderAndExeDir) {
  TempFolder folder;
  FileService files;
  const std::string previous = files.GetCurrentDir();
  ASSERT_TRUE(files.SetCurrentDir(folder.Path()));
  EXPECT_EQ(files.GetCurrentDir(), std::filesystem::canonical(folder.Path()).string());
  ASSERT_TRUE(files.SetCurrentDir(previous));
  EXPECT_FALSE(files.SetCurrentDir(folder.Path("missing")));

  const std::string own = ExeDir();
  EXPECT_EQ(own.back(), '/');
  SetExeDir(folder.Path());
  EXPECT_EQ(ExeDir(), folder.Path() + "/");
  EXPECT_EQ(DataDir(), folder.Path() + "/");
  SetExeDir("");
  EXPECT_EQ(ExeDir(), own);
}

TEST(FileServiceTest, DataDirChoice) {
  struct Case {
    bool writable;
    const char* xdg;
    const char* home;
    const char* expected;
  };
  const Case cases[] = {
      {true, "/x", "/home/u", "/opt/p/"},
      {false, "/x", "/home/u", "/x/plyfix/"},
      {false, "/x/", "/home/u", "/x/plyfix/"},
      {false, "", "/home/u", "/home/u/.config/plyfix/"},
      {false, "relative", "/home/u", "/home/u/.config/plyfix/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseDataDir("/opt/p/", c.writable, c.xdg, c.home), c.expected) << c.xdg;
  }
  // Root may write /usr/bin, but an installed program keeps its files per user.
  EXPECT_EQ(ChooseDataDir("/usr/bin/", true, "", "/root"), "/root/.config/plyfix/");
  EXPECT_EQ(ChooseDataDir("/usr/local/bin/", true, "/x", "/root"), "/x/plyfix/");
}

}  // namespace
}  // namespace platform
