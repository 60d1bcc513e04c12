// One whole session on the real windows, offscreen: the first start without a
// settings file, the About box switching the cue command on, a cue file, a
// document root, a run, the close, and a second start that finds everything again.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/Pfmain.h"
#include "app/program.h"
#include "dialogs/Pfabout.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "qt/qt_backend.h"
#include "qt/text.h"
#include "qt/widget_peer.h"
#include "tests/platform/temp_folder.h"
#include "tests/qt/qt_program_fixture.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"

using platform_test::Slurp;
using platform_test::Spill;
using qtui::RenderedWidget;

namespace {

void Screenshot(QWidget* window, const char* name) {
  QVERIFY(window != nullptr);
  QVERIFY(window->grab().save(ScreenshotPath(QString::fromLatin1(name))));
}

// The owner of the waiting timers of the running test; deleting it at the end of
// the test stops those that never fired.
QObject* waiting = nullptr;

// Runs action once ready holds, checking from the event loop, so that it also
// runs inside the modal loop of a dialog opened after this call.
void WhenReady(std::function<bool()> ready, std::function<void()> action) {
  auto* timer = new QTimer(waiting);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, ready, action] {
    if (!ready()) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

// The menu-bar action of the main window whose caption is text.
QAction* MenuAction(const char8_t* text) {
  const QString caption = QString::fromUtf8(reinterpret_cast<const char*>(text));
  for (QAction* menu : RenderedWidget(*MainForm)->findChild<QMenuBar*>()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->text().section(u'\t', 0, 0) == caption) return item;
    }
  }
  return nullptr;
}

