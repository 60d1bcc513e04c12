#include "qt/message_box.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/types.h"

namespace qtui {
namespace {

// Esc and the close box answer only where the box has a way out (OK alone, or
// Cancel); a Yes/No question must be answered by a button, as on Windows.
class AnswerBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  QAbstractButton* way_out = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      if (way_out != nullptr) way_out->click();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (way_out != nullptr) way_out->click();
  }
};

QString ButtonText(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return QString::fromUtf8(u8"はい(&Y)");
    case QMessageBox::No:
      return QString::fromUtf8(u8"いいえ(&N)");
    case QMessageBox::Cancel:
      return QString::fromUtf8(u8"キャンセル");
    case QMessageBox::Abort:
      return QString::fromUtf8(u8"中止(&A)");
    case QMessageBox::Retry:
      return QString::fromUtf8(u8"再試行(&R)");
    case QMessageBox::Ignore:
      return QString::fromUtf8(u8"無視(&I)");
    default:
      return QStringLiteral("OK");
  }
}

}  // namespace

std::vector<QMessageBox::StandardButton> MessageBoxButtons(unsigned flags) {
  switch (flags & ui::MB_TYPEMASK) {
    case ui::MB_OKCANCEL:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case ui::MB_ABORTRETRYIGNORE:
      return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case ui::MB_YESNOCANCEL:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case ui::MB_YESNO:
      return {QMessageBox::Yes, QMessageBox::No};
    case ui::MB_RETRYCANCEL:
      return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
      return {QMessageBox::Ok};
  }
}

QMessageBox::Icon MessageBoxIcon(unsigned flags) {
  switch (flags & ui::MB_ICONMASK) {
    case ui::MB_ICONSTOP:
      return QMessageBox::Critical;
    case ui::MB_ICONQUESTION:
      return QMessageBox::Question;
    case ui::MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case ui::MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int MessageBoxAnswer(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return ui::IDCANCEL;
    case QMessageBox::Abort:
      return ui::IDABORT;
    case QMessageBox::Retry:
      return ui::IDRETRY;
    case QMessageBox::Ignore:
      return ui::IDIGNORE;
    case QMessageBox::Yes:
      return ui::IDYES;
    case QMessageBox::No:
      return ui::IDNO;
    default:
      return ui::IDOK;
  }
}

int ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags) {
  AnswerBox box(parent);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(MessageBoxIcon(flags));
  const std::vector<QMessageBox::StandardButton> buttons = MessageBoxButtons(flags);
  for (QMessageBox::StandardButton kind : buttons) {
    QAbstractButton* button = box.addButton(kind);
    button->setText(ButtonText(kind));
    if (kind == QMessageBox::Cancel || buttons.size() == 1) box.way_out = button;
  }
  box.setDefaultButton(buttons.front());
  box.exec();
  QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
  if (clicked == QMessageBox::NoButton) {
    // Ended without an answer (the program is ending): the answer that does least.
    clicked = buttons.back();
    for (QMessageBox::StandardButton kind : buttons) {
      if (kind == QMessageBox::No || kind == QMessageBox::Cancel) clicked = kind;
    }
  }
  return MessageBoxAnswer(clicked);
}

}  // namespace qtui
