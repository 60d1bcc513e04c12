#include "qt/form_window.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "qt/form_peer.h"
#include "qt/text.h"

namespace qtui {
namespace {

// The dropped names in the order of the drop, as code page 932 paths; empty
// when anything dropped is not a local file or folder.
std::vector<std::string> DroppedNames(const QMimeData* data) {
  std::vector<std::string> names;
  if (data == nullptr || !data->hasUrls()) return names;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    names.push_back(FromQString(url.toLocalFile()));
  }
  return names;
}

}  // namespace

FormWindow::FormWindow(FormPeer& peer)
    : QWidget(nullptr, Qt::Window),
      peer_(peer),
      menu_bar_(new QMenuBar(this)),
      client_(new QWidget(this)) {
  menu_bar_->setNativeMenuBar(false);
  menu_bar_->hide();
}

int FormWindow::MenuHeight() const {
  return menu_bar_->isVisibleTo(this) ? menu_bar_->sizeHint().height() : 0;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The model decides whether and how the window closes.
  event->ignore();
  peer_.UserClose();
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  peer_.UserGeometry();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
  peer_.UserGeometry();
}

void FormWindow::LayOut() {
  const int menu = MenuHeight();
  menu_bar_->setGeometry(0, 0, width(), menu);
  client_->setGeometry(0, menu, width(), height() - menu);
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedNames(event->mimeData()).empty()) event->acceptProposedAction();
}

void FormWindow::dragMoveEvent(QDragMoveEvent* event) {
  event->acceptProposedAction();
}

void FormWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> names = DroppedNames(event->mimeData());
  if (names.empty()) return;
  event->acceptProposedAction();
  peer_.UserDrop(std::move(names));
}

}  // namespace qtui
