// The executable: the Qt desktop behind the control model, then the program.

#include <QApplication>
#include <csignal>
#include <cstdio>

#include "app/program.h"
#include "batch/batch_main.h"
#include "qt/qt_backend.h"
#include "ui/scoped_backend.h"

namespace {

// Whether Qt has a window system to open: one named by QT_QPA_PLATFORM, an X
// display or a Wayland display.
bool DisplayAvailable() {
  return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  // An operation word runs without a window, so no display is needed.
  if (batch::IsBatchCommand(argc, argv)) return batch::Main(argc, argv);
  // A write past the file-size limit then fails as a write error instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  if (!DisplayAvailable()) {
    std::fputs(
        "Plyfix: no display available; set DISPLAY, or run offscreen with "
        "QT_QPA_PLATFORM=offscreen\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  qtui::QtBackend backend;
  ui::ScopedBackend installed(backend);
  // Qt has taken its own options out of argv; what is left are the paths to open.
  return PlyfixMain(CommandLinePaths(argc, argv));
}
