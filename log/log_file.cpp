// The log file's life and the log commands of the main window.

#include "log/log_file.h"

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "ui/application.h"

std::string LogFilePath() {
  return platform::DataDir() + "PFlog.txt";
}

void TMainForm::LoadLogFile() {
  if (LogFileHeldBack) return;
  const std::string path = LogFilePath();
  if (!platform::Files().FileExists(path) && !SaveLogFile()) return;
  try {
    LogForm->LogText->Lines().LoadFromFile(path);
  } catch (const platform::Exception& error) {
    // Saving the window's text over a file that could not be read would lose
    // that file's log for good; it is left alone until the program ends.
    LogFileHeldBack = true;
    ui::Application().ShowException(error);
  }
}

bool TMainForm::SaveLogFile() {
  if (LogFileHeldBack) return true;
  try {
    LogForm->LogText->Lines().SaveToFile(LogFilePath());
    return true;
  } catch (const platform::Exception& error) {
    ui::Application().ShowException(error);
    return false;
  }
}

void TMainForm::L1Click(ui::TObject*) {
  if (ui::Application().MessageBox(u8"変換ログをクリアします."_sj, u8"確認"_sj, ui::MB_YESNO) !=
      ui::IDYES) {
    return;
  }
  LogForm->LogText->Lines().Clear();
}
