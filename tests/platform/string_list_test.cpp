#include "platform/string_list.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>

#include "platform/errors.h"
#include "platform/files.h"
#include "tests/platform/temp_folder.h"

namespace platform {
namespace {

using Lines = std::vector<std::string>;
using platform_test::Spill;
using platform_test::TempFolder;

TEST(StringListTest, SplitsByTheLineModel) {
  struct Case {
    std::string content;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},
      {"\r", {""}},
      {"\n", {""}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\r", {"", ""}},
      {std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string("\0", 1)}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.content), c.lines) << c.content;
}

TEST(StringListTest, JoinsWithCrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"a", "", std::string("b\0", 2)}), std::string("a\r\n\r\nb\0\r\n", 9));
  // Reading back what was written gives the same lines.
  const Lines lines = {"x", "", "\x83\x41", "y"};
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

TEST(StringListTest, EditsLines) {
  TStringList list;
  list.SetText("b\nd");
  list.Insert(0, "a");
  list.Insert(2, "c");
  list.Insert(4, "e");
  list.Add("f");
  list.Delete(5);
  list.Delete(1);
  EXPECT_EQ(list.Lines(), (Lines{"a", "c", "d", "e"}));
  EXPECT_EQ(list.Count(), 4);
  list[0] = "z";
  EXPECT_EQ(list.Text(), "z\r\nc\r\nd\r\ne\r\n");
  EXPECT_THROW(list.Insert(5, "x"), std::out_of_range);
  EXPECT_THROW(list.Delete(4), std::out_of_range);
  EXPECT_THROW(list.Delete(-1), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

// Lines held as views of the loaded bytes: a changed line no longer than before
// is written over its own bytes, a longer or an added one kept elsewhere; no
// change reaches a neighbouring line.
TEST(TextLinesTest, EditsKeepEveryOtherLine) {
  TTextLines lines;
  lines.SetText("first\nsecond\r\nthird\rfourth");
  lines.Replace(0, "1st");
  lines.Replace(1, "the second, longer than before");
  lines.Replace(2, "");
  lines.Insert(4, "fifth");
  lines.Insert(0, "zeroth");
  EXPECT_EQ(lines.Count(), 6);
  EXPECT_EQ(lines.Text(),
            "zeroth\r\n1st\r\nthe second, longer than before\r\n\r\nfourth\r\nfifth\r\n");
  EXPECT_THROW(lines.Insert(7, "x"), std::out_of_range);

  // The same line model as the string list, NUL bytes included.
  for (const std::string& content : {std::string("a\0b\r\n\0", 6), std::string("\n\r"),
                                     std::string(""), std::string("a\r\r\nb")}) {
    lines.SetText(content);
    EXPECT_EQ(std::vector<std::string>(lines.Lines().begin(), lines.Lines().end()),
              SplitLines(content));
  }
}

// Files held in memory; writing fails for any path listed in read_only.
class MemoryFiles : public FileService {
 public:
  bool ReadFile(const std::string& path, std::string& content) override {
    const auto found = files.find(path);
    if (found == files.end()) return false;
    content = found->second;
    return true;
  }
  bool WriteFile(const std::string& path, std::string_view content) override {
    if (path == read_only) return false;
    files[path] = std::string(content);
    return true;
  }

  std::map<std::string, std::string> files;
  std::string read_only;
};

TEST(StringListTest, LoadsAndSavesThroughTheFileService) {
  MemoryFiles memory;
  ScopedFileService scope(memory);
  memory.files["/s/a.htm"] = std::string("one\rtwo\n\0three", 14);

  TStringList list;
  list.Add("old");
  list.LoadFromFile("/s/a.htm");
  EXPECT_EQ(list.Lines(), (Lines{"one", "two", std::string("\0three", 6)}));

  list.SaveToFile("/s/b.htm");
  EXPECT_EQ(memory.files["/s/b.htm"], std::string("one\r\ntwo\r\n\0three\r\n", 18));
}

TEST(TextLinesTest, LoadingRemembersTheFileRead) {
  TempFolder folder;
  const std::string path = folder.Path("a.htm");
  Spill(path, "one\ntwo");
  TTextLines lines;
  lines.LoadFromFile(path);
  EXPECT_EQ(lines.Text(), "one\r\ntwo\r\n");
  struct stat status {};
  stat(path.c_str(), &status);
  EXPECT_EQ(lines.Identity().inode, status.st_ino);
  EXPECT_EQ(lines.Identity().size, 7);
  EXPECT_THROW(lines.LoadFromFile(folder.Path("missing")), EFOpenError);
  EXPECT_EQ(lines.Count(), 0);
}

TEST(StringListTest, FailuresRaiseTheFileErrors) {
  MemoryFiles memory;
  ScopedFileService scope(memory);
  memory.files["/s/locked.htm"] = "kept";
  memory.read_only = "/s/locked.htm";

  TStringList list;
  list.Add("line");
  try {
    list.LoadFromFile("/s/missing.htm");
    ADD_FAILURE() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(error.Message(), EFOpenError("/s/missing.htm").Message());
  }
  EXPECT_EQ(list.Lines(), Lines{"line"});

  try {
    list.SaveToFile("/s/locked.htm");
    ADD_FAILURE() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(error.Message(), EFCreateError("/s/locked.htm").Message());
  }
  EXPECT_EQ(memory.files["/s/locked.htm"], "kept");
}

}  // namespace
}  // namespace platform
