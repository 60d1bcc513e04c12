// Offscreen smoke tests of the Qt renderer: the program's real windows, rendered
// by the Qt backend, screenshotted, and driven through their widgets.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "app/Pfmain.h"
#include "app/program.h"
#include "dialogs/Pfdlg.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "qt/file_dialogs.h"
#include "qt/group_frame.h"
#include "qt/qt_backend.h"
#include "qt/text.h"
#include "qt/up_down_peer.h"
#include "qt/widget_peer.h"
#include "tests/platform/temp_folder.h"
#include "tests/qt/qt_program_fixture.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"

using qtui::RenderedWidget;

namespace {

QString Utf8(const char8_t* text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

}  // namespace

class QtSmokeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { program_ = std::make_unique<QtProgramFixture>(); }

  void cleanup() { program_.reset(); }

  // The program entry shows both windows with Japanese text in a Japanese font;
  // the close box ends it through the model.
  void programShowsBothWindowsAndEndsByCloseBox() {
    bool timed_out = false;
    QTimer::singleShot(15000, [&] {
      timed_out = true;
      QApplication::quit();
    });
    bool checked = false;
    QTimer::singleShot(0, [&] {
      QWidget* main = RenderedWidget(*MainForm);
      QWidget* log = RenderedWidget(*LogForm);
      QVERIFY(main != nullptr && main->isVisible());
      QVERIFY(log != nullptr && log->isVisible());
      QVERIFY(QTest::qWaitForWindowExposed(main));
      WriteLog(*LogForm->LogText);
      QVERIFY(main->grab().save(ScreenshotPath("plyfix-main.png")));
      QVERIFY(log->grab().save(ScreenshotPath("plyfix-log.png")));
      QCOMPARE(main->windowTitle(), QStringLiteral("Plyfix ver.1.1.0"));
      auto* label = qobject_cast<QLabel*>(RenderedWidget(*MainForm->Label1));
      QVERIFY(label != nullptr);
      QCOMPARE(label->text(), Utf8(u8"追加する文字列"));
      QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
      QCOMPARE(QFontInfo(RenderedWidget(*MainForm->Button1)->font()).pixelSize(), 19);
      checked = true;
      main->close();
    });
    QCOMPARE(PlyfixMain(), 0);
    QVERIFY(checked);
    QVERIFY(!timed_out);
  }

  // 終了 from the menu ends the program at once, with the log window still
  // shown, and the main window's OnClose runs once.
  void exitFromMenuEndsProgram() {
    bool timed_out = false;
    QTimer::singleShot(5000, [&] {
      timed_out = true;
      QApplication::exit(1);
    });
    int closes = 0;
    QTimer::singleShot(0, [&] {
      QVERIFY(RenderedWidget(*LogForm)->isVisible());
      const ui::TCloseEvent close = MainForm->OnClose;
      MainForm->OnClose = [&closes, close](ui::TObject* sender, ui::TCloseAction& action) {
        ++closes;
        close(sender, action);
      };
      auto* bar = RenderedWidget(*MainForm)->findChild<QMenuBar*>();
      QAction* exit = bar->actions()[0]->menu()->actions().last();
      QCOMPARE(exit->text(), Utf8(u8"終了(&X)"));
      exit->trigger();
    });
    QCOMPARE(PlyfixMain(), 0);
    QVERIFY(!timed_out);
    QCOMPARE(closes, 1);
  }

