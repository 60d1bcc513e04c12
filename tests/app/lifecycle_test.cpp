// The main window's start and end beyond the first start: paths given to the
// program, closing when saving fails, and an operation stored out of range.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using app_test::ProgramTest;
using Kind = ui::ScriptedBackend::Entry::Kind;
using platform_test::Spill;

// The message boxes of a transcript, as "caption|text".
std::vector<std::string> Messages(const ui::ScriptedBackend& backend) {
  std::vector<std::string> texts;
  for (const auto& entry : backend.Transcript()) {
    if (entry.kind == Kind::MessageBox) texts.push_back(entry.caption + "|" + entry.text);
  }
  return texts;
}

TEST(CommandLinePaths, AreMadeAbsoluteAndTurnedIntoProgramNames) {
  const std::string here = std::filesystem::current_path().string();
  struct Case {
    std::string given;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"/site/index.html", "/site/index.html"},
      {"page.htm", platform::Utf8ToCp932(here + "/page.htm")},
      {"site/", platform::Utf8ToCp932(here + "/site")},
      {"/site/./old/../new//", "/site/new"},
      {"/", "/"},
      {"/サイト/表紙.html", u8"/サイト/表紙.html"_sj},
  };
  std::vector<const char*> argv = {"plyfix"};
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    argv.push_back(c.given.c_str());
    expected.push_back(c.expected);
  }
  argv.push_back("");
  EXPECT_EQ(CommandLinePaths(static_cast<int>(argv.size()), argv.data()), expected);
  EXPECT_TRUE(CommandLinePaths(1, argv.data()).empty());
}

TEST_F(ProgramTest, StartPathsReachTheListAsOneDropAfterTheWindowIsShown) {
  const std::string site = folder_.Path("site");
  std::filesystem::create_directories(site + "/sub");
  Spill(site + "/a.htm", "");
  Spill(site + "/sub/b.htm", "");
  Spill(folder_.Path("c.txt"), "");
  Spill(folder_.Path("tool.exe"), "");
  std::vector<std::string> listed;
  std::string caption;
  backend_.SetSession([&](ui::TForm&) {
    listed = MainForm->FullPaths->Lines();
    caption = MainForm->Caption();
    // Shown again, the window keeps its session and takes no second drop.
    MainForm->ListBox1->SetItemIndex(0);
    MainForm->ListBox1->SetSelected(0, true);
    MainForm->Delete1->Click();
    MainForm->Hide();
    MainForm->Show();
    EXPECT_EQ(MainForm->FullPaths->Count(), 2);
  });
  EXPECT_EQ(PlyfixMain({folder_.Path("c.txt"), site, folder_.Path("tool.exe"),
                        folder_.Path("missing.txt")}),
            0);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0], folder_.Path("c.txt"));
  EXPECT_EQ(caption, "Plyfix ver.1.1.0 - 3 file(s)");
}

TEST_F(ProgramTest, TheStoredStateIsRestoredWhenTheWindowIsShown) {
  struct Case {
    std::string settings;
    bool cue_command;
    std::string path_caption;
    int operation;
  };
  const std::vector<Case> cases = {
      {"[Window]\r\nChange=1\r\nShowFullPath=0\r\n[Setting]\r\nWorkingMode=1\r\n", true,
       u8"Path非表示"_sj, 1},
      {"[Setting]\r\nWorkingMode=7\r\n", false, u8"フルPath表示"_sj, 2},
      {"[Setting]\r\nWorkingMode=-1\r\n", false, u8"フルPath表示"_sj, -1},
      {"[Setting]\r\nWorkingMode=-5\r\n", false, u8"フルPath表示"_sj, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings);
    Spill(platform::DataDir() + "Plyfix.ini", c.settings);
    Run([&] {
      EXPECT_EQ(MainForm->C2->Enabled(), c.cue_command);
      EXPECT_EQ(MainForm->PathButton->Caption(), c.path_caption);
      EXPECT_EQ(MainForm->ShowFullPath, c.path_caption == u8"フルPath表示"_sj);
      EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), c.operation);
      EXPECT_TRUE(MainForm->GroupBox1->Visible());
    });
    EXPECT_EQ(MainForm->WorkingMode, c.operation);
    ui::Application().Reset();
  }
}

TEST_F(ProgramTest, WithNoOperationSelectedTheStartButtonRefusesAndRewritesNothing) {
  const std::string page = folder_.Path("page.htm");
  Spill(page, "text\r\n");
  Spill(platform::DataDir() + "Plyfix.ini", "[Setting]\r\nWorkingMode=-4\r\n");
  Run([&] {
    MainForm->WMDropFiles({page});
    MainForm->Edit1->SetText("text");
    backend_.ClearTranscript();
    MainForm->Button1->Click();
    EXPECT_EQ(LogForm->LogText->Lines().Count(), 3);
  });
  EXPECT_EQ(Messages(backend_),
            (std::vector<std::string>{"Plyfix|" + u8"不正なパラメータです:処理方法"_sj}));
  EXPECT_EQ(platform_test::Slurp(page), "text\r\n");
  EXPECT_EQ(platform_test::Slurp(page + ".bak"), "");
}

// A file service on which every write fails, as on a full or read-only disk.
class NoWrites : public platform::FileService {
 public:
  bool WriteFile(const std::string&, std::string_view) override { return false; }
};

TEST_F(ProgramTest, ClosingRunsEveryStepAndEndsWhenSavingFails) {
  Run([&] {
    MainForm->RadioGroup1->ClickItem(2);
    NoWrites no_writes;
    platform::ScopedFileService failing(no_writes);
    backend_.ClearTranscript();
    MainForm->Exit1->Click();
    EXPECT_TRUE(ui::Application().Terminated());
  });
  EXPECT_EQ(MainForm->WorkingMode, 2);
  EXPECT_EQ(MainForm->FullPaths, nullptr);
  EXPECT_EQ(MainForm->CueLines, nullptr);
  EXPECT_EQ(Messages(backend_),
            (std::vector<std::string>{
                "Plyfix|" + u8"ファイル "_sj + platform::DataDir() + "PFlog.txt" +
                    u8" を作成できません."_sj,
                "Plyfix|" + platform::DataDir() + "Plyfix.ini" + u8" に書き込めません."_sj}));
}

}  // namespace