void Click(ui::TControl& control) {
  QWidget* widget = RenderedWidget(control);
  QVERIFY(widget != nullptr && widget->isVisible());
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// The real desktop, except that the file-open dialog and the folder browser
// answer with the paths queued for them (the Qt dialogs have tests of their own).
class SessionBackend : public qtui::QtBackend {
 public:
  void Choose(std::string path) { chosen_.push_back(std::move(path)); }

  bool ExecuteOpenDialog(const ui::TOpenDialog&, std::vector<std::string>& files) override {
    if (chosen_.empty()) return false;
    files = {Next()};
    return true;
  }
  std::string BrowseFolder(ui::TForm*, const std::string&) override {
    return chosen_.empty() ? std::string() : Next();
  }

 private:
  std::string Next() {
    std::string path = chosen_.front();
    chosen_.erase(chosen_.begin());
    return path;
  }

  std::vector<std::string> chosen_;
};

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    waiting = new QObject;
    folder_ = std::make_unique<platform_test::TempFolder>();
    platform::SetExeDir(folder_->Path("program"));
    std::filesystem::create_directories(folder_->Path("program"));
    backend_ = std::make_unique<SessionBackend>();
    scoped_ = std::make_unique<ui::ScopedBackend>(*backend_);
  }

  void cleanup() {
    delete waiting;
    waiting = nullptr;
    EndProgram();
    scoped_.reset();
    backend_.reset();
    platform::SetExeDir("");
    folder_.reset();
  }

  void wholeSessionIsKeptAcrossStarts() {
    const std::string program = folder_->Path("program") + "/";
    const std::string cue = folder_->Path("site.pfc");
    Spill(cue, "Example site\r\nwww.example.org\r\nhtml,htm\r\n" + u8"年の更新"_sj +
                   "\r\n(C) 2025\r\n(C) 2026\r\n" + u8"社名"_sj + "\r\nOld Ltd.\r\nNew Ltd.\r\n");
    const std::string site = folder_->Path("site");
    std::filesystem::create_directories(site + "/sub");
    Spill(site + "/index.html", "<p>(C) 2025</p>\r\n");
    Spill(site + "/sub/page.htm", "(c) 2025\n(C) 2025");
    Spill(site + "/sub/other.html", "nothing\r\n");
    Spill(site + "/notes.txt", "(C) 2025\r\n");

    RunSession([&] {
      // First start: defaults, an empty log file, both windows shown.
      QCOMPARE(Slurp(program + "PFlog.txt"), std::string());
      QVERIFY(!std::filesystem::exists(program + "Plyfix.ini"));
      QVERIFY(RenderedWidget(*LogForm)->isVisible());
      QCOMPARE(MainForm->RadioGroup1->ItemIndex(), 0);
      QVERIFY(!MainForm->C2->Enabled());
      QVERIFY(!MenuAction(u8"キューファイルの読み込み(&C)")->isEnabled());
      Screenshot(RenderedWidget(*MainForm), "session-first-start.png");

      // The About box's maker line switches the cue command on.
      WhenReady([] { return AboutShown(); },
                [] {
                  Click(*About()->LabelTC);
                  Screenshot(RenderedWidget(*About()), "session-about.png");
                  Click(*About()->TitlePanel);
                });
      MenuAction(u8"バージョン情報(&A)...")->trigger();
      QVERIFY(About() == nullptr);
      QVERIFY(MainForm->C2->Enabled());
      QVERIFY(MenuAction(u8"キューファイルの読み込み(&C)")->isEnabled());

      // A cue file puts the window into patch mode.
      backend_->Choose(cue);
      MenuAction(u8"キューファイルの読み込み(&C)")->trigger();
      QVERIFY(MainForm->PanelPatch->Visible());
      QCOMPARE(MainForm->RadioGroup1->ItemIndex(), 1);
      QCOMPARE(MainForm->Edit1->Text(), std::string("(C) 2025"));
      QCOMPARE(MainForm->Edit2->Text(), std::string("(C) 2026"));

      // The document root lists its pages only.
      backend_->Choose(site);
      Click(*MainForm->ButtonAssignFolder);
      QCOMPARE(MainForm->EditAssignFolder->Text(), site);
      QCOMPARE(MainForm->FullPaths->Count(), 3);
      QCOMPARE(MainForm->Caption(), std::string("Plyfix ver.1.1.0 - 3 file(s)"));
      Screenshot(RenderedWidget(*MainForm), "session-patch-panel.png");
      Screenshot(RenderedWidget(*MainForm->PanelPatch), "session-patch-panel-only.png");

      // The run rewrites the listed pages, keeps their backups and logs each page;
      // its summary box is answered OK. The unlisted text file stays as it was.
      WhenReady(
          [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
          [] { qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->accept(); });
      Click(*MainForm->Button1);
      QCOMPARE(Slurp(site + "/index.html"), std::string("<p>(C) 2026</p>\r\n"));
      QCOMPARE(Slurp(site + "/index.html.bak"), std::string("<p>(C) 2025</p>\r\n"));
      QCOMPARE(Slurp(site + "/sub/page.htm"), std::string("(C) 2026\r\n(C) 2026\r\n"));
      QCOMPARE(Slurp(site + "/sub/other.html"), std::string("nothing\r\n"));
      QVERIFY(!std::filesystem::exists(site + "/sub/other.html.bak"));
      QCOMPARE(Slurp(site + "/notes.txt"), std::string("(C) 2025\r\n"));
      const std::string logged = LogForm->LogText->Lines().Text();
      QVERIFY(logged.find(site + "/index.html : 1") != std::string::npos);
      QVERIFY(logged.find(site + "/sub/page.htm : 2") != std::string::npos);

      Screenshot(RenderedWidget(*LogForm), "session-log.png");

      // The preferences dialog, looked at and closed.
      WhenReady(
          [] {
            return Preferences() != nullptr && RenderedWidget(*Preferences()) != nullptr &&
                   RenderedWidget(*Preferences())->isVisible();
          },
          [] {
            Screenshot(RenderedWidget(*Preferences()), "session-preferences.png");
            Preferences()->Close();
          });
      MenuAction(u8"一般設定(&S)")->trigger();

      // Names only, a wider window, and the log window hidden, for the next start.
      Click(*MainForm->PathButton);
      MainForm->SetBounds(40, 30, 420, MainForm->Height());
      Click(*MainForm->LogButton);
      QVERIFY(!RenderedWidget(*LogForm)->isVisible());
      Screenshot(RenderedWidget(*MainForm), "session-before-close.png");
      RenderedWidget(*MainForm)->close();
    });

    const std::string log = Slurp(program + "PFlog.txt");
    const std::string settings = Slurp(program + "Plyfix.ini");
    QVERIFY(settings.find("Change=1") != std::string::npos);
    EndProgram();

    RunSession([&] {
      // The second start finds the state of the first close.
      QCOMPARE(MainForm->Left(), 40);
      QCOMPARE(MainForm->Top(), 30);
      QCOMPARE(MainForm->Width(), 420);
      QVERIFY(MainForm->C2->Enabled());
      QVERIFY(!MainForm->ShowFullPath);
      QCOMPARE(MainForm->PathButton->Caption(), u8"Path非表示"_sj);
      QCOMPARE(MainForm->RadioGroup1->ItemIndex(), 1);
      QVERIFY(!MainForm->PanelPatch->Visible());
      QVERIFY(!LogForm->Visible());
      QVERIFY(!MainForm->LogButton->Down());
      QCOMPARE(MainForm->LogButton->Caption(), u8"ログを表示"_sj);
      QCOMPARE(LogForm->LogText->Lines().Text(), log);
      QVERIFY(MainForm->Edit1->Items().IndexOf("(C) 2025") >= 0);
      QVERIFY(MainForm->Edit2->Items().IndexOf("(C) 2026") >= 0);
      Screenshot(RenderedWidget(*MainForm), "session-second-start.png");
      RenderedWidget(*MainForm)->close();
    });
  }

  // The About box closes on a click on any of its captions, and the dialogs
  // opened after it still come up; the main window then closes.
  void dialogsStillOpenAfterTheAboutBox() {
    const std::vector<std::function<ui::TControl&(TAboutForm&)>> closers = {
        [](TAboutForm& box) -> ui::TControl& { return *box.TitlePanel; },
        [](TAboutForm& box) -> ui::TControl& { return *box.VerLabel; },
        [](TAboutForm& box) -> ui::TControl& { return *box.StaticText1; },
        [](TAboutForm& box) -> ui::TControl& { return *box.GroupBox1; },
    };
    RunSession([&] {
      for (const auto& closer : closers) {
        WhenReady([] { return AboutShown(); }, [&closer] { Click(closer(*About())); });
        MenuAction(u8"バージョン情報(&A)...")->trigger();
        QVERIFY(About() == nullptr);
      }
      bool preferences_seen = false;
      WhenReady([] { return PreferencesShown(); },
                [&preferences_seen] {
                  preferences_seen = true;
                  Preferences()->Close();
                });
      MenuAction(u8"一般設定(&S)")->trigger();
      QVERIFY(preferences_seen);
      RenderedWidget(*MainForm)->close();
    });
  }

 private:
  // The About box's window is up and takes the mouse.
  static bool AboutShown() {
    QWidget* window = About() != nullptr ? RenderedWidget(*About()) : nullptr;
    return window != nullptr && window->isVisible() && window->windowHandle() != nullptr &&
           window->windowHandle()->isExposed() && QApplication::activeModalWidget() == window;
  }
  static bool PreferencesShown() {
    return Preferences() != nullptr && RenderedWidget(*Preferences()) != nullptr &&
           RenderedWidget(*Preferences())->isVisible();
  }
  static TAboutForm* About() {
    return dynamic_cast<TAboutForm*>(MainForm->FindComponent("AboutForm"));
  }
  static ui::TForm* Preferences() {
    return dynamic_cast<ui::TForm*>(MainForm->FindComponent("PrefForm"));
  }

  // Runs the program; session runs once its windows are up. A session that
  // stalls is ended after five minutes and fails the test.
  void RunSession(const std::function<void()>& session) {
    bool timed_out = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      timed_out = true;
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      if (MainForm != nullptr && RenderedWidget(*MainForm) != nullptr) {
        RenderedWidget(*MainForm)->close();
      }
    });
    guard.start(300000);
    bool ran = false;
    QTimer::singleShot(0, [&] {
      QVERIFY(QTest::qWaitForWindowExposed(RenderedWidget(*MainForm)));
      session();
      ran = true;
    });
    QCOMPARE(PlyfixMain(), 0);
    QVERIFY(!timed_out);
    QVERIFY(ran);
  }

  static void EndProgram() {
    ui::Application().Reset();
    MainForm = nullptr;
    LogForm = nullptr;
  }

  std::unique_ptr<platform_test::TempFolder> folder_;
  std::unique_ptr<SessionBackend> backend_;
  std::unique_ptr<ui::ScopedBackend> scoped_;
};

int RunSessionTests(int argc, char** argv) {
  SessionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "session_test.moc"
