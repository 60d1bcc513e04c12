// The program's start and end, the main window's face after the first start,
// its menu, the help items and the exit command.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/help_file.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "tests/app/program_fixture.h"

namespace {

using app_test::ProgramTest;
using Kind = ui::ScriptedBackend::Entry::Kind;

TEST_F(ProgramTest, FirstStartShowsTheDefaults) {
  const int exit_code = Run([] {
    EXPECT_EQ(ui::Application().Title(), "Plyfix");
    EXPECT_EQ(ui::Application().HelpFile(), kHelpFilePath);
    EXPECT_EQ(ui::Application().MainForm(), MainForm);
    EXPECT_EQ(MainForm->Caption(), "Plyfix ver.1.1.0");
    ASSERT_NE(MainForm->FullPaths, nullptr);
    ASSERT_NE(MainForm->WorkLines, nullptr);
    ASSERT_NE(MainForm->CueLines, nullptr);

    EXPECT_EQ(MainForm->BoundsRect(), (ui::TRect{10, 10, 372, 380}));
    EXPECT_EQ(MainForm->Constraints(), (ui::TSizeConstraints{256, 370, 0, 370}));
    const int client_width = MainForm->ClientWidth();
    EXPECT_EQ(MainForm->Panel1->BoundsRect(),
              (ui::TRect{0, 0, client_width - 170, MainForm->ClientHeight()}));
    EXPECT_EQ(MainForm->Panel2->Left(), client_width - 170);
    EXPECT_EQ(MainForm->RadioGroup1->BoundsRect(), (ui::TRect{0, 27, 170, 76}));
    EXPECT_EQ(MainForm->GroupBox1->Top(), 76);
    EXPECT_EQ(MainForm->GroupBox1->Height(), MainForm->Panel2->Height() - 76);

    EXPECT_TRUE(LogForm->Visible());
    EXPECT_EQ(LogForm->BoundsRect(), (ui::TRect{372, 10, 612, 380}));
    EXPECT_EQ(LogForm->LogText->Hint(), platform::DataDir() + "PFlog.txt");

    EXPECT_TRUE(MainForm->LogButton->Down());
    EXPECT_EQ(MainForm->LogButton->Caption(), u8"ログを隠す"_sj);
    EXPECT_TRUE(MainForm->ShowFullPath);
    EXPECT_EQ(MainForm->PathButton->Caption(), u8"フルPath表示"_sj);
    EXPECT_FALSE(MainForm->C2->Enabled());

    EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(MainForm->GroupBox1->Visible());
    EXPECT_EQ(MainForm->GroupBox1->Caption(), u8"文字列の追加"_sj);
    EXPECT_TRUE(MainForm->RadioGroup2->Visible());
    EXPECT_TRUE(MainForm->CheckBox1->Visible());
    EXPECT_FALSE(MainForm->Label2->Visible());
    EXPECT_FALSE(MainForm->Edit2->Visible());
    EXPECT_FALSE(MainForm->Edit3->Visible());
    EXPECT_FALSE(MainForm->PanelPatch->Visible());
  });
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(MainForm->FullPaths, nullptr);
  EXPECT_EQ(MainForm->WorkLines, nullptr);
  EXPECT_EQ(MainForm->CueLines, nullptr);
}

TEST_F(ProgramTest, AnOperationOutOfRangeIsBroughtIntoRangeAndStoredAsSelected) {
  struct Case {
    int stored;
    int selected;
    std::string caption;
  };
  for (const Case& c : std::vector<Case>{{5, 2, u8"文字列の削除"_sj}, {-3, -1, ""}}) {
    SCOPED_TRACE(c.stored);
    Run([&] {
      MainForm->RadioGroup1->SetItemIndex(c.stored);
      MainForm->RadioGroup1Click(MainForm->RadioGroup1);
      EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), c.selected);
      EXPECT_EQ(MainForm->GroupBox1->Caption(), c.caption);
      EXPECT_TRUE(MainForm->GroupBox1->Visible());
    });
    EXPECT_EQ(MainForm->WorkingMode, c.selected);
    ui::Application().Reset();
  }
}

