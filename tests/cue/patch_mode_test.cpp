// Patch mode through the main window: loading cue files with the C2 command,
// choosing a patch, and leaving patch mode.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using Kind = ui::ScriptedBackend::Entry::Kind;
using platform_test::Spill;

class PatchModeTest : public app_test::ProgramTest {
 protected:
  // Writes a cue file into the test's folder and returns its path.
  std::string Cue(const std::string& name, const std::string& content) {
    const std::string path = folder_.Path(name);
    Spill(path, content);
    return path;
  }

  // Loads path through the enabled C2 command, as the user does.
  void Load(const std::string& path) {
    backend_.AnswerOpenDialog({path});
    MainForm->C2->SetEnabled(true);
    MainForm->C2->Click();
  }

  // A folder of the test's folder holding empty files of the given names.
  std::string Folder(const std::string& name, const std::vector<std::string>& files) {
    const std::string folder = folder_.Path(name);
    for (const std::string& file : files) {
      std::filesystem::create_directories(std::filesystem::path(folder + "/" + file).parent_path());
      Spill(folder + "/" + file, "");
    }
    return folder;
  }

  // Chooses folder (or cancels, when empty) as the document root.
  void ChooseRoot(const std::string& folder) {
    backend_.AnswerFolder(folder);
    MainForm->ButtonAssignFolder->Click();
  }

  // The listed paths, sorted.
  std::vector<std::string> Listed() const {
    std::vector<std::string> paths = MainForm->FullPaths->Lines();
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  std::vector<std::string> Info() const { return MainForm->MemoSite->Items().ToVector(); }

  // The message boxes shown so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& entry : backend_.Transcript()) {
      if (entry.kind == Kind::MessageBox) texts.push_back(entry.text);
    }
    return texts;
  }
};

const std::string kTwoPatches =
    u8"テストサイト\r\nwww.example.org\r\nhtml,htm\r\n年\r\n2025\r\n2026\r\n名前\r\n旧\r\n\r\n"_sj;

TEST_F(PatchModeTest, LoadingACueFileEntersPatchModeWithItsFirstPatch) {
  const std::string path = Cue("site.pfc", kTwoPatches);
  Run([&] {
    MainForm->FullPaths->Add("/listed.html");
    MainForm->ListBox1->Items().Add("/listed.html");
    Load(path);
    const auto& dialog = backend_.Transcript().back();
    EXPECT_EQ(dialog.kind, Kind::OpenDialog);
    EXPECT_EQ(dialog.caption, "Plyfix Cue(*.pfc)|*.pfc");
    EXPECT_TRUE(dialog.flags & ui::ofFileMustExist);

    EXPECT_TRUE(MainForm->PanelPatch->Visible());
    EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), 1);
    EXPECT_TRUE(MainForm->Edit2->Visible());
    EXPECT_EQ(MainForm->ComboBoxPatch->Items().ToVector(),
              (std::vector<std::string>{u8"年"_sj, u8"名前"_sj}));
    EXPECT_EQ(MainForm->ComboBoxPatch->ItemIndex(), 0);
    EXPECT_EQ(MainForm->Edit1->Text(), "2025");
    EXPECT_EQ(MainForm->Edit2->Text(), "2026");
    EXPECT_EQ(Info(), (std::vector<std::string>{
                          u8"サイト: テストサイト"_sj, u8"サーバ: www.example.org"_sj,
                          u8"拡張子: html,htm"_sj, u8"*** 書き換え内容 ***"_sj, "2025", "2026"}));
    EXPECT_EQ(MainForm->FullPaths->Count(), 1);

    // The second patch, with an empty replacement.
    MainForm->ComboBoxPatch->SelectItem(1);
    EXPECT_EQ(MainForm->Edit1->Text(), u8"旧"_sj);
    EXPECT_EQ(MainForm->Edit2->Text(), "");
    EXPECT_EQ(Info()[4], u8"旧"_sj);
    EXPECT_EQ(Info()[5], "");

    // Leaving patch mode keeps everything but the panel.
    MainForm->SpeedButton1->Click();
    EXPECT_FALSE(MainForm->PanelPatch->Visible());
    EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(MainForm->Edit1->Text(), u8"旧"_sj);
    EXPECT_EQ(MainForm->ComboBoxPatch->Items().Count(), 2);
    EXPECT_EQ(MainForm->CueLines->Count(), 9);
    EXPECT_EQ(MainForm->FullPaths->Count(), 1);
  });
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatchModeTest, AFileOfTheWrongLengthIsRejectedAndTheModeStays) {
  const std::vector<std::string> rejected = {"a\r\nb\r\nc\r\n", "a\r\nb\r\nc\r\nd\r\n",
                                             "a\r\nb\r\nc\r\nd\r\ne\r\n",
                                             "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n", ""};
  for (const std::string& content : rejected) {
    SCOPED_TRACE(content);
    backend_.ClearTranscript();
    const std::string path = Cue("bad.pfc", content);
    const std::string good = Cue("good.pfc", kTwoPatches);
    Run([&] {
      MainForm->RadioGroup1->ClickItem(2);
      Load(path);
      EXPECT_FALSE(MainForm->PanelPatch->Visible());
      EXPECT_EQ(MainForm->RadioGroup1->ItemIndex(), 2);

      // In patch mode the panel stays, emptied, and the previous patch's strings stay.
      Load(good);
      Load(path);
      EXPECT_TRUE(MainForm->PanelPatch->Visible());
      EXPECT_EQ(MainForm->ComboBoxPatch->Items().Count(), 0);
      EXPECT_EQ(MainForm->ComboBoxPatch->Text(), "");
      EXPECT_EQ(Info(), std::vector<std::string>(6));
      EXPECT_EQ(MainForm->Edit1->Text(), "2025");
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>(2, u8"データ形式を確認してください."_sj)));
    ui::Application().Reset();
  }
}

