#pragma once
// Runs the whole program against a ScriptedBackend, with the executable's folder
// in a fresh temporary folder; the session stands for what the user does while
// the main window is shown.

#include <gtest/gtest.h>

#include <functional>

#include "app/Pfmain.h"
#include "app/program.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "tests/platform/temp_folder.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace app_test {

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() { platform::SetExeDir(folder_.Path()); }
  ~ProgramTest() override {
    ui::Application().Reset();
    MainForm = nullptr;
    LogForm = nullptr;
    platform::SetExeDir("");
  }

  // Runs the program; session runs once the main window has been shown, and the
  // main window closes after it (unless the session ended the program).
  int Run(std::function<void()> session) {
    backend_.SetSession([session = std::move(session)](ui::TForm&) { session(); });
    return PlyfixMain();
  }

  platform_test::TempFolder folder_;
  ui::ScriptedBackend backend_;
  ui::ScopedBackend scoped_{backend_};
};

}  // namespace app_test
