#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/ui/scripted_fixture.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/open_dialog.h"
#include "ui/script_error.h"
#include "ui/static_text.h"

namespace ui {
namespace {

using Entry = ScriptedBackend::Entry;

// A five-answer dialog in miniature: a question and buttons with modal results.
class QuestionForm : public TForm {
 public:
  explicit QuestionForm(TComponent* owner) : TForm(owner) {
    SetName("QuestionForm");
    SetCaption(u8"確認っす"_sj);
    Question->SetParent(this);
    for (TButton* button : {Yes, YesToAll, Cancel}) button->SetParent(this);
    Yes->SetModalResult(mrYes);
    YesToAll->SetModalResult(mrYesToAll);
    Cancel->SetModalResult(mrCancel);
  }
  TStaticText* Question = new TStaticText(this);
  TButton* Yes = new TButton(this);
  TButton* YesToAll = new TButton(this);
  TButton* Cancel = new TButton(this);
};

class ScriptedBackendTest : public testing::ScriptedTest {};

TEST_F(ScriptedBackendTest, AnswersQuestionsInOrderAndNoticesByItself) {
  script.AnswerMessage(IDNO);
  script.AnswerMessage(IDCANCEL);
  EXPECT_EQ(Application().MessageBox("done", "Plyfix"), IDOK);
  EXPECT_EQ(Application().MessageBox("go on?", u8"確認"_sj, MB_YESNO), IDNO);
  EXPECT_EQ(Application().MessageBox("all?", "c", MB_YESNOCANCEL | MB_ICONEXCLAMATION), IDCANCEL);

  const auto& t = script.Transcript();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].answer, IDOK);
  EXPECT_EQ(t[1].caption, u8"確認"_sj);
  EXPECT_EQ(t[1].Buttons(), MB_YESNO);
  EXPECT_EQ(t[1].Icon(), 0u);
  EXPECT_EQ(t[2].Icon(), MB_ICONEXCLAMATION);
  script.ClearTranscript();
  EXPECT_TRUE(script.Transcript().empty());
}

TEST_F(ScriptedBackendTest, AModalScriptClicksAButtonWhoseModalResultClosesTheForm) {
  QuestionForm dialog(nullptr);
  dialog.Question->SetCaption("replace backup?");
  int shows = 0;
  dialog.OnShow = [&](TObject*) { ++shows; };
  script.AnswerModal([](TForm& form) {
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(static_cast<QuestionForm&>(form).Question->Caption(), "replace backup?");
    static_cast<QuestionForm&>(form).YesToAll->Click();
    return mrNone;
  });

  EXPECT_EQ(dialog.ShowModal(), mrYesToAll);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(shows, 1);
  ASSERT_EQ(script.Transcript().size(), 1u);
  EXPECT_EQ(script.Transcript()[0].kind, Entry::Kind::ModalForm);
  EXPECT_EQ(script.Transcript()[0].caption, u8"確認っす"_sj);
  EXPECT_EQ(script.Transcript()[0].text, "QuestionForm");
  EXPECT_EQ(script.Transcript()[0].answer, mrYesToAll);
}

TEST_F(ScriptedBackendTest, OnCloseCanKeepAModalFormOpen) {
  QuestionForm dialog(nullptr);
  int closes = 0;
  dialog.OnClose = [&](TObject*, TCloseAction& action) {
    if (++closes == 1) action = caNone;
  };
  script.AnswerModal([](TForm& form) {
    form.Close();
    return mrNone;
  });
  script.AnswerModal([](TForm&) { return mrOk; });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(closes, 2);
}