TEST_F(PatchModeTest, AFinalLineBreakAddsNoLineAndASecondFileReplacesTheFirst) {
  const std::string first = Cue("one.pfc", kTwoPatches);
  const std::string second = Cue("two.pfc", "s\nv\nhtm\nonly\nfrom\rto");
  Run([&] {
    Load(first);
    Load(second);
    EXPECT_EQ(MainForm->ComboBoxPatch->Items().ToVector(), (std::vector<std::string>{"only"}));
    EXPECT_EQ(MainForm->Edit1->Text(), "from");
    EXPECT_EQ(MainForm->Edit2->Text(), "to");
    EXPECT_EQ(Info()[2], u8"拡張子: htm"_sj);
  });
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatchModeTest, TheDocumentRootListsOnlyTheCueExtensionsUntilPatchModeEnds) {
  const std::string cue = Cue("site.pfc", kTwoPatches);
  const std::string site =
      Folder("site", {"index.HTML", "a.htm", "b.txt", "c.cgi", "sub/d.html", "noext."});
  const std::string other = Folder("other", {"e.htm", "f.txt"});
  Run([&] {
    MainForm->Allow = true;
    MainForm->AllowTypes = "txt,cgi";
    Load(cue);
    ChooseRoot(site);
    EXPECT_EQ(MainForm->EditAssignFolder->Text(), site);
    EXPECT_EQ(Listed(), (std::vector<std::string>{site + "/a.htm", site + "/index.HTML",
                                                  site + "/sub/d.html"}));
    EXPECT_EQ(MainForm->Caption(), "Plyfix ver.1.1.0 - 3 file(s)");

    // A second root adds to the list; a file already listed is refused.
    ChooseRoot(other);
    ChooseRoot(site);
    EXPECT_EQ(MainForm->FullPaths->Count(), 4);

    // A cancelled browser empties the field, adds nothing and still counts.
    MainForm->SetCaption("Plyfix ver.1.1.0");
    ChooseRoot("");
    EXPECT_EQ(MainForm->EditAssignFolder->Text(), "");
    EXPECT_EQ(MainForm->Caption(), "Plyfix ver.1.1.0 - 4 file(s)");

    // Back in normal mode the preferences decide again; listed files stay.
    MainForm->SpeedButton1->Click();
    backend_.AnswerFolder(other);
    MainForm->F1->Click();
    EXPECT_EQ(MainForm->FullPaths->Count(), 5);
    EXPECT_EQ(MainForm->FullPaths->Lines().back(), other + "/f.txt");
  });
}

TEST_F(PatchModeTest, ARejectedFileWithoutAnExtensionLineAdmitsNothingInPatchMode) {
  const std::string good = Cue("good.pfc", kTwoPatches);
  const std::string site = Folder("site", {"a.htm", "noext.", "plain"});
  for (const std::string& content : {std::string("site\r\nserver\r\n"), std::string("")}) {
    SCOPED_TRACE(content);
    const std::string bad = Cue("bad.pfc", content);
    Run([&] {
      Load(good);
      Load(bad);
      ChooseRoot(site);
      EXPECT_EQ(MainForm->FullPaths->Count(), 0);
    });
    ui::Application().Reset();
  }
}

TEST_F(PatchModeTest, ACancelledDialogChangesNothing) {
  Run([&] {
    backend_.CancelOpenDialog();
    MainForm->C2->SetEnabled(true);
    MainForm->C2->Click();
    EXPECT_FALSE(MainForm->PanelPatch->Visible());
    EXPECT_EQ(MainForm->CueLines->Count(), 0);
  });
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