TEST_F(ProgramTest, TheMenuHoldsEveryCommand) {
  struct Item {
    ui::TMenuItem* TMainForm::*item;
    std::string caption;
    ui::TShortCut short_cut;
  };
  struct Menu {
    ui::TMenuItem* TMainForm::*menu;
    std::string caption;
    int group;
    std::vector<Item> items;
  };
  const std::vector<Menu> menus = {
      {&TMainForm::File2,
       u8"ファイル(&F)"_sj,
       0,
       {{&TMainForm::A1, u8"ファイル追加(&A)"_sj, 16449},
        {&TMainForm::F1, u8"フォルダ追加(&F)"_sj, 16454},
        {&TMainForm::N3, "-", 0},
        {&TMainForm::C2, u8"キューファイルの読み込み(&C)"_sj, 0},
        {&TMainForm::N4, "-", 0},
        {&TMainForm::Exit1, u8"終了(&X)"_sj, 0}}},
      {&TMainForm::Edit4,
       u8"編集(&E)"_sj,
       0,
       {{&TMainForm::Delete1, u8"選択ファイルをリストから削除(&D)"_sj, 46},
        {&TMainForm::C1, u8"リストのクリア(&C)"_sj, 8238},
        {&TMainForm::N2, "-", 0},
        {&TMainForm::L1, u8"ログのクリア(&L)"_sj, 16430}}},
      {&TMainForm::S1,
       u8"設定(&S)"_sj,
       0,
       {{&TMainForm::P1, u8"一般設定(&S)"_sj, 0},
        {&TMainForm::P2, u8"ファイルの取り扱い(&F)"_sj, 0}}},
      {&TMainForm::Help1,
       u8"ヘルプ(&H)"_sj,
       1,
       {{&TMainForm::Contents1, u8"目次(&C)"_sj, 0},
        {&TMainForm::R1, u8"お読みください(&R)"_sj, 0},
        {&TMainForm::N1, "-", 0},
        {&TMainForm::About1, u8"バージョン情報(&A)..."_sj, 0}}},
  };
  Run([&] {
    ASSERT_EQ(MainForm->Menu(), MainForm->MainMenu1);
    const ui::TMenuItem& bar = MainForm->MainMenu1->Items();
    ASSERT_EQ(bar.Count(), static_cast<int>(menus.size()));
    for (int m = 0; m < bar.Count(); ++m) {
      const Menu& expected = menus[m];
      ui::TMenuItem* menu = MainForm->*expected.menu;
      SCOPED_TRACE(menu->Name());
      EXPECT_EQ(bar.Items(m), menu);
      EXPECT_EQ(menu->Caption(), expected.caption);
      EXPECT_EQ(menu->GroupIndex(), expected.group);
      ASSERT_EQ(menu->Count(), static_cast<int>(expected.items.size()));
      for (int i = 0; i < menu->Count(); ++i) {
        ui::TMenuItem* item = MainForm->*expected.items[i].item;
        SCOPED_TRACE(item->Name());
        EXPECT_EQ(menu->Items(i), item);
        EXPECT_EQ(item->Caption(), expected.items[i].caption);
        EXPECT_EQ(item->ShortCut(), expected.items[i].short_cut);
        EXPECT_EQ(item->Enabled(), item != MainForm->C2);
      }
    }
  });
}

TEST_F(ProgramTest, HelpItemsHandTheFixedHelpFileAndTheirCommand) {
  Run([] {
    MainForm->Contents1->Click();
    MainForm->R1->Click();
  });
  const auto& transcript = backend_.Transcript();
  ASSERT_EQ(transcript.size(), 2u);
  const unsigned commands[] = {11, 3};
  for (std::size_t i = 0; i < transcript.size(); ++i) {
    EXPECT_EQ(transcript[i].kind, Kind::Help);
    EXPECT_EQ(transcript[i].text, kHelpFilePath);
    EXPECT_EQ(transcript[i].flags, commands[i]);
    EXPECT_EQ(transcript[i].data, 0);
  }
}

TEST_F(ProgramTest, ExitClosesTheMainWindowOnceAndEndsTheLoop) {
  Run([] {
    MainForm->RadioGroup1->ClickItem(1);
    MainForm->Exit1->Click();
    EXPECT_TRUE(ui::Application().Terminated());
    EXPECT_EQ(MainForm->FullPaths, nullptr);
    EXPECT_EQ(MainForm->WorkingMode, 1);
    MainForm->WorkingMode = 7;
  });
  EXPECT_EQ(MainForm->WorkingMode, 7);
}

TEST_F(ProgramTest, AnErrorEscapingTheStartIsShownAndTheExitCodeIsZero) {
  const int exit_code = Run([] { throw platform::EFOpenError("x.txt"); });
  EXPECT_EQ(exit_code, 0);
  ASSERT_EQ(backend_.Transcript().size(), 1u);
  const auto& shown = backend_.Transcript()[0];
  EXPECT_EQ(shown.kind, Kind::MessageBox);
  EXPECT_EQ(shown.caption, "Plyfix");
  EXPECT_EQ(shown.text, u8"ファイル x.txt は開けません."_sj);
  EXPECT_EQ(shown.Icon(), ui::MB_ICONSTOP);
}

}  // namespace
