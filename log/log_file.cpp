// The log file's life and the log commands of the main window.

#include "log/log_file.h"

#include "app/Pfmain.h"
#include "platform/files.h"

std::string LogFilePath() {
  return platform::DataDir() + "PFlog.txt";
}

void TMainForm::LoadLogFile() {}

void TMainForm::SaveLogFile() {}

void TMainForm::L1Click(ui::TObject*) {}
