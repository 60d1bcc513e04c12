#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/ui/scripted_fixture.h"
#include "ui/form.h"
#include "ui/memo.h"

namespace ui {
namespace {

// Records what a memo tells its renderer.
class RecordingPeer : public ControlPeer {
 public:
  void ItemsInserted(int index, int count) override {
    log.push_back("+" + std::to_string(index) + "x" + std::to_string(count));
  }
  void ItemsRemoved(int index, int count) override {
    log.push_back("-" + std::to_string(index) + "x" + std::to_string(count));
  }
  void ItemsReset() override { log.push_back("reset"); }
  std::vector<std::string> log;
};

class MemoTest : public testing::ScriptedTest {
 protected:
  TForm form{nullptr};
  TMemo* memo = new TMemo(&form);
};

TEST_F(MemoTest, ByteLengthCountsTwoForEveryLineBreak) {
  memo->Lines().Add("abc");
  memo->Lines().Add("");
  memo->Lines().Add(u8"ログ"_sj);
  EXPECT_EQ(memo->GetTextLen(), 3 + 2 + 0 + 2 + 4 + 2);
  EXPECT_EQ(memo->GetTextLen(), memo->Text().size());
  memo->Lines().Delete(0);
  memo->Lines().SetStrings(0, "xy");
  EXPECT_EQ(memo->GetTextLen(), 2 + 2 + 4 + 2);
}

TEST_F(MemoTest, MaxLengthCutsTheInsertionThatCrossesItAndDropsLaterOnes) {
  memo->SetMaxLength(16);
  EXPECT_TRUE(memo->Lines().Insert(0, "0123456789"));  // 12 bytes
  // 4 bytes of room: the line keeps 2 bytes and its break.
  EXPECT_TRUE(memo->Lines().Insert(0, "abcdef"));
  EXPECT_EQ(memo->Lines()[0], "ab");
  EXPECT_EQ(memo->GetTextLen(), 16u);
  EXPECT_EQ(memo->Lines().Add("more"), -1);
  EXPECT_FALSE(memo->Lines().Insert(0, ""));
  EXPECT_EQ(memo->Lines().Count(), 2);
}

TEST_F(MemoTest, CutNeverSplitsADoubleByteCharacter) {
  memo->SetMaxLength(7);
  // 5 bytes of room for the text and 2 for the break: "ア" (2) + "イ" (2), not half of "ウ".
  memo->Lines().Add(u8"アイウ"_sj);
  EXPECT_EQ(memo->Lines()[0], u8"アイ"_sj);
}

TEST_F(MemoTest, TextSetWholeIsNotLimited) {
  memo->SetMaxLength(4);
  memo->SetText("a long first line\r\nsecond\n");
  EXPECT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Text(), "a long first line\r\nsecond\r\n");
  EXPECT_EQ(memo->Lines().Add("x"), -1);
}

TEST_F(MemoTest, InsertionsAtConsecutiveRowsNearTheTopKeepTheirOrder) {
  RecordingPeer peer;
  memo->SetPeer(&peer);
  for (int i = 0; i < 1000; ++i) memo->Lines().Add("old" + std::to_string(i));
  // Newest-first logging: an empty separator at row 0, then lines at rows 0, 1, 2, …
  memo->Lines().Insert(0, "");
  for (int row = 0; row < 500; ++row) memo->Lines().Insert(row, "new" + std::to_string(row));

  ASSERT_EQ(memo->Lines().Count(), 1501);
  for (int row = 0; row < 500; ++row) ASSERT_EQ(memo->Lines()[row], "new" + std::to_string(row));
  EXPECT_EQ(memo->Lines()[500], "");
  EXPECT_EQ(memo->Lines()[501], "old0");
  EXPECT_EQ(memo->Lines()[1500], "old999");
  EXPECT_EQ(peer.log[1000], "+0x1");
  EXPECT_EQ(peer.log.back(), "+499x1");

  memo->Lines().Delete(3);
  memo->Lines().Clear();
  EXPECT_EQ(peer.log[peer.log.size() - 2], "-3x1");
  EXPECT_EQ(peer.log.back(), "reset");
  EXPECT_EQ(memo->GetTextLen(), 0u);
}

}  // namespace
}  // namespace ui
