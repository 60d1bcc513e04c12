// Offscreen test of the preferences dialog as the Qt renderer shows it: both
// pages screenshotted, a tab chosen, an extension typed and entered, and the
// dialog closed by its button.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "qt/qt_backend.h"
#include "qt/text.h"
#include "qt/widget_peer.h"
#include "settings/Pfpref.h"
#include "tests/platform/temp_folder.h"
#include "tests/qt/qt_program_fixture.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"

using qtui::RenderedWidget;

class PrefDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { program_ = std::make_unique<QtProgramFixture>(); }

  void cleanup() { program_.reset(); }

  void bothPagesRenderAndTakeInput() {
    QtProgramFixture::ShowMainWindow();

    bool checked = false;
    QTimer::singleShot(0, [&] {
      QWidget* window = QApplication::activeModalWidget();
      QVERIFY(window != nullptr);
      QVERIFY(QTest::qWaitForWindowExposed(window));
      auto* dialog = dynamic_cast<TPrefForm*>(MainForm->FindComponent("PrefForm"));
      QVERIFY(dialog != nullptr);
      QCOMPARE(RenderedWidget(*dialog), window);
      QCOMPARE(window->windowTitle(), qtui::ToQString(u8"設定"_sj));
      QCOMPARE(RenderedWidget(*dialog->CheckBox1)->toolTip(),
               qtui::ToQString(dialog->CheckBox1->Hint()));
      QVERIFY(RenderedWidget(*dialog->PanelSize)->isVisible());
      QVERIFY(window->grab().save(ScreenshotPath("plyfix-pref-general.png")));

      auto* tabs = window->findChild<QTabBar*>();
      QVERIFY(tabs != nullptr);
      QCOMPARE(tabs->count(), 2);
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
      QCOMPARE(dialog->PageControl1->ActivePage(), dialog->TabSheet2);
      QVERIFY(RenderedWidget(*dialog->ComboExt)->isVisible());
      QVERIFY(!RenderedWidget(*dialog->ComboExtOk)->isEnabled());

      // Enter in the refused-extensions box adds the typed text once.
      auto* combo = qobject_cast<QComboBox*>(RenderedWidget(*dialog->ComboExt));
      QVERIFY(combo != nullptr);
      combo->setFocus();
      QTest::keyClicks(combo, QStringLiteral("txt"));
      QTest::keyClick(combo, Qt::Key_Return);
      QCOMPARE(dialog->ComboExt->Items().Count(), 11);
      QCOMPARE(combo->count(), 11);
      QVERIFY(window->grab().save(ScreenshotPath("plyfix-pref-files.png")));

      QTest::mouseClick(RenderedWidget(*dialog->Button1), Qt::LeftButton);
      checked = true;
    });
    QTimer::singleShot(10000, [] {
      if (QWidget* stuck = QApplication::activeModalWidget()) stuck->close();
    });
    MainForm->P1->Click();
    QVERIFY(checked);
    QCOMPARE(MainForm->ProhibitTypes, std::string("exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk,txt"));
    QCOMPARE(MainForm->FindComponent("PrefForm"), nullptr);
  }

 private:
  std::unique_ptr<QtProgramFixture> program_;
};

// Called by the Qt tests' main, after the smoke tests.
int RunPrefDialogTest(int argc, char** argv) {
  PrefDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "pref_dialog_test.moc"
