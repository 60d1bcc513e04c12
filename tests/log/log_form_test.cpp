// Closing the log window and the log button keep each other in step.

#include <gtest/gtest.h>

#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using app_test::ProgramTest;

TEST_F(ProgramTest, ClosingTheLogWindowPutsTheLogButtonUp) {
  Run([] {
    ASSERT_TRUE(LogForm->Visible());
    LogForm->Close();
    EXPECT_FALSE(LogForm->Visible());
    EXPECT_FALSE(MainForm->LogButton->Down());
    EXPECT_EQ(MainForm->LogButton->Caption(), u8"ログを表示"_sj);
    EXPECT_FALSE(ui::Application().Terminated());

    MainForm->LogButton->Click();
    EXPECT_TRUE(LogForm->Visible());
    EXPECT_TRUE(MainForm->LogButton->Down());
    EXPECT_EQ(MainForm->LogButton->Caption(), u8"ログを隠す"_sj);

    MainForm->LogButton->Click();
    EXPECT_FALSE(LogForm->Visible());
    EXPECT_FALSE(MainForm->LogButton->Down());
    EXPECT_EQ(MainForm->LogButton->Caption(), u8"ログを表示"_sj);
  });
}

TEST(LogFormTest, LogTextIsAReadOnlyUnwrappedTextWithTheStartingCap) {
  TLogForm form(nullptr);
  EXPECT_EQ(form.Caption(), u8"Plyfix ログブラウザ"_sj);
  EXPECT_EQ(form.LogText->Align(), ui::alClient);
  EXPECT_TRUE(form.LogText->ReadOnly());
  EXPECT_FALSE(form.LogText->WordWrap());
  EXPECT_EQ(form.LogText->ScrollBars(), ui::ssBoth);
  EXPECT_EQ(form.LogText->MaxLength(), 1048576u);
  EXPECT_TRUE(form.LogText->ShowHint());
}

}  // namespace
