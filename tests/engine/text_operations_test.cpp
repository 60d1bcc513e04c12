#include "engine/text_operations.h"

#include <gtest/gtest.h>

#include "platform/ansi.h"

namespace engine {
namespace {

struct ReplaceCase {
  std::string line;
  std::string search;
  std::string replacement;
  bool ignore_case;
  std::string expected;
  int count;
};

class ReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesEveryOccurrenceOnCharacterBoundaries) {
  const ReplaceCase& c = GetParam();
  Replacer replacer(c.search, c.replacement, c.ignore_case);
  std::string line = c.line;
  EXPECT_EQ(replacer.ReplaceInLine(line), c.count);
  EXPECT_EQ(line, c.expected);
}

const std::string kHyo = u8"表"_sj;    // 0x95 0x5C: its trail byte is "\"
const std::string kSo = u8"ソ"_sj;     // 0x83 0x5C
const std::string kA = u8"ア"_sj;      // 0x83 0x41: its trail byte is "A"
const std::string kNichi = u8"日"_sj;  // 0x93 0xFA: both bytes lie in the lead range

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplaceTest,
    testing::Values(
        ReplaceCase{"abab ab", "ab", "x", false, "xx x", 3},
        ReplaceCase{"aaa", "aa", "b", false, "ba", 1}, ReplaceCase{"a", "a", "aa", false, "aa", 1},
        ReplaceCase{"ABC aBc", "abc", "x", true, "x x", 2},
        ReplaceCase{"ABC aBc", "abc", "x", false, "ABC aBc", 0},
        ReplaceCase{"a<br>b<br>", "<br>", "", false, "ab", 2},
        ReplaceCase{"nothing here", "zz", "y", true, "nothing here", 0},
        ReplaceCase{std::string("a\0b\0", 4), std::string("\0", 1), "-", false, "a-b-", 2},
        // A single-byte string equal to a trail byte never matches inside
        // a double-byte character, with or without case folding.
        ReplaceCase{kHyo + "\\" + kSo, "\\", "/", false, kHyo + "/" + kSo, 1},
        ReplaceCase{kHyo + "\\" + kSo, "\\", "/", true, kHyo + "/" + kSo, 1},
        ReplaceCase{kA + "A", "a", "b", true, kA + "b", 1},
        ReplaceCase{kA + kA, "A", "b", false, kA + kA, 0},
        // A string ending in a lone lead byte never takes half a character.
        ReplaceCase{kHyo, "\x95", "x", false, kHyo, 0},
        ReplaceCase{u8"ＡＢＣ"_sj, u8"ａｂｃ"_sj, "x", true, "x", 1},
        ReplaceCase{"x" + kHyo + "x", kHyo, u8"裏"_sj, false, "x" + u8"裏"_sj + "x", 1}));

TEST(ReplacerTest, CountsOverAllLinesAndKeepsTheRest) {
  platform::TTextLines lines;
  lines.SetText("one ab\n\nnone\nab ab");
  Replacer replacer("ab", "AB", false);
  EXPECT_EQ(replacer.ReplaceInLines(lines), 3);
  EXPECT_EQ(lines.Text(), "one AB\r\n\r\nnone\r\nAB AB\r\n");
}

TEST(ReplacerTest, InsertedTextIsNotSearchedAgain) {
  std::string line = "aXa";
  Replacer replacer("a", "aa", false);
  EXPECT_EQ(replacer.ReplaceInLine(line), 2);
  EXPECT_EQ(line, "aaXaa");
}

struct AddCase {
  std::vector<std::string> lines;
  int position;
  int line_number;
  bool skip_when_there;
  AddDecision::Kind kind;
  int index;
};

class DecideAddTest : public testing::TestWithParam<AddCase> {};

TEST_P(DecideAddTest, DecidesWhereTheLineGoes) {
  const AddCase& c = GetParam();
  const std::vector<std::string_view> lines(c.lines.begin(), c.lines.end());
  const AddDecision decision = DecideAdd(lines, "T", c.position, c.line_number, c.skip_when_there);
  EXPECT_EQ(decision.kind, c.kind);
  if (c.kind == AddDecision::kInsert) {
    EXPECT_EQ(decision.index, c.index);
  }
}

using V = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Positions, DecideAddTest,
    testing::Values(AddCase{V{}, kAddAtLine, 99, true, AddDecision::kInsert, 0},
                    AddCase{V{"T", "b"}, kAddAtHead, 0, true, AddDecision::kAlreadyThere, 0},
                    AddCase{V{"T", "b"}, kAddAtHead, 0, false, AddDecision::kInsert, 0},
                    AddCase{V{"t", "b"}, kAddAtHead, 0, true, AddDecision::kInsert, 0},
                    AddCase{V{"a", "T"}, kAddAtTail, 0, true, AddDecision::kAlreadyThere, 0},
                    AddCase{V{"a", "b"}, kAddAtTail, 0, true, AddDecision::kInsert, 2},
                    AddCase{V{"a", "b", "c", "d", "e"}, kAddAtLine, 3, true, AddDecision::kInsert,
                            2},
                    AddCase{V{"a", "T"}, kAddAtLine, 2, true, AddDecision::kAlreadyThere, 0},
                    AddCase{V{"a", "b"}, kAddAtLine, 3, true, AddDecision::kInsert, 2},
                    AddCase{V{"a", "b"}, kAddAtLine, 4, true, AddDecision::kBeyondEnd, 0},
                    AddCase{V{"a", "b"}, kAddAtLine, 0, true, AddDecision::kInsert, 0},
                    AddCase{V{"T", "b"}, kAddAtLine, -5, true, AddDecision::kAlreadyThere, 0},
                    AddCase{V{"a"}, 3, 1, true, AddDecision::kLeaveUnchanged, 0},
                    AddCase{V{"a"}, -1, 1, true, AddDecision::kLeaveUnchanged, 0}));

}  // namespace
}  // namespace engine
