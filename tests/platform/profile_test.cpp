#include "platform/profile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <map>

#include "platform/errors.h"
#include "platform/files.h"
#include "tests/platform/temp_folder.h"

namespace platform {
namespace {

// Files held in memory; writes can be made to fail, and a file can be made unreadable.
class MemoryFiles : public FileService {
 public:
  bool ReadFile(const std::string& path, std::string& content) override {
    const auto found = files.find(path);
    if (found == files.end() || unreadable) return false;
    content = found->second;
    return true;
  }
  bool WriteFile(const std::string& path, std::string_view content) override {
    if (fail_writes) return false;
    files[path] = content;
    return true;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }

  std::map<std::string, std::string> files;
  bool fail_writes = false;
  bool unreadable = false;
};

class ProfileTest : public ::testing::Test {
 protected:
  MemoryFiles memory_;
  ScopedFileService scope_{memory_};
  const std::string path_ = "/exe/Plyfix.ini";
};

// A hand-edited file keeps every line, in order, and its own line breaks through
// writes that replace, append to a section and append a section.
TEST_F(ProfileTest, WritesKeepEveryOtherLineInPlace) {
  for (const std::string br : {"\r\n", "\n"}) {
    SCOPED_TRACE(br == "\n" ? "LF" : "CR LF");
    memory_.files[path_] = "; my settings" + br + br + "[Window]" + br + "  Top = 5 " + br +
                           "Left=7" + br + br + " [ setting ] " + br + "; Backup=0" + br +
                           "Backup=1" + br + br + br + "[Data]" + br + "Type=exe";
    TIniFile ini(path_);
    ini.WriteInteger("Window", "Top", 20);
    ini.WriteInteger("Window", "Width", 362);
    ini.WriteInteger("Setting", "BUPlace", -1);
    ini.WriteBool("Data", "Prohibit", true);
    ini.WriteString("Box1", "Count", "0");
    ini.WriteString("WINDOW", "top", "21");

    EXPECT_EQ(memory_.files[path_], "; my settings" + br + br + "[Window]" + br + "Top=21" + br +
                                        "Left=7" + br + "Width=362" + br + br + " [ setting ] " +
                                        br + "; Backup=0" + br + "Backup=1" + br + "BUPlace=-1" +
                                        br + br + br + "[Data]" + br + "Type=exe" + br +
                                        "Prohibit=1" + br + "[Box1]" + br + "Count=0" + br);
    EXPECT_EQ(TIniFile(path_).ReadInteger("window", "TOP", 0), 21);
  }
}

TEST_F(ProfileTest, ReadsValuesByCaseInsensitiveNames) {
  memory_.files[path_] =
      "Top=1\r\n[window]\r\n;Left=3\r\n\tTOP\t=  42 \r\nEmpty=\r\nQuoted=\" a b \"\r\n"
      "Quote=\"\r\nSingle= 'a ' \r\nMixed=\"a'\r\n[Data]\r\nLeft=9\r\nLong=" +
      std::string(3000, 'x');
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Window", "top", "d"), "42");
  EXPECT_EQ(ini.ReadString("Window", "Empty", "d"), "");
  EXPECT_EQ(ini.ReadString("Window", "Quoted", "d"), " a b ");
  EXPECT_EQ(ini.ReadString("Window", "Quote", "d"), "\"");
  EXPECT_EQ(ini.ReadString("Window", "Single", "d"), "a ");
  EXPECT_EQ(ini.ReadString("Window", "Mixed", "d"), "\"a'");
  EXPECT_EQ(ini.ReadString("Window", "Left", "d"), "d");
  EXPECT_EQ(ini.ReadString("Missing", "Top", "d"), "d");
  EXPECT_EQ(ini.ReadString("Data", "Long", ""), std::string(2047, 'x'));
  EXPECT_EQ(ini.FileName(), path_);
}

// Values that reading would change are quoted on writing, so they come back
// exactly; the quoted line is also what the Windows reader gives back as the value.
TEST_F(ProfileTest, StringsComeBackAsWritten) {
  const struct {
    std::string value;
    std::string line;
  } cases[] = {
      {"plain text", "plain text"},
      {"", ""},
      {" lead", "\" lead\""},
      {"trail\t", "\"trail\t\""},
      {"\"quoted\"", "\"\"quoted\"\""},
      {"'single'", "\"'single'\""},
      {"\"", "\""},
      {"\"open", "\"open"},
      {"mid \"q\" dle", "mid \"q\" dle"},
      {"a=b;c", "a=b;c"},
      {"\x93\xfa\x96\x7b ", "\"\x93\xfa\x96\x7b \""},
  };
  TIniFile ini(path_);
  for (const auto& c : cases) {
    ini.WriteString("Box1", "Box1-0", c.value);
    EXPECT_EQ(memory_.files[path_], "[Box1]\r\nBox1-0=" + c.line + "\r\n") << c.value;
    EXPECT_EQ(TIniFile(path_).ReadString("Box1", "Box1-0", "none"), c.value);
  }
}

TEST_F(ProfileTest, IntegerAndBooleanEncodings) {
  const struct {
    const char* value;
    int integer;
  } cases[] = {
      {"0x10", 16},
      {"0X1f", 31},
      {"0xFFFFFFFF", -1},
      {"0x", -99},
      {"0xg", -99},
      {"0x100000000", -99},
      {"abc", -99},
      {"12abc", -99},
      {"-5", -5},
      {"+7", 7},
      {"+-7", -99},
      {"010", 10},
      {"", -99},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", -99},
  };
  for (const auto& c : cases) {
    memory_.files[path_] = std::string("[S]\r\nK=") + c.value + "\r\n";
    EXPECT_EQ(TIniFile(path_).ReadInteger("S", "K", -99), c.integer) << c.value;
  }
  memory_.files[path_] = "[S]\r\nTwo=2\r\nZero=0\r\nYes=yes\r\n";
  const TIniFile ini(path_);
  EXPECT_TRUE(ini.ReadBool("S", "Two", false));
  EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
  EXPECT_TRUE(ini.ReadBool("S", "Yes", true));
  EXPECT_FALSE(ini.ReadBool("S", "Yes", false));
  EXPECT_TRUE(ini.ReadBool("S", "Missing", true));
}

// A refused write raises with the file's path and changes nothing, in the file
// or in what the object reads back.
TEST_F(ProfileTest, RefusedWriteRaisesWithThePath) {
  memory_.files[path_] = "[S]\r\nK=old\r\n";
  TIniFile ini(path_);
  memory_.fail_writes = true;
  for (const char* key : {"K", "New"}) {
    try {
      ini.WriteString("S", key, "new");
      ADD_FAILURE() << "no error raised for " << key;
    } catch (const EIniFileException& error) {
      EXPECT_EQ(error.Message(), EIniFileException(path_).Message());
    }
  }
  EXPECT_THROW(ini.WriteString("T", "K", "new"), EIniFileException);
  EXPECT_EQ(ini.ReadString("S", "K", ""), "old");
  EXPECT_EQ(ini.ReadString("S", "New", "none"), "none");
  EXPECT_EQ(ini.ReadString("T", "K", "none"), "none");
  EXPECT_EQ(memory_.files[path_], "[S]\r\nK=old\r\n");

  // A file that exists but cannot be read is never overwritten with a few keys.
  memory_.fail_writes = false;
  memory_.unreadable = true;
  TIniFile unreadable(path_);
  EXPECT_THROW(unreadable.WriteString("S", "K", "new"), EIniFileException);
  EXPECT_EQ(memory_.files[path_], "[S]\r\nK=old\r\n");
}

TEST(ProfileFileTest, MissingFileReadsDefaultsAndIsCreatedWithCrLf) {
  platform_test::TempFolder folder;
  const std::string path = folder.Path("Plyfix.ini");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Window", "Top", 10), 10);
  ini.WriteInteger("Window", "Top", 10);
  ini.WriteBool("Setting", "Log", false);
  EXPECT_EQ(platform_test::Slurp(path), "[Window]\r\nTop=10\r\n[Setting]\r\nLog=0\r\n");
  EXPECT_FALSE(TIniFile(path).ReadBool("Setting", "Log", true));
}

// Each write puts a whole new copy in the file's place; a read-only file (the
// program's read-only attribute) refuses the write and stays as it was.
TEST(ProfileFileTest, WritesReplaceTheWholeFileAndAReadOnlyFileStaysWhole) {
  platform_test::TempFolder folder;
  const std::string path = folder.Path("Plyfix.ini");
  platform_test::Spill(path, "; mine\r\n[Window]\r\nTop=5\r\n");
  struct stat before;
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  TIniFile ini(path);
  ini.WriteInteger("Window", "Top", 6);
  struct stat after;
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino) << "a new copy renamed into place";
  EXPECT_EQ(platform_test::Slurp(path), "; mine\r\n[Window]\r\nTop=6\r\n");

  ASSERT_TRUE(Files().SetAttributes(path, faReadOnly));
  EXPECT_THROW(ini.WriteInteger("Window", "Left", 7), EIniFileException);
  EXPECT_EQ(platform_test::Slurp(path), "; mine\r\n[Window]\r\nTop=6\r\n");
  std::vector<std::string> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    leftovers.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(leftovers, std::vector<std::string>{"Plyfix.ini"});
}

}  // namespace
}  // namespace platform
