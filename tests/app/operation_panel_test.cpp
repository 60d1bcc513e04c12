// The operation panel follows the chosen operation and add position, keeps the
// typed texts, and bounds the line number.

#include <gtest/gtest.h>

#include <string>

#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using app_test::ProgramTest;

struct PanelFace {
  std::string box_caption;
  std::string label1_caption;
  bool replace_inputs;  // Label2 and Edit2
  bool add_inputs;      // RadioGroup2 and CheckBox1
  bool line_number;     // Edit3 and UpDown1
};

PanelFace FaceOf(const TMainForm& form) {
  EXPECT_EQ(form.Label2->Visible(), form.Edit2->Visible());
  EXPECT_EQ(form.RadioGroup2->Visible(), form.CheckBox1->Visible());
  EXPECT_EQ(form.Edit3->Visible(), form.UpDown1->Visible());
  EXPECT_TRUE(form.GroupBox1->Visible());
  EXPECT_EQ(form.Label2->Caption(), u8"置換する文字列"_sj);
  return {form.GroupBox1->Caption(), form.Label1->Caption(), form.Label2->Visible(),
          form.RadioGroup2->Visible(), form.Edit3->Visible()};
}

PanelFace Expected(int operation, int position) {
  switch (operation) {
    case 0:
      return {u8"文字列の追加"_sj, u8"追加する文字列"_sj, false, true, position == 2};
    case 1:
      return {u8"文字列の置換"_sj, u8"元の文字列"_sj, true, false, false};
    default:
      return {u8"文字列の削除"_sj, u8"削除する文字列"_sj, false, false, false};
  }
}

TEST_F(ProgramTest, PanelFollowsTheOperationAndKeepsTheTexts) {
  Run([] {
    TMainForm& form = *MainForm;
    form.Edit1->TypeText("search");
    form.Edit2->TypeText("replacement");
    form.Edit3->TypeText("7");
    for (int position : {2, 0, 1}) {
      // The position can only be picked while adding.
      form.RadioGroup1->ClickItem(0);
      form.RadioGroup2->ClickItem(position);
      for (int operation : {1, 0, 2, 0}) {
        SCOPED_TRACE("position " + std::to_string(position) + ", operation " +
                     std::to_string(operation));
        form.RadioGroup1->ClickItem(operation);
        const PanelFace face = FaceOf(form);
        const PanelFace expected = Expected(operation, position);
        EXPECT_EQ(face.box_caption, expected.box_caption);
        EXPECT_EQ(face.label1_caption, expected.label1_caption);
        EXPECT_EQ(face.replace_inputs, expected.replace_inputs);
        EXPECT_EQ(face.add_inputs, expected.add_inputs);
        EXPECT_EQ(face.line_number, expected.line_number);
      }
    }
    EXPECT_EQ(form.Edit1->Text(), "search");
    EXPECT_EQ(form.Edit2->Text(), "replacement");
    EXPECT_EQ(form.Edit3->Text(), "7");
  });
}

TEST_F(ProgramTest, LineNumberStopsAtItsEnds) {
  Run([] {
    TMainForm& form = *MainForm;
    form.RadioGroup2->ClickItem(2);
    ASSERT_TRUE(form.UpDown1->Visible());
    form.UpDown1->SetPosition(32767);
    form.UpDown1->Click(ui::btNext);
    EXPECT_EQ(form.Edit3->Text(), "32767");
    form.UpDown1->SetPosition(1);
    form.UpDown1->Click(ui::btPrev);
    EXPECT_EQ(form.Edit3->Text(), "1");
    form.UpDown1->Click(ui::btNext);
    EXPECT_EQ(form.Edit3->Text(), "2");
  });
}

}  // namespace
