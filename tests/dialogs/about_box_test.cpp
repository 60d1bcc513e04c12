// The About box: its face, the maker line as the switch of the cue-file command,
// the links, and the parts that close it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/Pfabout.h"
#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using Kind = ui::ScriptedBackend::Entry::Kind;

class AboutBoxTest : public app_test::ProgramTest {};

TEST_F(AboutBoxTest, OpensCentredOnTheMainWindowAndShowsTheVersion) {
  Run([&] {
    MainForm->SetBounds(100, 50, 400, 370);
    const int components = MainForm->ComponentCount();
    backend_.AnswerModal([&](ui::TForm& form) {
      auto& box = dynamic_cast<TAboutForm&>(form);
      EXPECT_EQ(box.Owner(), MainForm);
      EXPECT_EQ(AboutForm, nullptr);
      EXPECT_EQ(box.BorderStyle(), ui::bsNone);
      EXPECT_EQ(box.FormStyle(), ui::fsStayOnTop);
      EXPECT_EQ(box.ClientWidth(), 231);
      EXPECT_EQ(box.ClientHeight(), 145);
      EXPECT_EQ(box.Left(), 100 + (400 - 231) / 2);
      EXPECT_EQ(box.Top(), 50 + (370 - 145) / 2);
      EXPECT_EQ(box.TitlePanel->Caption(), "Plyfix");
      EXPECT_EQ(box.VerLabel->Caption(), "V e r .  1 . 1 . 0 ");
      EXPECT_EQ(box.GroupBox1->Caption(), u8"著作権など"_sj);
      EXPECT_EQ(box.UrlLabel->Hint(), u8"作者のWebページに移動"_sj);
      EXPECT_EQ(box.MailLabel->Hint(), u8"メール待ってます！"_sj);
      EXPECT_EQ(box.UrlLabel->Cursor(), ui::crHandPoint);
      return ui::mrCancel;
    });
    MainForm->About1->Click();
    EXPECT_EQ(MainForm->ComponentCount(), components);
  });
  EXPECT_EQ(backend_.Transcript().at(0).text, "AboutForm");
  EXPECT_EQ(backend_.Transcript().at(0).caption, u8"Plyfix について"_sj);
}

TEST_F(AboutBoxTest, TheMakerLineSwitchesTheCueCommandWhenTheBoxCloses) {
  struct Case {
    bool enabled_before;
    int clicks;
    std::string closer;
    bool enabled_after;
  };
  const std::vector<Case> cases = {
      {false, 0, "TitlePanel", false}, {false, 1, "VerLabel", true}, {true, 1, "GroupBox1", false},
      {true, 2, "StaticText1", true},  {false, 2, "Label1", false},  {true, 0, "Label2", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.closer);
    Run([&] {
      MainForm->C2->SetEnabled(c.enabled_before);
      backend_.AnswerModal([&](ui::TForm& form) -> int {
        auto& box = dynamic_cast<TAboutForm&>(form);
        EXPECT_EQ(box.LabelTC->Font().Color(), c.enabled_before ? ui::clRed : ui::clMaroon);
        for (int i = 0; i < c.clicks; ++i) {
          box.LabelTC->Click();
          EXPECT_EQ(box.ModalResult(), ui::mrNone);
        }
        EXPECT_EQ(MainForm->C2->Enabled(), c.enabled_before);
        auto* closer = dynamic_cast<ui::TControl*>(box.FindComponent(c.closer));
        EXPECT_NE(closer, nullptr);
        if (closer != nullptr) closer->Click();
        EXPECT_EQ(box.ModalResult(), ui::mrCancel);
        return ui::mrNone;
      });
      MainForm->About1->Click();
      EXPECT_EQ(MainForm->C2->Enabled(), c.enabled_after);
    });
    ui::Application().Reset();
  }
}

TEST_F(AboutBoxTest, LinksLightUpWhilePressedAndOpenThroughTheDesktop) {
  Run([&] {
    backend_.AnswerModal([&](ui::TForm& form) {
      auto& box = dynamic_cast<TAboutForm&>(form);
      for (ui::TLabel* link : {box.UrlLabel, box.MailLabel}) {
        SCOPED_TRACE(link->Name());
        EXPECT_EQ(link->Font().Color(), ui::clBlue);
        EXPECT_TRUE(link->Font().Underline());
        link->MouseDown(ui::mbLeft, 0, 1, 1);
        EXPECT_EQ(link->Font().Color(), ui::clRed);
        link->MouseUp(ui::mbLeft, 0, 1, 1);
        EXPECT_EQ(link->Font().Color(), ui::clBlue);
        link->Click();
        EXPECT_EQ(box.ModalResult(), ui::mrNone);
      }
      EXPECT_EQ(backend_.Transcript().back().text, "mailto:" + box.MailLabel->Caption());
      EXPECT_EQ(backend_.Transcript().end()[-2].text, box.UrlLabel->Caption() + "/");
      box.FormClick(&box);
      return ui::mrNone;
    });
    MainForm->About1->Click();
  });
  const auto& transcript = backend_.Transcript();
  ASSERT_EQ(transcript.size(), 3u);
  EXPECT_EQ(transcript[1].kind, Kind::ShellOpen);
  EXPECT_EQ(transcript[1].text, "https://plyfix.example.org/");
  EXPECT_EQ(transcript[2].kind, Kind::ShellOpen);
  EXPECT_EQ(transcript[2].text, "mailto:plyfix@example.org");
}

}  // namespace
