// The log file between starts: created, loaded and saved with the log text;
// never lost when it cannot be read or written; cleared by the menu command.

#include <gtest/gtest.h>

#include "log/log_file.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "tests/app/program_fixture.h"
#include "tests/engine/run_fixture.h"

namespace {

using app_test::ProgramTest;
using platform_test::Slurp;
using platform_test::Spill;
using Kind = ui::ScriptedBackend::Entry::Kind;

std::vector<std::string> LogLines() {
  return LogForm->LogText->Lines().ToVector();
}

// The real file services, except that the log file cannot be read or written.
class LogFileFails : public platform::FileService {
 public:
  bool fail_read = false;
  bool fail_write = false;

  bool ReadFile(const std::string& path, std::string& content) override {
    return !(fail_read && path == LogFilePath()) && FileService::ReadFile(path, content);
  }
  bool WriteFile(const std::string& path, std::string_view content) override {
    return !(fail_write && path == LogFilePath()) && FileService::WriteFile(path, content);
  }
};

class LogFileTest : public ProgramTest {
 protected:
  std::string LogFile() const { return folder_.Path("PFlog.txt"); }
  // The message boxes of the transcript as "caption|text".
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& entry : backend_.Transcript()) {
      if (entry.kind == Kind::MessageBox) out.push_back(entry.caption + "|" + entry.text);
    }
    return out;
  }
};

TEST_F(LogFileTest, FirstStartCreatesAnEmptyFileAndExitSavesTheText) {
  Run([&] {
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(Slurp(LogFile()), "");
    EXPECT_EQ(LogForm->LogText->Hint(), LogFilePath());
    LogForm->LogText->Lines().Add("line one");
    LogForm->LogText->Lines().Add(u8"二行目"_sj);
  });
  EXPECT_EQ(Slurp(LogFile()), "line one\r\n" + u8"二行目"_sj + "\r\n");
  EXPECT_TRUE(backend_.Transcript().empty());
}

TEST_F(LogFileTest, FileIsLoadedWholeWithAnyLineBreaksEvenBeyondTheCap) {
  const std::string long_line(1048576, 'x');
  Spill(LogFile(), "a\nb\rc\r\n" + long_line);
  Run([&] {
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"a", "b", "c", long_line}));
    // A full log takes no more lines.
    EXPECT_EQ(LogForm->LogText->Lines().Insert(0, "new"), false);
  });
  EXPECT_EQ(Slurp(LogFile()), "a\r\nb\r\nc\r\n" + long_line + "\r\n");
}

TEST_F(LogFileTest, WithLoggingOffTheFileIsNotSavedAtExit) {
  Spill(LogFile(), "kept\n");
  Run([&] {
    MainForm->LogEnabled = 0;
    LogForm->LogText->Lines().Add("not saved");
  });
  EXPECT_EQ(Slurp(LogFile()), "kept\n");
}

TEST_F(LogFileTest, FileThatCannotBeReadAtStartIsReportedAndNeverOverwritten) {
  Spill(LogFile(), "older runs\r\n");
  LogFileFails files;
  files.fail_read = true;
  platform::ScopedFileService use(files);
  Run([&] {
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + LogFilePath() +
                                                    u8" は開けません."_sj}));
    EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_OK | ui::MB_ICONSTOP);
    // Start-up went on to its end.
    EXPECT_TRUE(MainForm->GroupBox1->Visible());
    EXPECT_EQ(MainForm->PathButton->Caption(), u8"フルPath表示"_sj);
    // Lines still reach the window; the save at exit leaves the file alone, also
    // once it could be read again.
    LogForm->LogText->Lines().Add("this session");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"this session"}));
    files.fail_read = false;
  });
  EXPECT_EQ(Slurp(LogFile()), "older runs\r\n");
  EXPECT_EQ(backend_.Transcript().size(), 1u);
}

TEST_F(LogFileTest, FileThatCannotBeWrittenAtExitIsReportedAndTheProgramStillEnds) {
  LogFileFails files;
  platform::ScopedFileService use(files);
  Run([&] {
    LogForm->LogText->Lines().Add("lost line");
    MainForm->RadioGroup1->SetItemIndex(2);
    files.fail_write = true;
    backend_.ClearTranscript();
  });
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + LogFilePath() +
                                                  u8" を作成できません."_sj}));
  // The rest of closing ran: the operation was stored and the lists freed.
  EXPECT_EQ(MainForm->WorkingMode, 2);
  EXPECT_EQ(MainForm->FullPaths, nullptr);
  EXPECT_TRUE(ui::Application().Terminated());
}

TEST_F(LogFileTest, ClearingAsksAndTheEmptiedLogReachesTheFileAtExit) {
  Spill(LogFile(), "old\r\n");
  Run([&] {
    backend_.AnswerMessage(ui::IDNO);
    MainForm->L1->Click();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"old"}));
    EXPECT_EQ(Slurp(LogFile()), "old\r\n");

    MainForm->LogInsertRow = 3;
    backend_.AnswerMessage(ui::IDYES);
    MainForm->L1->Click();
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(MainForm->LogInsertRow, 3);
    EXPECT_EQ(Slurp(LogFile()), "old\r\n");  // the file waits for the next save
    EXPECT_EQ(Messages(), (std::vector<std::string>{u8"確認|変換ログをクリアします."_sj,
                                                    u8"確認|変換ログをクリアします."_sj}));
    EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO);
  });
  EXPECT_EQ(Slurp(LogFile()), "");
}

using engine_test::RunTest;

TEST_F(RunTest, LineThatCrossesTheCapIsStoredInPartAndLaterLinesAreLost) {
  ui::TMemo& log = *LogForm->LogText;
  log.SetMaxLength(1024);
  log.SetText(std::string(998, 'o') + "\r\n");  // 1000 bytes
  List({Site("a.html", "abc\n")});
  Operation(1, "b", "x");
  Start();
  // The empty line fits; the start line gets the 20 bytes left before its break.
  EXPECT_EQ(Log().size(), 3u);
  EXPECT_EQ(Log()[0], "***** " + u8"開始"_sj + ":2000/12/2");
  EXPECT_EQ(Log()[1], "");
  EXPECT_EQ(log.GetTextLen(), 1024u);
}

}  // namespace
