// The preferences dialog, opened from the menu of the running program and
// driven through its controls by the scripted backend.

#include "settings/Pfpref.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "settings/extension_list.h"
#include "tests/app/program_fixture.h"

namespace {

using Kind = ui::ScriptedBackend::Entry::Kind;
using Strings = std::vector<std::string>;

TEST(ExtensionListTest, SplitsAtEveryCommaAndJoinsBack) {
  const struct {
    const char* list;
    Strings pieces;
  } cases[] = {
      {"exe,com,dll", {"exe", "com", "dll"}},
      {"", {""}},
      {"htm", {"htm"}},
      {"a,,b", {"a", "", "b"}},
      {",txt", {"", "txt"}},
      {"exe,", {"exe", ""}},
      {" .TXT ,x", {" .TXT ", "x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitExtensionList(c.list), c.pieces) << c.list;
    EXPECT_EQ(JoinExtensionList(c.pieces), c.list);
  }
  EXPECT_EQ(JoinExtensionList({}), "");
}

class PrefFormTest : public app_test::ProgramTest {
 protected:
  // Opens the preferences through a menu item; script acts on the dialog and may
  // close it, else "閉じる" closes it.
  void OpenPreferences(ui::TMenuItem* item, std::function<void(TPrefForm&)> script) {
    backend_.AnswerModal([script = std::move(script)](ui::TForm& form) {
      auto& dialog = dynamic_cast<TPrefForm&>(form);
      script(dialog);
      if (dialog.ModalResult() == ui::mrNone) dialog.Button1->Click();
      return ui::mrNone;
    });
    item->Click();
  }

  // Ends a run for the next one to start afresh: no settings file, an empty transcript.
  void StartAfresh() {
    ui::Application().Reset();
    std::filesystem::remove(folder_.Path("Plyfix.ini"));
    backend_.ClearTranscript();
  }

  // The enabled states of the controls that the four check boxes govern.
  static std::vector<bool> Governed(const TPrefForm& d) {
    return {d.ComboExt->Enabled(),       d.ButtonAdd->Enabled(),      d.ButtonDel->Enabled(),
            d.ButtonReset->Enabled(),    d.ComboExtOk->Enabled(),     d.ButtonAddOk->Enabled(),
            d.ButtonDelOk->Enabled(),    d.ButtonResetOk->Enabled(),  d.RBSelfDir->Enabled(),
            d.RBSelectedDir->Enabled(),  d.BUfolder->Enabled(),       d.Button2->Enabled(),
            d.RadioButtonD2U->Enabled(), d.RadioButtonU2D->Enabled(), d.PanelSize->Visible()};
  }
};

TEST_F(PrefFormTest, EachMenuItemOpensItsPageBesideTheMainWindow) {
  Run([&] {
    const int components = MainForm->ComponentCount();
    MainForm->SetBounds(100, 200, 400, 370);
    for (auto [item, page] : {std::pair{MainForm->P1, 0}, std::pair{MainForm->P2, 1}}) {
      OpenPreferences(item, [&, page = page](TPrefForm& d) {
        EXPECT_EQ(d.Owner(), MainForm);
        EXPECT_EQ(d.Caption(), u8"設定"_sj);
        EXPECT_EQ(d.ClientWidth(), 322);
        EXPECT_EQ(d.ClientHeight(), 286);
        EXPECT_EQ(d.Left(), 180);
        EXPECT_EQ(d.Top(), 250);
        EXPECT_EQ(d.PageControl1->ActivePageIndex(), page);
        EXPECT_EQ(d.TabSheet1->Caption(), u8"一般設定"_sj);
        EXPECT_EQ(d.TabSheet2->Caption(), u8"ファイルの取り扱い"_sj);
      });
    }
    EXPECT_EQ(PrefForm, nullptr);
    EXPECT_EQ(MainForm->ComponentCount(), components) << "each dialog is freed after use";
  });
  const auto& t = backend_.Transcript();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].kind, Kind::ModalForm);
  EXPECT_EQ(t[0].caption, u8"設定"_sj);
}

// The members go into the controls before the dialog shows, and come back
// unchanged from a dialog closed without a change.
TEST_F(PrefFormTest, CopyInShowsTheMembersAndCopyBackKeepsThem) {
  Run([&] {
    TMainForm& m = *MainForm;
    m.AlwaysConfirm = true;
    m.Backup = false;
    m.CapIgnore = false;
    m.LogEnabled = 1;
    m.LogDownToUp = false;
    m.LogSize = 300;
    m.BUPlace = 5;
    m.BUFolder = "/srv/bak/";
    m.ProhibSys = false;
    m.ProhibHid = true;
    m.Prohibit = false;
    m.Allow = true;
    m.ReadOnlyMode = 1;
    m.ProhibitTypes = "exe,,com";
    m.AllowTypes = "";
    m.SubDir = false;
    OpenPreferences(m.P1, [](TPrefForm& d) {
      EXPECT_TRUE(d.CheckBox1->Checked());
      EXPECT_FALSE(d.CheckBox2->Checked());
      EXPECT_FALSE(d.CheckBox4->Checked());
      EXPECT_TRUE(d.CheckBoxLog->Checked());
      EXPECT_TRUE(d.RadioButtonU2D->Checked());
      EXPECT_FALSE(d.RadioButtonD2U->Checked());
      EXPECT_EQ(d.UpDownLogSize->Position(), 300);
      EXPECT_EQ(d.EditSize->Text(), "300");
      EXPECT_TRUE(d.RBSelectedDir->Checked());
      EXPECT_FALSE(d.RBSelfDir->Checked());
      EXPECT_EQ(d.BUfolder->Text(), "/srv/bak/");
      EXPECT_FALSE(d.CheckSys->Checked());
      EXPECT_TRUE(d.CheckHid->Checked());
      EXPECT_FALSE(d.CheckExt->Checked());
      EXPECT_TRUE(d.CheckExtOk->Checked());
      EXPECT_EQ(d.GroupReadOnly->ItemIndex(), 1);
      EXPECT_EQ(d.ComboExt->Items().ToVector(), (Strings{"exe", "", "com"}));
      EXPECT_EQ(d.ComboExt->Text(), "");
      EXPECT_EQ(d.ComboExtOk->Items().ToVector(), Strings{""});
      EXPECT_FALSE(d.CheckBoxSubDir->Checked());
      // The enable rules ran on show.
      EXPECT_EQ(Governed(d), (std::vector<bool>{false, false, false, false, true, true, true, true,
                                                false, false, false, false, true, true, true}));
    });
    EXPECT_TRUE(m.AlwaysConfirm);
    EXPECT_FALSE(m.Backup);
    EXPECT_FALSE(m.CapIgnore);
    EXPECT_EQ(m.LogEnabled, 1);
    EXPECT_FALSE(m.LogDownToUp);
    EXPECT_EQ(m.LogSize, 300);
    EXPECT_EQ(LogForm->LogText->MaxLength(), 300u * 1024);
    EXPECT_EQ(m.BUPlace, 1) << "any nonzero place comes back as 1";
    EXPECT_EQ(m.BUFolder, "/srv/bak/");
    EXPECT_FALSE(m.ProhibSys);
    EXPECT_TRUE(m.ProhibHid);
    EXPECT_FALSE(m.Prohibit);
    EXPECT_TRUE(m.Allow);
    EXPECT_EQ(m.ReadOnlyMode, 1);
    EXPECT_EQ(m.ProhibitTypes, "exe,,com");
    EXPECT_EQ(m.AllowTypes, "");
    EXPECT_FALSE(m.SubDir);
  });
}

// Whatever the controls hold is taken over, whether "閉じる" or the close box
// ends the dialog; the enable rules follow each check box as it changes.
TEST_F(PrefFormTest, ChangesAreTakenOverByEitherWayOfClosing) {
  for (const bool close_box : {false, true}) {
    SCOPED_TRACE(close_box ? "close box" : "closing button");
    Run([&] {
      TMainForm& m = *MainForm;
      OpenPreferences(m.P2, [&](TPrefForm& d) {
        EXPECT_EQ(Governed(d),
                  (std::vector<bool>{true, true, true, true, false, false, false, false, true, true,
                                     true, true, true, true, true}));
        d.CheckBox1->Click();
        d.RBSelectedDir->Click();
        d.CheckBox2->Click();
        d.CheckBox4->Click();
        d.RadioButtonU2D->Click();
        d.UpDownLogSize->Click(ui::btPrev);
        d.CheckBoxLog->Click();
        d.CheckSys->Click();
        d.CheckHid->Click();
        d.CheckExt->Click();
        d.CheckExtOk->Click();
        d.GroupReadOnly->ClickItem(2);
        d.CheckBoxSubDir->Click();
        EXPECT_EQ(Governed(d),
                  (std::vector<bool>{false, false, false, false, true, true, true, true, false,
                                     false, false, false, false, false, false}));
        if (close_box) d.Close();
      });
      EXPECT_TRUE(m.AlwaysConfirm);
      EXPECT_FALSE(m.Backup);
      EXPECT_FALSE(m.CapIgnore);
      EXPECT_EQ(m.LogEnabled, 0);
      EXPECT_FALSE(m.LogDownToUp);
      EXPECT_EQ(m.LogSize, 63);
      EXPECT_EQ(LogForm->LogText->MaxLength(), 63u * 1024);
      EXPECT_EQ(m.BUPlace, 1);
      EXPECT_EQ(m.BUFolder, platform::DataDir()) << "stored even with backups off";
      EXPECT_FALSE(m.ProhibSys);
      EXPECT_TRUE(m.ProhibHid);
      EXPECT_FALSE(m.Prohibit);
      EXPECT_TRUE(m.Allow);
      EXPECT_EQ(m.ReadOnlyMode, 2);
      EXPECT_FALSE(m.SubDir);
    });
    StartAfresh();
  }
}

// Values that only a hand-edited file can hold are shown and taken back within
// the controls' ranges.
TEST_F(PrefFormTest, OutOfRangeValuesAreShownAndTakenBackInRange) {
  const struct {
    int log_size;
    std::string shown;
    int log_size_back;
    std::size_t cap;
    int read_only;
    int read_only_back;
  } cases[] = {
      {1, "1", 1, 1024, 0, 0},    {32767, "32767", 32767, 33553408, 2, 2}, {0, "1", 1, 1024, 5, 2},
      {-4, "1", 1, 1024, -3, -1}, {40000, "32767", 32767, 33553408, 3, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log_size);
    Run([&] {
      TMainForm& m = *MainForm;
      m.LogSize = c.log_size;
      m.ReadOnlyMode = c.read_only;
      OpenPreferences(m.P1, [&](TPrefForm& d) {
        EXPECT_EQ(d.EditSize->Text(), c.shown);
        EXPECT_EQ(d.GroupReadOnly->ItemIndex(), c.read_only_back);
      });
      EXPECT_EQ(m.LogSize, c.log_size_back);
      EXPECT_EQ(LogForm->LogText->MaxLength(), c.cap);
      EXPECT_EQ(m.ReadOnlyMode, c.read_only_back);
    });
    StartAfresh();
  }
}

// Both extension rows: add by button or Enter, ignore empty and duplicate text,
// delete with or without the question, reset after the question.
TEST_F(PrefFormTest, BothExtensionRowsAddDeleteAndReset) {
  struct Row {
    const char* name;
    ui::TComboBox* TPrefForm::*combo;
    ui::TButton* TPrefForm::*add;
    ui::TButton* TPrefForm::*del;
    ui::TButton* TPrefForm::*reset;
    std::string question;
    std::string TMainForm::*member;
    Strings defaults;
  };
  const std::vector<Row> rows = {
      {"refused", &TPrefForm::ComboExt, &TPrefForm::ButtonAdd, &TPrefForm::ButtonDel,
       &TPrefForm::ButtonReset, u8"禁止拡張子を初期設定に戻していいですか?"_sj,
       &TMainForm::ProhibitTypes,
       Strings{"exe", "com", "dll", "ocx", "vxd", "lzh", "zip", "cab", "rar", "lnk"}},
      {"admitted", &TPrefForm::ComboExtOk, &TPrefForm::ButtonAddOk, &TPrefForm::ButtonDelOk,
       &TPrefForm::ButtonResetOk, u8"許可拡張子を初期設定に戻していいですか?"_sj,
       &TMainForm::AllowTypes, Strings{"html", "htm", "cgi", "pl", "shtml"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Run([&] {
      TMainForm& m = *MainForm;
      m.Prohibit = true;
      m.Allow = true;
      m.AlwaysConfirm = true;
      m.*row.member = "htm,exe";
      OpenPreferences(m.P2, [&](TPrefForm& d) {
        ui::TComboBox& combo = *(d.*row.combo);
        ui::TButton& add = *(d.*row.add);
        // Enter adds at the end and selects the text for the next one.
        combo.TypeText("txt");
        EXPECT_EQ(combo.KeyDown(13, ui::ssShift), 13);
        EXPECT_EQ(combo.Items().ToVector(), (Strings{"htm", "exe", "txt"}));
        EXPECT_EQ(combo.Text(), "txt");
        EXPECT_EQ(combo.SelStart(), 0);
        EXPECT_EQ(combo.SelLength(), 3);
        for (const char* ignored : {"HTM", "", "Txt"}) {
          combo.TypeText(ignored);
          add.Click();
        }
        combo.TypeText(".txt");
        add.Click();
        EXPECT_EQ(combo.Items().ToVector(), (Strings{"htm", "exe", "txt", ".txt"}));

        // Delete asks while "確認のダイアログを常に表示する" is ticked.
        combo.TypeText("HTM");
        backend_.AnswerMessage(ui::IDNO);
        (d.*row.del)->Click();
        EXPECT_EQ(combo.Items().Count(), 4);
        backend_.AnswerMessage(ui::IDYES);
        (d.*row.del)->Click();
        EXPECT_EQ(combo.Items().ToVector(), (Strings{"exe", "txt", ".txt"}));
        EXPECT_EQ(combo.Text(), "HTM");
        d.CheckBox1->Click();
        combo.TypeText("exe");
        (d.*row.del)->Click();
        combo.TypeText("zzz");
        (d.*row.del)->Click();
        EXPECT_EQ(combo.Items().ToVector(), (Strings{"txt", ".txt"}));
        // Reset asks even without confirmations.
        backend_.AnswerMessage(ui::IDNO);
        (d.*row.reset)->Click();
        EXPECT_EQ(combo.Items().Count(), 2);
        backend_.AnswerMessage(ui::IDYES);
        (d.*row.reset)->Click();
        EXPECT_EQ(combo.Items().ToVector(), row.defaults);
        EXPECT_EQ(combo.Text(), "");
        combo.TypeText("php");
        add.Click();
      });
      Strings expected = row.defaults;
      expected.push_back("php");
      EXPECT_EQ(m.*row.member, JoinExtensionList(expected));
    });
    const auto& t = backend_.Transcript();
    ASSERT_EQ(t.size(), 5u);
    for (int i : {1, 2}) {
      EXPECT_EQ(t[i].text, u8"拡張子 .HTMを書き換えファイルの対象から外します."_sj);
      EXPECT_EQ(t[i].caption, u8"確認っす"_sj);
      EXPECT_EQ(t[i].flags, ui::MB_YESNO);
    }
    for (int i : {3, 4}) {
      EXPECT_EQ(t[i].text, row.question);
      EXPECT_EQ(t[i].caption, u8"確認っす"_sj);
      EXPECT_EQ(t[i].flags, ui::MB_YESNO);
    }
    StartAfresh();
  }
}

TEST_F(PrefFormTest, AnEmptiedListComesBackAsOneEmptyItem) {
  Run([&] {
    TMainForm& m = *MainForm;
    m.ProhibitTypes = "exe,com";
    OpenPreferences(m.P2, [](TPrefForm& d) {
      for (const char* extension : {"com", "exe"}) {
        d.ComboExt->TypeText(extension);
        d.ButtonDel->Click();
      }
      EXPECT_EQ(d.ComboExt->Items().Count(), 0);
    });
    EXPECT_EQ(m.ProhibitTypes, "");
    OpenPreferences(m.P2, [](TPrefForm& d) {
      EXPECT_EQ(d.ComboExt->Items().ToVector(), Strings{""});
      d.ComboExt->TypeText("txt");
      d.ButtonAdd->Click();
    });
    EXPECT_EQ(m.ProhibitTypes, ",txt");
  });
}

TEST_F(PrefFormTest, AllFileKindsClearsTheFourAdmissionChecksOnly) {
  Run([&] {
    TMainForm& m = *MainForm;
    m.ProhibSys = m.ProhibHid = m.Prohibit = m.Allow = m.SubDir = true;
    OpenPreferences(m.P2, [](TPrefForm& d) {
      d.ButtonAll->Click();
      EXPECT_FALSE(d.ComboExt->Enabled());
      EXPECT_FALSE(d.ButtonResetOk->Enabled());
    });
    EXPECT_FALSE(m.ProhibSys || m.ProhibHid || m.Prohibit || m.Allow);
    EXPECT_TRUE(m.SubDir);
    EXPECT_EQ(m.ProhibitTypes, "exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk");
    EXPECT_EQ(m.AllowTypes, "html,htm,cgi,pl,shtml");
  });
}

// The folder button shows the chosen folder with a separator appended; a
// cancelled browser (or a result of two characters or less) changes nothing.
TEST_F(PrefFormTest, TheFolderButtonTakesTheBrowsersChoice) {
  Run([&] {
    TMainForm& m = *MainForm;
    m.BUFolder = "/old/";
    OpenPreferences(m.P1, [&](TPrefForm& d) {
      for (const char* answer : {"", "/a"}) {
        backend_.AnswerFolder(answer);
        d.Button2->Click();
        EXPECT_EQ(d.BUfolder->Text(), "/old/");
      }
      backend_.AnswerFolder(u8"/srv/バックアップ"_sj);
      d.Button2->Click();
      EXPECT_EQ(d.BUfolder->Text(), u8"/srv/バックアップ/"_sj);
    });
    EXPECT_EQ(m.BUFolder, u8"/srv/バックアップ/"_sj);
  });
  ASSERT_GE(backend_.Transcript().size(), 2u);
  const auto& browse = backend_.Transcript()[1];
  EXPECT_EQ(browse.kind, Kind::BrowseFolder);
  EXPECT_EQ(browse.caption, u8"設定"_sj) << "the dialog owns the browser";
  EXPECT_EQ(browse.text, u8"フォルダを選んでください."_sj);
}

TEST_F(PrefFormTest, ControlsCarryTheirCaptionsAndHints) {
  Run([&] {
    OpenPreferences(MainForm->P1, [](TPrefForm& d) {
      EXPECT_EQ(d.Button1->Caption(), u8"閉じる"_sj);
      EXPECT_EQ(d.PanelSize->Caption(), u8" ログファイルの最大サイズ"_sj);
      EXPECT_EQ(d.PanelSize->Hint(), u8"ログ記録する\"PFlog.txt\"の最大サイズを指定します"_sj);
      EXPECT_EQ(d.EditSize->MaxLength(), 4);
      EXPECT_EQ(d.UpDownLogSize->Min(), 1);
      EXPECT_EQ(d.UpDownLogSize->Max(), 32767);
      EXPECT_TRUE(d.BUfolder->ReadOnly());
      EXPECT_EQ(d.GroupReadOnly->Items().ToVector(),
                (Strings{u8"書き換えない (初期設定)"_sj, u8"属性を解除して書き換え"_sj,
                         u8"書き換えた後属性を元に戻す"_sj}));
      EXPECT_EQ(d.CheckHid->Hint(),
                u8"「隠しファイル｣属性のついたファイルはリストに追加しません"_sj);
      EXPECT_EQ(d.ComboExtOk->Hint(), "");
    });
  });
}

}  // namespace

namespace {

class PrefLogTest : public PrefFormTest {
 protected:
  std::string LogPath() const { return folder_.Path("PFlog.txt"); }
};

// With logging on, the log is saved as the dialog opens and read back from the
// file when it closes; with logging switched on in the dialog and no log file,
// the file is made from the window's text.
TEST_F(PrefLogTest, TheLogIsSavedBeforeAndReloadedAfter) {
  const struct {
    const char* name;
    bool log_before;
    bool log_after;
    bool file_before;
    Strings window_after;
    std::string file_after;
  } cases[] = {
      {"on before and after", true, true, true, {"edited"}, "edited\r\n"},
      {"switched off", true, false, true, {"a", "b"}, "edited\r\n"},
      {"switched on, no log file", false, true, false, {"a", "b"}, "a\r\nb\r\n"},
      {"switched on, a log file", false, true, true, {"old"}, "old\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Run([&] {
      TMainForm& m = *MainForm;
      std::filesystem::remove(LogPath());
      if (c.file_before) platform_test::Spill(LogPath(), "old\r\n");
      m.LogEnabled = c.log_before;
      LogForm->LogText->Lines().Assign({"a", "b"});
      OpenPreferences(m.P1, [&](TPrefForm& d) {
        if (c.log_before) {
          EXPECT_EQ(platform_test::Slurp(LogPath()), "a\r\nb\r\n");
          platform_test::Spill(LogPath(), "edited\r\n");
        }
        if (c.log_before != c.log_after) d.CheckBoxLog->Click();
      });
      EXPECT_EQ(LogForm->LogText->Lines().ToVector(), c.window_after);
      EXPECT_EQ(platform_test::Slurp(LogPath()), c.file_after);
      m.LogEnabled = 0;  // the close leaves the file as the dialog left it
    });
    StartAfresh();
  }
}

// Real files, except that the log file cannot be written.
class RefusingLogWrites : public platform::FileService {
 public:
  bool WriteFile(const std::string& path, std::string_view content) override {
    return !path.ends_with("PFlog.txt") && platform::FileService::WriteFile(path, content);
  }
};

TEST_F(PrefLogTest, ALogThatCannotBeSavedKeepsTheDialogClosed) {
  RefusingLogWrites files;
  platform::ScopedFileService scope(files);
  Run([&] {
    backend_.ClearTranscript();
    MainForm->LogSize = 5;
    MainForm->P1->Click();
    EXPECT_EQ(MainForm->LogSize, 5);
    EXPECT_EQ(LogForm->LogText->MaxLength(), 64u * 1024);
    const auto& t = backend_.Transcript();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].kind, Kind::MessageBox);
    EXPECT_EQ(t[0].text, u8"ファイル "_sj + LogPath() + u8" を作成できません."_sj);
    EXPECT_EQ(t[0].flags, ui::MB_OK | ui::MB_ICONSTOP);
  });
}

// Real files, except that the log file cannot be read once the dialog has opened.
class UnreadableLog : public platform::FileService {
 public:
  bool ReadFile(const std::string& path, std::string& content) override {
    return !(unreadable && path.ends_with("PFlog.txt")) &&
           platform::FileService::ReadFile(path, content);
  }
  bool unreadable = false;
};

TEST_F(PrefLogTest, ALogThatCannotBeReadBackKeepsTheWindowsLinesAndTheNewValues) {
  UnreadableLog files;
  platform::ScopedFileService scope(files);
  Run([&] {
    LogForm->LogText->Lines().Assign({"kept"});
    backend_.ClearTranscript();
    OpenPreferences(MainForm->P1, [&](TPrefForm& d) {
      files.unreadable = true;
      d.UpDownLogSize->Click(ui::btNext);
    });
    EXPECT_EQ(MainForm->LogSize, 65);
    EXPECT_EQ(LogForm->LogText->MaxLength(), 65u * 1024);
    EXPECT_EQ(LogForm->LogText->Lines().ToVector(), Strings{"kept"});
    const auto& t = backend_.Transcript();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].text, u8"ファイル "_sj + LogPath() + u8" は開けません."_sj);
    MainForm->LogEnabled = 0;
  });
}

}  // namespace
