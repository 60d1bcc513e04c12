// Offscreen tests of the file list in the real main window: folders dropped on
// the window are expanded into the list and counted in its title, and a list of
// 100,000 entries stays workable (selecting through the view, removing by key).

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "qt/qt_backend.h"
#include "qt/text.h"
#include "qt/widget_peer.h"
#include "tests/platform/temp_folder.h"
#include "tests/qt/qt_program_fixture.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"

using qtui::RenderedWidget;

class DropTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<QtProgramFixture>();
    QtProgramFixture::ShowMainWindow();
  }

  void cleanup() { program_.reset(); }

  void droppedFoldersAreListedAndCounted() {
    const std::string site = program_->Folder().Path("site");
    for (const char* name : {"one/a.html", "one/sub/b.html", "two/c.html"}) {
      const std::filesystem::path path = site + "/" + name;
      std::filesystem::create_directories(path.parent_path());
      platform_test::Spill(path.string(), "<p>x</p>\n");
    }
    QWidget* window = RenderedWidget(*MainForm);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(site + "/one")),
                  QUrl::fromLocalFile(QString::fromStdString(site + "/two"))});
    const QPoint at = RenderedWidget(*MainForm->ListBox1)->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);

    QTRY_COMPARE(MainForm->FullPaths->Count(), 3);
    auto* view = qobject_cast<QListView*>(RenderedWidget(*MainForm->ListBox1));
    QVERIFY(view != nullptr);
    QCOMPARE(view->model()->rowCount(), 3);
    QStringList shown;
    for (int row = 0; row < 3; ++row) shown << view->model()->index(row, 0).data().toString();
    shown.sort();
    QCOMPARE(shown, (QStringList{QString::fromStdString(site + "/one/a.html"),
                                 QString::fromStdString(site + "/one/sub/b.html"),
                                 QString::fromStdString(site + "/two/c.html")}));
    QCOMPARE(window->windowTitle(), QStringLiteral("Plyfix ver.1.1.0 - 3 file(s)"));
    const QString shots = qEnvironmentVariable("PLYFIX_SCREENSHOT_DIR", QDir::currentPath());
    QVERIFY(window->grab().save(QDir(shots).filePath("plyfix-main-dropped.png")));
  }

  void hundredThousandEntriesAreSelectedAndRemovedThroughTheWindow() {
    ui::TListBox& list = *MainForm->ListBox1;
    std::vector<std::string> paths;
    for (int i = 0; i < 100000; ++i) paths.push_back("/site/page" + std::to_string(i) + ".html");
    MainForm->FullPaths->Lines() = paths;
    list.Items().Assign(paths);
    auto* view = qobject_cast<QListView*>(RenderedWidget(list));
    QVERIFY(view != nullptr);
    QCOMPARE(view->model()->rowCount(), 100000);

    // Every other entry selected through the view, then the Delete key in the list.
    QItemSelection every_other;
    for (int row = 0; row < 100000; row += 2) {
      every_other.select(view->model()->index(row, 0), view->model()->index(row, 0));
    }
    view->selectionModel()->select(every_other, QItemSelectionModel::Select);
    QCOMPARE(list.SelCount(), 50000);
    view->scrollToBottom();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);

    QCOMPARE(MainForm->FullPaths->Count(), 50000);
    QCOMPARE(view->model()->rowCount(), 50000);
    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("/site/page1.html"));
    QCOMPARE((*MainForm->FullPaths)[49999], std::string("/site/page99999.html"));
    QCOMPARE(RenderedWidget(*MainForm)->windowTitle(),
             QStringLiteral("Plyfix ver.1.1.0 - 50000 file(s)"));
  }

 private:
  std::unique_ptr<QtProgramFixture> program_;
};

// Run by the main of the Qt smoke tests, which share one executable.
int RunDropTests(int argc, char** argv) {
  DropTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "drop_test.moc"
