#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/errors.h"

namespace platform {
namespace {

TEST(TextTest, FileNameAndFolderOfAPath) {
  struct Case {
    std::string path;
    std::string folder;
    std::string name;
  };
  const Case cases[] = {
      {"/site/index.htm", "/site/", "index.htm"},
      {"index.htm", "", "index.htm"},
      {"/site/old/", "/site/old/", ""},
      {"/", "/", ""},
      {"", "", ""},
      {"a\\b:c.txt", "", "a\\b:c.txt"},
      // 表 and ソ end in the byte 0x5C; 構 is 0x8D 0x5C.
      {"/\x95\x5C/\x83\x5C\x8D\x5C.txt", "/\x95\x5C/", "\x83\x5C\x8D\x5C.txt"},
      // A lead byte never swallows the separator that follows it.
      {"/x\x81/y", "/x\x81/", "y"},
      {"/x\x82", "/", "x\x82"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
  }
}

TEST(TextTest, SameTextIgnoresLetterCasePerCharacter) {
  EXPECT_TRUE(AnsiSameText("/Site/Index.HTM", "/site/index.htm"));
  EXPECT_TRUE(AnsiSameText("\x82\x60\x83\x9F", "\x82\x81\x83\xBF"));  // ＡΑ / ａα
  EXPECT_TRUE(AnsiSameText("", ""));
  // ア (0x83 0x41) and 0x83 0x61 (ヂ) differ although their second bytes are "A" and "a".
  EXPECT_FALSE(AnsiSameText("\x83\x41", "\x83\x61"));
  EXPECT_FALSE(AnsiSameText("a", "a "));
  EXPECT_FALSE(AnsiSameText(std::string("a\0b", 3), std::string("a\0c", 3)));
}

TEST(TextTest, CommaListIsConsumedFromTheFront) {
  using Items = std::vector<std::string>;
  struct Case {
    std::string list;
    Items items;
  };
  const Case cases[] = {
      {"html,htm,cgi", {"html", "htm", "cgi"}},
      {"html", {"html"}},
      {"", {""}},
      {"a,", {"a"}},
      {",a", {"", "a"}},
      {",", {""}},
      {"a,,b", {"a", "", "b"}},
      {"a,,", {"a", ""}},
      {"html, htm", {"html", " htm"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommaList(c.list), c.items) << c.list;
}

TEST(TextTest, IntegerText) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(LLONG_MIN), "-9223372036854775808");

  struct Case {
    std::string text;
    int value;
  };
  const Case valid[] = {
      {"0", 0},
      {"12", 12},
      {"+7", 7},
      {"-7", -7},
      {"  3", 3},
      {" -0", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT_MIN},
      {"00000000000000000000001", 1},
  };
  for (const Case& c : valid) {
    int value = -99;
    EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
  }

  const std::string invalid[] = {
      "",     " ",   "+",          "-",           "12 ", "1 2",         "\t1", "1.0",
      "0x10", "$10", "2147483648", "-2147483649", "1e3", "99999999999", "- 1", "\x82\x50"};
  for (const std::string& text : invalid) {
    int value = -99;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, -99) << text;
    try {
      StrToInt(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), EConvertError(text).Message());
      EXPECT_NE(error.Message().find("'" + text + "'"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace platform
