#pragma once
// FormWindow: the top-level widget of a form: the menu bar on top and the client
// area below it. It passes what the person does to the window itself (closing,
// moving, resizing, dropping files) to its FormPeer.

#include <QMenuBar>
#include <QWidget>

namespace qtui {

class FormPeer;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(FormPeer& peer);

  QWidget* Client() const { return client_; }
  QMenuBar* MenuBar() const { return menu_bar_; }
  // The height the menu bar takes (0 while it is hidden).
  int MenuHeight() const;
  // Places the menu bar and the client area in the window.
  void LayOut();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  FormPeer& peer_;
  QMenuBar* menu_bar_;
  QWidget* client_;
};

}  // namespace qtui
