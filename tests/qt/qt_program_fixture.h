#pragma once
// What the offscreen tests of the real windows share: the program's folder in a
// temporary folder, the Qt backend in force, and the folder for screenshots.

#include <QDir>
#include <QString>
#include <QTest>
#include <memory>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "qt/qt_backend.h"
#include "qt/widget_peer.h"
#include "tests/platform/temp_folder.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"

// Where a screenshot of this name is saved: PLYFIX_SCREENSHOT_DIR, else the
// current folder.
inline QString ScreenshotPath(const QString& name) {
  const QString folder = qEnvironmentVariable("PLYFIX_SCREENSHOT_DIR", QDir::currentPath());
  return QDir(folder).filePath(name);
}

// Points the program's folder at a new temporary folder and installs a Qt
// backend; on destruction ends whatever program ran and restores both.
class QtProgramFixture {
 public:
  QtProgramFixture() { platform::SetExeDir(folder_.Path()); }
  ~QtProgramFixture() {
    ui::Application().Reset();
    MainForm = nullptr;
    LogForm = nullptr;
    scoped_.reset();
    platform::SetExeDir("");
  }
  QtProgramFixture(const QtProgramFixture&) = delete;
  QtProgramFixture& operator=(const QtProgramFixture&) = delete;

  platform_test::TempFolder& Folder() { return folder_; }

  // Creates both windows as the program does and waits until the main window is
  // on the screen.
  static void ShowMainWindow() {
    MainForm = ui::Application().CreateForm<TMainForm>();
    LogForm = ui::Application().CreateForm<TLogForm>();
    MainForm->Show();
    QWidget* window = qtui::RenderedWidget(*MainForm);
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }

 private:
  platform_test::TempFolder folder_;
  qtui::QtBackend backend_;
  std::unique_ptr<ui::ScopedBackend> scoped_ = std::make_unique<ui::ScopedBackend>(backend_);
};