TEST_F(ScriptedBackendTest, AQuestionWithoutAnAnswerFailsLoudlyWithItsText) {
  try {
    Application().MessageBox(u8"リストの内容をクリアします."_sj, u8"確認"_sj, MB_YESNO);
    ADD_FAILURE() << "no ScriptError";
  } catch (const ScriptError& error) {
    EXPECT_NE(std::string(error.what()).find("リストの内容をクリアします."), std::string::npos)
        << error.what();
  }
  // It also escapes the dispatch, so the handler stops and the test sees it.
  TMenuItem item(nullptr);
  bool after = false;
  item.OnClick = [&](TObject*) {
    Application().BrowseFolder(nullptr, "choose");
    after = true;
  };
  EXPECT_THROW(item.Click(), ScriptError);
  EXPECT_FALSE(after);
}

TEST_F(ScriptedBackendTest, AnswersThatDoNotFitTheQuestionFailToo) {
  script.AnswerMessage(IDCANCEL);
  EXPECT_THROW(Application().MessageBox("q", "c", MB_YESNO), ScriptError);
  script.AnswerFolder("/site");
  EXPECT_THROW(Application().MessageBox("q", "c", MB_YESNO), ScriptError);
  EXPECT_EQ(Application().BrowseFolder(nullptr, "t"), "/site");

  QuestionForm dialog(nullptr);
  script.AnswerModal([](TForm&) { return mrNone; });
  EXPECT_THROW(dialog.ShowModal(), ScriptError);
  EXPECT_FALSE(dialog.Modal());
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(ScriptedBackendTest, DialogsHelpShellAndCursorAreRecorded) {
  Application().SetHelpFile("C:\\PLYFIX.HLP");
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("all(*.*)|*.*");
  dialog.SetOptions(ofAllowMultiSelect | ofFileMustExist);
  script.AnswerOpenDialog({"/a.txt", "/b.txt"});
  script.CancelOpenDialog();
  script.AnswerFolder("");

  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Files(), (std::vector<std::string>{"/a.txt", "/b.txt"}));
  EXPECT_EQ(dialog.FileName(), "/a.txt");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(Application().BrowseFolder(nullptr, "choose"), "");
  Application().HelpCommand(HELP_FINDER, 0);
  Application().ShellOpen("mailto:x@example.com");
  Application().SetCursor(crHourGlass);
  Application().SetCursor(crDefault);

  const auto& t = script.Transcript();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0].kind, Entry::Kind::OpenDialog);
  EXPECT_EQ(t[0].caption, "all(*.*)|*.*");
  EXPECT_EQ(t[0].flags, ofAllowMultiSelect | ofFileMustExist);
  EXPECT_EQ(t[1].answer, 0);
  EXPECT_EQ(t[2].kind, Entry::Kind::BrowseFolder);
  EXPECT_EQ(t[2].text, "choose");
  EXPECT_EQ(t[3].kind, Entry::Kind::Help);
  EXPECT_EQ(t[3].text, "C:\\PLYFIX.HLP");
  EXPECT_EQ(t[3].flags, static_cast<unsigned>(HELP_FINDER));
  EXPECT_EQ(t[4].text, "mailto:x@example.com");
  EXPECT_EQ(script.CursorHistory(), (std::vector<TCursor>{crHourGlass, crDefault}));
}

class MainForm : public TForm {
 public:
  explicit MainForm(TComponent* owner) : TForm(owner) {
    OnShow = [this](TObject*) { log.push_back("show"); };
    OnClose = [this](TObject*, TCloseAction&) { log.push_back("close"); };
  }
  std::vector<std::string> log;
};

TEST_F(ScriptedBackendTest, RunShowsTheMainFormFirstAndEndsWhenItCloses) {
  auto* main = Application().CreateForm<MainForm>();
  auto* second = Application().CreateForm<MainForm>();
  EXPECT_EQ(Application().MainForm(), main);
  script.SetSession([&](TForm& form) {
    static_cast<MainForm&>(form).log.push_back("session");
    second->Show();
    second->Close();
    EXPECT_FALSE(second->Visible()) << "a secondary form hides on close";
  });
  Application().Run();
  EXPECT_EQ(main->log, (std::vector<std::string>{"show", "session", "close"}));
  EXPECT_TRUE(Application().Terminated());
}

}  // namespace
}  // namespace ui
