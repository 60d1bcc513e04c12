// The settings file through the whole program: what a start reads from it and
// what the close writes, key by key.

#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "tests/app/program_fixture.h"

namespace {

using Kind = ui::ScriptedBackend::Entry::Kind;

const char* const kFirstCloseFile =
    "[Window]\r\nTop=10\r\nLeft=10\r\nWidth=362\r\nChange=0\r\nLogTop=10\r\nLogLeft=372\r\n"
    "LogHeight=370\r\nLogWidth=240\r\nLogShow=1\r\nShowFullPath=1\r\n"
    "[Setting]\r\nWorkingMode=0\r\nDialog=0\r\nBackup=1\r\nBUPlace=0\r\nBUFolder=\r\n"
    "CapIgnore=1\r\nLog=1\r\nLogDownToUp=1\r\nLogSize=64\r\n"
    "[Data]\r\nType=exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk\r\nProhibit=1\r\n"
    "AlType=html,htm,cgi,pl,shtml\r\nAllow=0\r\nProhibSys=1\r\nProhibHid=0\r\nReadOnly=0\r\n"
    "SubDir=1\r\n"
    "[Box1]\r\nCount=0\r\n[Box2]\r\nCount=0\r\n";

class SettingsFileTest : public app_test::ProgramTest {
 protected:
  std::string IniPath() const { return folder_.Path("Plyfix.ini"); }
  void WriteIni(const std::string& content) const { platform_test::Spill(IniPath(), content); }
  std::string ReadIni() const { return platform_test::Slurp(IniPath()); }
};

TEST_F(SettingsFileTest, FirstStartGivesEveryDefaultAndTheCloseWritesEveryKeyInOrder) {
  Run([] {
    const TMainForm& m = *MainForm;
    EXPECT_EQ(m.WorkingMode, 0);
    EXPECT_TRUE(m.ShowFullPath);
    EXPECT_FALSE(m.AlwaysConfirm);
    EXPECT_TRUE(m.Backup);
    EXPECT_EQ(m.BUPlace, 0);
    EXPECT_EQ(m.BUFolder, "");
    EXPECT_TRUE(m.CapIgnore);
    EXPECT_EQ(m.LogEnabled, 1);
    EXPECT_TRUE(m.LogDownToUp);
    EXPECT_EQ(m.LogSize, 64);
    EXPECT_TRUE(m.Prohibit);
    EXPECT_EQ(m.ProhibitTypes, "exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk");
    EXPECT_FALSE(m.Allow);
    EXPECT_EQ(m.AllowTypes, "html,htm,cgi,pl,shtml");
    EXPECT_TRUE(m.ProhibSys);
    EXPECT_FALSE(m.ProhibHid);
    EXPECT_EQ(m.ReadOnlyMode, 0);
    EXPECT_TRUE(m.SubDir);
    EXPECT_FALSE(m.C2->Enabled());
    EXPECT_EQ(m.Edit1->Items().Count(), 0);
    EXPECT_EQ(m.Edit2->Items().Count(), 0);
    EXPECT_TRUE(LogForm->Visible());
    EXPECT_EQ(LogForm->LogText->MaxLength(), 64u * 1024);
  });
  EXPECT_EQ(ReadIni(), kFirstCloseFile);
}

// Everything the close stores comes back at the next start, the history strings
// exactly as they were, blanks and quotes included.
TEST_F(SettingsFileTest, EverythingSavedComesBackAtTheNextStart) {
  const std::vector<std::string> searches = {" lead", "trail ",       "\"quoted\"", "'single'", "",
                                             "a=b;c", u8"日本語 "_sj, "dup",        "dup"};
  const std::vector<std::string> replacements = {u8"置換後"_sj, "\t"};
  Run([&] {
    TMainForm& m = *MainForm;
    m.SetBounds(40, 50, 500, 370);
    LogForm->SetBounds(600, 70, 300, 200);
    LogForm->Hide();
    m.C2->SetEnabled(true);
    m.RadioGroup1->SetItemIndex(1);
    m.ShowFullPath = false;
    m.AlwaysConfirm = true;
    m.Backup = false;
    m.BUPlace = 1;
    m.BUFolder = u8"/srv/バックアップ/"_sj;
    m.CapIgnore = false;
    m.LogEnabled = 0;
    m.LogDownToUp = false;
    m.LogSize = 32767;
    m.Prohibit = false;
    m.ProhibitTypes = ",exe";
    m.Allow = true;
    m.AllowTypes = "";
    m.ProhibSys = false;
    m.ProhibHid = true;
    m.ReadOnlyMode = 2;
    m.SubDir = false;
    m.Edit1->Items().Assign(searches);
    m.Edit1->SetText("not stored");
    m.Edit2->Items().Assign(replacements);
  });
  ui::Application().Reset();
  Run([&] {
    const TMainForm& m = *MainForm;
    EXPECT_EQ(m.BoundsRect(), (ui::TRect{40, 50, 540, 420}));
    EXPECT_EQ(LogForm->BoundsRect(), (ui::TRect{600, 70, 900, 270}));
    EXPECT_FALSE(LogForm->Visible());
    EXPECT_TRUE(m.C2->Enabled());
    EXPECT_EQ(m.WorkingMode, 1);
    EXPECT_FALSE(m.ShowFullPath);
    EXPECT_TRUE(m.AlwaysConfirm);
    EXPECT_FALSE(m.Backup);
    EXPECT_EQ(m.BUPlace, 1);
    EXPECT_EQ(m.BUFolder, u8"/srv/バックアップ/"_sj);
    EXPECT_FALSE(m.CapIgnore);
    EXPECT_EQ(m.LogEnabled, 0);
    EXPECT_FALSE(m.LogDownToUp);
    EXPECT_EQ(m.LogSize, 32767);
    EXPECT_FALSE(m.Prohibit);
    EXPECT_EQ(m.ProhibitTypes, ",exe");
    EXPECT_TRUE(m.Allow);
    EXPECT_EQ(m.AllowTypes, "");
    EXPECT_FALSE(m.ProhibSys);
    EXPECT_TRUE(m.ProhibHid);
    EXPECT_EQ(m.ReadOnlyMode, 2);
    EXPECT_FALSE(m.SubDir);
    EXPECT_EQ(m.Edit1->Items().ToVector(), searches);
    EXPECT_EQ(m.Edit1->Text(), "");
    EXPECT_EQ(m.Edit2->Items().ToVector(), replacements);
    EXPECT_EQ(LogForm->LogText->MaxLength(), 32767u * 1024);
  });
}

// Values a person typed into the file read as the profile functions read them.
TEST_F(SettingsFileTest, HandEditedValues) {
  const std::string long_entry(2100, 'x');
  struct Case {
    const char* name;
    std::string ini;
    std::function<void(TMainForm&)> check;
  };
  const std::vector<Case> cases = {
      {"hexadecimal, not a number, boolean 2 and yes",
       "[Window]\r\nTop=0x10\r\nLeft=abc\r\nChange=2\r\nLogShow=yes\r\n"
       "[Setting]\r\nDialog=yes\r\nBackup=2\r\nBUPlace=5\r\nLogSize=0x10\r\n",
       [](TMainForm& m) {
         EXPECT_EQ(m.Top(), 16);
         EXPECT_EQ(m.Left(), 10);
         EXPECT_TRUE(m.C2->Enabled());
         EXPECT_TRUE(LogForm->Visible());
         EXPECT_FALSE(m.AlwaysConfirm);
         EXPECT_TRUE(m.Backup);
         EXPECT_EQ(m.BUPlace, 5);
         EXPECT_EQ(m.LogSize, 16);
         EXPECT_EQ(LogForm->LogText->MaxLength(), 16u * 1024);
       }},
      {"the log window follows the main window as restored",
       "[Window]\r\nTop=20\r\nLeft=30\r\nWidth=400\r\n",
       [](TMainForm&) {
         EXPECT_EQ(LogForm->BoundsRect(), (ui::TRect{430, 20, 670, 390}));
       }},
      {"a count of 3 with one stored entry, a 2,100-byte entry",
       "[Box1]\r\nCount=3\r\nBox1-0=a\r\nBox1-3=beyond\r\n[Box2]\r\nCount=1\r\nBox2-0=" +
           long_entry + "\r\n",
       [&](TMainForm& m) {
         EXPECT_EQ(m.Edit1->Items().ToVector(), (std::vector<std::string>{"a", "", ""}));
         EXPECT_EQ(m.Edit2->Items().ToVector(),
                   std::vector<std::string>{long_entry.substr(0, 2047)});
       }},
      {"negative and non-numeric counts",
       "[Box1]\r\nCount=-2\r\nBox1-0=a\r\n[Box2]\r\nCount=two\r\nBox2-0=b\r\n",
       [](TMainForm& m) {
         EXPECT_EQ(m.Edit1->Items().Count(), 0);
         EXPECT_EQ(m.Edit2->Items().Count(), 0);
       }},
      {"an absurd count is bounded", "[Box1]\r\nCount=2147483647\r\n",
       [](TMainForm& m) {
         EXPECT_EQ(m.Edit1->Items().Count(), kMaxHistoryItems);
         m.Edit1->Items().Clear();  // spares the close a thousand writes
       }},
      {"log sizes outside the dialog's range cap the log within it",
       "[Setting]\r\nLogSize=0\r\n[Data]\r\nReadOnly=7\r\n",
       [](TMainForm& m) {
         EXPECT_EQ(m.LogSize, 0);
         EXPECT_EQ(LogForm->LogText->MaxLength(), 1024u);
         EXPECT_EQ(m.ReadOnlyMode, 7);
       }},
      {"a huge log size", "[Setting]\r\nLogSize=2147483647\r\n",
       [](TMainForm&) { EXPECT_EQ(LogForm->LogText->MaxLength(), 32767u * 1024); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteIni(c.ini);
    Run([&] { c.check(*MainForm); });
    ui::Application().Reset();
  }
}

// A hand-edited file keeps every line it had; keys it lacked are added to their
// sections, and stale history entries beyond Count stay.
TEST_F(SettingsFileTest, TheCloseKeepsEveryLineOfAHandEditedFile) {
  WriteIni(
      "; my settings\r\n[Window]\r\nTop=0x10\r\nExtra=keep me\r\n\r\n[Other]\r\nAnything=1\r\n"
      "[Box1]\r\nCount=1\r\nBox1-0=old\r\nBox1-5=stale\r\n");
  Run([] {});
  EXPECT_EQ(ReadIni(),
            "; my settings\r\n[Window]\r\nTop=16\r\nExtra=keep me\r\nLeft=10\r\nWidth=362\r\n"
            "Change=0\r\nLogTop=16\r\nLogLeft=372\r\nLogHeight=370\r\nLogWidth=240\r\n"
            "LogShow=1\r\nShowFullPath=1\r\n\r\n[Other]\r\nAnything=1\r\n"
            "[Box1]\r\nCount=1\r\nBox1-0=old\r\nBox1-5=stale\r\n"
            "[Setting]\r\nWorkingMode=0\r\nDialog=0\r\nBackup=1\r\nBUPlace=0\r\nBUFolder=\r\n"
            "CapIgnore=1\r\nLog=1\r\nLogDownToUp=1\r\nLogSize=64\r\n"
            "[Data]\r\nType=exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk\r\nProhibit=1\r\n"
            "AlType=html,htm,cgi,pl,shtml\r\nAllow=0\r\nProhibSys=1\r\nProhibHid=0\r\n"
            "ReadOnly=0\r\nSubDir=1\r\n[Box2]\r\nCount=0\r\n");
}

// Real files, except that the settings file refuses every write after the first few.
class RefusingSettingsWrites : public platform::FileService {
 public:
  explicit RefusingSettingsWrites(int allowed) : allowed_(allowed) {}
  bool WriteFile(const std::string& path, std::string_view content) override {
    if (path.ends_with("Plyfix.ini") && allowed_-- <= 0) return false;
    return platform::FileService::WriteFile(path, content);
  }

 private:
  int allowed_;
};

TEST_F(SettingsFileTest, ARefusedKeyStopsTheSaveThereWithTheFilesPath) {
  WriteIni("; kept\r\n");
  RefusingSettingsWrites files(3);
  platform::ScopedFileService scope(files);
  Run([] {});
  EXPECT_EQ(ReadIni(), "; kept\r\n[Window]\r\nTop=10\r\nLeft=10\r\nWidth=362\r\n");
  const auto& transcript = backend_.Transcript();
  ASSERT_FALSE(transcript.empty());
  const auto& error = transcript.back();
  EXPECT_EQ(error.kind, Kind::MessageBox);
  EXPECT_EQ(error.text, IniPath() + u8" に書き込めません."_sj);
  EXPECT_EQ(error.caption, "Plyfix");
  EXPECT_EQ(error.flags, ui::MB_OK | ui::MB_ICONSTOP);
}

}  // namespace
