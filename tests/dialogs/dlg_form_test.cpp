// The five-answer question: each button closes it with its answer, Button1 has
// the focus on opening, and neither Enter nor Esc is bound to a button.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/Pfdlg.h"
#include "platform/ansi.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace {

TEST(DlgFormTest, EachButtonAnswersWithItsModalResult) {
  struct Case {
    ui::TButton* TDlgForm::*button;
    std::string caption;
    int answer;
  };
  const std::vector<Case> cases = {
      {&TDlgForm::Button1, u8"はい(&Y)"_sj, 6},   {&TDlgForm::Button2, u8"以降はい(&A)"_sj, 10},
      {&TDlgForm::Button3, u8"いいえ(&N)"_sj, 7}, {&TDlgForm::Button4, u8"以降いいえ(&L)"_sj, 9},
      {&TDlgForm::Button5, u8"ｷｬﾝｾﾙ(&C)"_sj, 2},
  };
  ui::ScriptedBackend backend;
  ui::ScopedBackend scoped(backend);
  ui::TForm owner(nullptr);
  const std::string question = "C:\\site\\index.html.bak\n" + u8"は既にあります"_sj;

  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    backend.AnswerModal([&](ui::TForm& form) {
      auto& dialog = dynamic_cast<TDlgForm&>(form);
      EXPECT_EQ(dialog.Owner(), &owner);
      EXPECT_EQ(dialog.StaticText1->Caption(), question);
      EXPECT_EQ(dialog.ActiveControl(), dialog.Button1);
      EXPECT_EQ(dialog.DefaultButton(), nullptr);
      EXPECT_EQ(dialog.CancelButton(), nullptr);
      EXPECT_EQ((dialog.*c.button)->Caption(), c.caption);
      (dialog.*c.button)->Click();
      return ui::mrNone;
    });
    EXPECT_EQ(AskFiveAnswers(&owner, question), c.answer);
    EXPECT_EQ(owner.ComponentCount(), 0);
  }
  ASSERT_EQ(backend.Transcript().size(), cases.size());
  EXPECT_EQ(backend.Transcript()[0].caption, u8"確認っす"_sj);
  EXPECT_EQ(DlgForm, nullptr);
}

TEST(DlgFormTest, ClientAreaAndPlaceAreAsDesigned) {
  TDlgForm dialog(nullptr);
  EXPECT_EQ(dialog.ClientWidth(), 218);
  EXPECT_EQ(dialog.ClientHeight(), 123);
  EXPECT_EQ(dialog.Left(), 319);
  EXPECT_EQ(dialog.Top(), 200);
  EXPECT_EQ(dialog.BorderStyle(), ui::bsDialog);
  EXPECT_EQ(dialog.BorderIcons(), 0u);
  EXPECT_EQ(dialog.StaticText1->BoundsRect(), (ui::TRect{2, 4, 216, 65}));
  EXPECT_EQ(dialog.StaticText1->BorderStyle(), ui::sbsSunken);
}

}  // namespace