  void clickAndEnterReachButtonHandler() {
    ShowMainWindow();
    std::vector<ui::TObject*> senders;
    MainForm->Button1->OnClick = [&](ui::TObject* sender) { senders.push_back(sender); };
    QWidget* button = RenderedWidget(*MainForm->Button1);
    QVERIFY(button != nullptr && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(senders.size(), std::size_t{1});
    QCOMPARE(senders[0], static_cast<ui::TObject*>(MainForm->Button1));

    // Enter in the string box presses the form's default button.
    QWidget* combo = RenderedWidget(*MainForm->Edit1);
    combo->setFocus();
    QCOMPARE(QApplication::focusWidget(), combo);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(senders.size(), std::size_t{2});
  }

  void typedJapaneseLandsInModelAsCp932() {
    ShowMainWindow();
    int changes = 0;
    MainForm->Edit1->OnChange = [&](ui::TObject*) { ++changes; };
    auto* combo = qobject_cast<QComboBox*>(RenderedWidget(*MainForm->Edit1));
    QVERIFY(combo != nullptr && combo->lineEdit() != nullptr);
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("ab"));
    QInputMethodEvent composed;
    composed.setCommitString(Utf8(u8"変換テスト"));
    QApplication::sendEvent(combo->lineEdit(), &composed);
    QCOMPARE(MainForm->Edit1->Text(), "ab" + u8"変換テスト"_sj);
    QCOMPARE(changes, 3);

    // A character that code page 932 cannot hold becomes "?" in the model and on screen.
    QInputMethodEvent hangul;
    hangul.setCommitString(Utf8(u8"한"));
    QApplication::sendEvent(combo->lineEdit(), &hangul);
    QCOMPARE(MainForm->Edit1->Text(), "ab" + u8"変換テスト"_sj + "?");
    QCOMPARE(combo->lineEdit()->text(), Utf8(u8"ab変換テスト?"));
  }

  void modelChangesShowOnWidgets() {
    ShowMainWindow();
    MainForm->SetCaption("Plyfix ver.1.1.0 - 2 file(s)");
    QCOMPARE(RenderedWidget(*MainForm)->windowTitle(),
             QStringLiteral("Plyfix ver.1.1.0 - 2 file(s)"));
    MainForm->Label1->SetCaption(u8"元の文字列"_sj);
    QCOMPARE(qobject_cast<QLabel*>(RenderedWidget(*MainForm->Label1))->text(),
             Utf8(u8"元の文字列"));
    MainForm->Label2->Show();
    QVERIFY(RenderedWidget(*MainForm->Label2)->isVisible());
    QCOMPARE(RenderedWidget(*MainForm->Button1)->toolTip(),
             Utf8(u8"上記の設定で一括変換を開始します"));
    MainForm->CheckBox1->SetChecked(false);
    QVERIFY(!qobject_cast<QAbstractButton*>(RenderedWidget(*MainForm->CheckBox1))->isChecked());
  }

  // A label in a form built here: colour, underline and cursor show; a click
  // reaches the model as MouseDown, Click, MouseUp.
  void labelMouseReachesModel() {
    auto* form = ui::Application().CreateForm<ui::TForm>();
    auto* label = new ui::TLabel(form);
    label->SetParent(form);
    label->SetBounds(8, 8, 120, 14);
    label->SetCaption("https://example.com");
    label->Font().SetColor(ui::clBlue);
    label->Font().SetUnderline(true);
    label->SetCursor(ui::crHandPoint);
    std::vector<std::string> events;
    label->OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
      events.push_back("down");
    };
    label->OnClick = [&](ui::TObject*) { events.push_back("click"); };
    label->OnMouseUp = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
      events.push_back("up");
    };
    form->Show();
    QWidget* widget = RenderedWidget(*label);
    QVERIFY(widget != nullptr && widget->isVisible());
    QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QVERIFY(widget->font().underline());
    QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(widget, Qt::LeftButton);
    QCOMPARE(events, (std::vector<std::string>{"down", "click", "up"}));
  }

  // Resizing the window by hand changes the model's bounds, and the docked
  // controls follow; the model's constraints limit the window.
  void userResizeFlowsIntoModel() {
    ShowMainWindow();
    QWidget* window = RenderedWidget(*MainForm);
    const int width = MainForm->Width();
    window->resize(window->width() + 50, window->height());
    QTRY_COMPARE(MainForm->Width(), width + 50);
    QCOMPARE(RenderedWidget(*MainForm->Panel2)->x(), MainForm->ClientWidth() - 170);
    const ui::FrameMetrics frame = ui::FrameExtent(MainForm->BorderStyle(), true);
    QCOMPARE(window->minimumWidth(), MainForm->Constraints().MinWidth - 2 * frame.border);
  }

  // Tabs of a page control in a form built here: a click on a tab selects the
  // page in the model, which shows only that page.
  void pageControlTabsSelectPages() {
    auto* form = ui::Application().CreateForm<ui::TForm>();
    form->SetBounds(0, 0, 300, 200);
    auto* pages = new ui::TPageControl(form);
    pages->SetParent(form);
    pages->SetAlign(ui::alClient);
    int changes = 0;
    pages->OnChange = [&](ui::TObject*) { ++changes; };
    for (const char8_t* caption : {u8"一般設定", u8"ファイルの取り扱い"}) {
      auto* sheet = new ui::TTabSheet(form);
      sheet->SetCaption(platform::Utf8ToCp932(reinterpret_cast<const char*>(caption)));
      sheet->SetPageControl(pages);
    }
    form->Show();
    auto* bar = RenderedWidget(*pages)->findChild<QTabBar*>();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->count(), 2);
    QCOMPARE(bar->tabText(1), Utf8(u8"ファイルの取り扱い"));
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    QCOMPARE(pages->ActivePageIndex(), 1);
    QCOMPARE(changes, 1);
    QVERIFY(RenderedWidget(*pages->Pages(1))->isVisible());
    QVERIFY(!RenderedWidget(*pages->Pages(0))->isVisible());
    pages->SetActivePageIndex(0);
    QCOMPARE(bar->currentIndex(), 0);
  }

  void upDownArrowsStepWithinRange() {
    ShowMainWindow();
    MainForm->RadioGroup2->SetItemIndex(2);
    MainForm->RadioGroup2Click(MainForm->RadioGroup2);
    auto* peer = dynamic_cast<qtui::UpDownPeer*>(MainForm->UpDown1->Peer());
    QVERIFY(peer != nullptr && peer->UpButton()->isVisible());
    auto* edit = qobject_cast<QLineEdit*>(RenderedWidget(*MainForm->Edit3));
    QTest::mouseClick(peer->UpButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("2"));
    QTest::mouseClick(peer->DownButton(), Qt::LeftButton);
    QTest::mouseClick(peer->DownButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    MainForm->UpDown1->SetPosition(32767);
    QTest::mouseClick(peer->UpButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("32767"));
  }

  void messageBoxOffersExactlyTheRequestedButtons_data() {
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("ok, no icon") << ui::MB_OK << QList<int>{QMessageBox::Ok}
                                 << int(QMessageBox::NoIcon) << int(QMessageBox::Ok) << ui::IDOK;
    QTest::newRow("yes/no, question")
        << (ui::MB_YESNO | ui::MB_ICONQUESTION) << QList<int>{QMessageBox::Yes, QMessageBox::No}
        << int(QMessageBox::Question) << int(QMessageBox::No) << ui::IDNO;
    QTest::newRow("yes/no/cancel, warning")
        << (ui::MB_YESNOCANCEL | ui::MB_ICONEXCLAMATION)
        << QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}
        << int(QMessageBox::Warning) << int(QMessageBox::Cancel) << ui::IDCANCEL;
    QTest::newRow("ok, error") << (ui::MB_OK | ui::MB_ICONSTOP) << QList<int>{QMessageBox::Ok}
                               << int(QMessageBox::Critical) << int(QMessageBox::Ok) << ui::IDOK;
    QTest::newRow("ok/cancel, information")
        << (ui::MB_OKCANCEL | ui::MB_ICONINFORMATION)
        << QList<int>{QMessageBox::Ok, QMessageBox::Cancel} << int(QMessageBox::Information)
        << int(QMessageBox::Ok) << ui::IDOK;
  }

  void messageBoxOffersExactlyTheRequestedButtons() {
    QFETCH(unsigned, flags);
    QFETCH(QList<int>, buttons);
    QFETCH(int, icon);
    QFETCH(int, press);
    QFETCH(int, answer);
    QList<int> offered;
    int shown_icon = -1;
    QString caption;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      for (QAbstractButton* button : box->buttons()) offered << box->standardButton(button);
      shown_icon = box->icon();
      caption = box->windowTitle();
      // A question without Cancel cannot be escaped.
      QTest::keyClick(box, Qt::Key_Escape);
      if (!box->isVisible()) return;
      box->button(static_cast<QMessageBox::StandardButton>(press))->click();
    });
    const int result =
        ui::Application().MessageBox(u8"変換ログをクリアします."_sj, u8"確認"_sj, flags);
    std::sort(offered.begin(), offered.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(offered, buttons);
    QCOMPARE(shown_icon, icon);
    QCOMPARE(caption, Utf8(u8"確認"));
    const bool escapable = buttons.contains(QMessageBox::Cancel) || buttons.size() == 1;
    QCOMPARE(result, escapable ? (buttons.contains(QMessageBox::Cancel) ? ui::IDCANCEL : ui::IDOK)
                               : answer);
  }

  void openDialogFiltersInQtForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all files") << Utf8(u8"すべてのファイル(*.*)|*.*")
                               << QStringList{Utf8(u8"すべてのファイル(*.*) (*)")};
    QTest::newRow("two entries, several patterns")
        << Utf8(u8"キューファイル(*.pfc)|*.pfc|ページ|*.htm;*.html")
        << QStringList{Utf8(u8"キューファイル(*.pfc) (*.pfc)"), Utf8(u8"ページ (*.htm *.html)")};
  }

  void openDialogFiltersInQtForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtui::QtNameFilters(filter), expected);
  }

  void largeListIsModelBacked() {
    ShowMainWindow();
    ui::TListBox& list = *MainForm->ListBox1;
    for (int i = 0; i < 100000; ++i) list.Items().Add("/site/page" + std::to_string(i) + ".html");
    auto* view = qobject_cast<QListView*>(RenderedWidget(list));
    QVERIFY(view != nullptr);
    QCOMPARE(view->model()->rowCount(), 100000);
    QVERIFY(view->findChildren<QWidget*>().size() < 20);
    QCOMPARE(view->model()->data(view->model()->index(99999, 0)).toString(),
             QStringLiteral("/site/page99999.html"));

    // Selection runs both ways.
    list.SetSelected(99999, true);
    QVERIFY(view->selectionModel()->isRowSelected(99999, QModelIndex()));
    view->scrollToTop();
    const QRect first = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
    QVERIFY(list.Selected(0));
    QVERIFY(list.Selected(99999));
    QCOMPARE(list.SelCount(), 2);

    // The scrolling width is the model's horizontal extent.
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    list.SetHorizontalExtent(2000);
    QTRY_COMPARE(view->horizontalScrollBar()->maximum(), 2000 - view->viewport()->width());
    QVERIFY(RenderedWidget(*MainForm)->grab().save(ScreenshotPath("plyfix-main-list.png")));

    list.Items().Delete(0);
    QCOMPARE(view->model()->rowCount(), 99999);
    QCOMPARE(view->model()->data(view->model()->index(0, 0)).toString(),
             QStringLiteral("/site/page1.html"));
    QVERIFY(view->selectionModel()->isRowSelected(99998, QModelIndex()));
  }

  void menuShortcutRunsItemOnce() {
    ShowMainWindow();
    int deletes = 0;
    int key_presses = 0;
    MainForm->Delete1->OnClick = [&](ui::TObject*) { ++deletes; };
    MainForm->ListBox1->OnKeyPress = [&](ui::TObject*, char&) { ++key_presses; };
    QWidget* list = RenderedWidget(*MainForm->ListBox1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(deletes, 1);
    QCOMPARE(key_presses, 0);

    auto* bar = RenderedWidget(*MainForm)->findChild<QMenuBar*>();
    QVERIFY(bar != nullptr && bar->isVisible());
    QCOMPARE(bar->actions().size(), 4);
    QCOMPARE(bar->actions()[0]->text(), Utf8(u8"ファイル(&F)"));
    const QList<QAction*> edit_items = bar->actions()[1]->menu()->actions();
    QCOMPARE(edit_items[0]->text(), Utf8(u8"選択ファイルをリストから削除(&D)\tDel"));
    QCOMPARE(edit_items[1]->text(), Utf8(u8"リストのクリア(&C)\tShift+Del"));
    QVERIFY(edit_items[2]->isSeparator());
    QCOMPARE(bar->actions()[0]->menu()->actions()[0]->text(), Utf8(u8"ファイル追加(&A)\tCtrl+A"));
  }

  // With the focus in a text box the keys it edits with act on its text, not
  // as the menu shortcuts they also are (Del, Shift+Del, Ctrl+A).
  void textBoxKeepsEditingKeys_data() {
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("expected");
    const int ctrl_a = QKeyCombination(Qt::ControlModifier, Qt::Key_A).toCombined();
    const int ctrl_c = QKeyCombination(Qt::ControlModifier, Qt::Key_C).toCombined();
    const int ctrl_v = QKeyCombination(Qt::ControlModifier, Qt::Key_V).toCombined();
    const int ctrl_x = QKeyCombination(Qt::ControlModifier, Qt::Key_X).toCombined();
    const int ctrl_z = QKeyCombination(Qt::ControlModifier, Qt::Key_Z).toCombined();
    const int shift_del = QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete).toCombined();
    QTest::newRow("Del") << true << 0 << QList<int>{Qt::Key_Delete} << "bc";
    QTest::newRow("BackSpace") << true << 3 << QList<int>{Qt::Key_Backspace} << "ab";
    QTest::newRow("Home, Del") << true << 2 << QList<int>{Qt::Key_Home, Qt::Key_Delete} << "bc";
    QTest::newRow("End, BackSpace")
        << true << 0 << QList<int>{Qt::Key_End, Qt::Key_Backspace} << "ab";
    QTest::newRow("Ctrl+A, typing") << true << 1 << QList<int>{ctrl_a, Qt::Key_X} << "x";
    QTest::newRow("Ctrl+C, End, Ctrl+V")
        << true << 0 << QList<int>{ctrl_a, ctrl_c, Qt::Key_End, ctrl_v} << "abcabc";
    QTest::newRow("Shift+Del, Ctrl+V twice")
        << true << 0 << QList<int>{ctrl_a, shift_del, ctrl_v, ctrl_v} << "abcabc";
    QTest::newRow("Ctrl+X") << true << 0 << QList<int>{ctrl_a, ctrl_x} << "";
    QTest::newRow("Ctrl+Z") << true << 3 << QList<int>{Qt::Key_X, ctrl_z} << "abc";
    QTest::newRow("edit box: Del, Ctrl+A, BackSpace")
        << false << 0 << QList<int>{Qt::Key_Delete, ctrl_a, Qt::Key_Backspace} << "";
  }

  void textBoxKeepsEditingKeys() {
    QFETCH(bool, combo);
    QFETCH(int, cursor);
    QFETCH(QList<int>, keys);
    QFETCH(QString, expected);
    ShowMainWindow();
    int menu_clicks = 0;
    for (ui::TMenuItem* item : {MainForm->Delete1, MainForm->C1, MainForm->A1}) {
      item->OnClick = [&](ui::TObject*) { ++menu_clicks; };
    }
    MainForm->RadioGroup2->SetItemIndex(2);
    MainForm->RadioGroup2Click(MainForm->RadioGroup2);
    combo ? MainForm->Edit1->SetText("abc") : MainForm->Edit3->SetText("abc");
    QWidget* widget = combo ? RenderedWidget(*MainForm->Edit1) : RenderedWidget(*MainForm->Edit3);
    QVERIFY(widget != nullptr && widget->isVisible());
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    auto* line =
        combo ? qobject_cast<QComboBox*>(widget)->lineEdit() : qobject_cast<QLineEdit*>(widget);
    line->setCursorPosition(cursor);
    for (int key : keys) {
      const QKeyCombination combination = QKeyCombination::fromCombined(key);
      QTest::keyClick(QApplication::focusWidget(), combination.key(),
                      combination.keyboardModifiers());
    }
    QCOMPARE(qtui::ToQString(combo ? MainForm->Edit1->Text() : MainForm->Edit3->Text()), expected);
    QCOMPARE(menu_clicks, 0);
  }

  // In every operation the main window shows each caption whole in the Japanese
  // font, group children below the caption line inside the frame, plain menu
  // separators, and flat buttons that raise under the mouse and stay down.
  void layoutShowsWholeCaptions() {
    ShowMainWindow();
    QWidget* window = RenderedWidget(*MainForm);
    for (int operation : {0, 1, 2}) {
      MainForm->RadioGroup1->SetItemIndex(operation);
      MainForm->RadioGroup1Click(MainForm->RadioGroup1);
      for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (!text.isEmpty()) {
          QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(text));
        }
        if (auto* frame = dynamic_cast<qtui::GroupFrame*>(widget->parentWidget())) {
          QVERIFY2(widget->y() > frame->fontMetrics().height(), qPrintable(frame->Caption()));
        }
      }
    }
    QVERIFY(window->grab().save(ScreenshotPath("plyfix-main-delete.png")));
    for (QAction* menu : window->findChild<QMenuBar*>()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (item->isSeparator()) QVERIFY(item->text().isEmpty());
      }
    }
    auto* path = qobject_cast<QToolButton*>(RenderedWidget(*MainForm->PathButton));
    auto* log = qobject_cast<QToolButton*>(RenderedWidget(*MainForm->LogButton));
    QVERIFY(path->autoRaise() && log->autoRaise());
    QVERIFY(log->isCheckable());
    QCOMPARE(log->isChecked(), MainForm->LogButton->Down());
  }

  void droppedFilesReachModelInOrder() {
    ShowMainWindow();
    const std::string second = program_->Folder().Path(u8"ページ.html"_sj);
    const std::string first = program_->Folder().Path("z.txt");
    platform_test::Spill(platform::Cp932ToUtf8(second), "x");
    platform_test::Spill(first, "y");
    std::vector<std::string> dropped;
    MainForm->OnDropFiles = [&](ui::TObject*, const std::vector<std::string>& names) {
      dropped = names;
    };
    QWidget* window = RenderedWidget(*MainForm);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(qtui::ToQString(first)),
                  QUrl::fromLocalFile(qtui::ToQString(second))});
    const QPoint at = RenderedWidget(*MainForm->ListBox1)->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QTRY_COMPARE(dropped.size(), std::size_t{2});
    QCOMPARE(dropped[0], first);
    QCOMPARE(dropped[1], second);
  }

  void fiveAnswerDialogKeys_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter on the first button") << QList<int>{Qt::Key_Return} << ui::mrYes;
    QTest::newRow("Esc does nothing, Alt+L")
        << QList<int>{Qt::Key_Escape, QKeyCombination(Qt::AltModifier, Qt::Key_L).toCombined()}
        << ui::mrNoToAll;
  }

  void fiveAnswerDialogKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(int, answer);
    ShowMainWindow();
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      QVERIFY(dialog->grab().save(ScreenshotPath("plyfix-dialog.png")));
      for (int key : keys) {
        QVERIFY(dialog->isVisible());
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && focus->window() == dialog);
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(focus, combination.key(), combination.keyboardModifiers());
      }
    });
    // Ends with the test, so that it never fires into a later test's dialogs.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
      if (QWidget* stuck = QApplication::activeModalWidget())
        stuck->findChild<QPushButton*>()->click();
    });
    rescue.start(5000);
    const int result = AskFiveAnswers(
        MainForm, u8"バックアップファイル a.html.bak は既にあります.\n上書きしますか?"_sj);
    QCOMPARE(result, answer);
  }

 private:
  // Writes log lines the way a run does (appended, and inserted near the top),
  // then checks that the window shows exactly the model's lines.
  static void WriteLog(ui::TMemo& log) {
    ui::TItems& lines = log.Lines();
    lines.Add("");
    lines.Add(u8"2026/01/05 10:00:00 置換 「旧社名」→「新社名」 開始"_sj);
    lines.Add(u8"/home/site/public_html/お知らせ/2025/index.html : 3 箇所を置換しました"_sj);
    lines.Insert(1, u8"/home/site/public_html/会社概要.html : 1 箇所を置換しました"_sj);
    lines.Insert(0, "top");
    lines.Delete(0);
    lines.SetStrings(1, lines[1] + " *");
    lines.Add(u8"2026/01/05 10:00:01 終了 (2 ファイル)"_sj);
    QStringList expected;
    for (int i = 0; i < lines.Count(); ++i) expected << qtui::ToQString(lines[i]);
    auto* editor = qobject_cast<QPlainTextEdit*>(RenderedWidget(log));
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->toPlainText(), expected.join(u'\n'));
  }

  void ShowMainWindow() {
    QtProgramFixture::ShowMainWindow();
    QWidget* window = RenderedWidget(*MainForm);
    QVERIFY(window != nullptr);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
  }

  std::unique_ptr<QtProgramFixture> program_;
};

// The test classes of the other files in this folder.
int RunPrefDialogTest(int argc, char** argv);
int RunDropTests(int argc, char** argv);
int RunSessionTests(int argc, char** argv);

int main(int argc, char** argv) {
  // Runs without a display unless told otherwise.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QtSmokeTest test;
  const int smoke = QTest::qExec(&test, argc, argv);
  return RunPrefDialogTest(argc, argv) | RunDropTests(argc, argv) | RunSessionTests(argc, argv) |
         smoke;
}

#include "qt_smoke_test.moc"
