#pragma once
// InputRouter: watches the keyboard and the focus for the whole application and
// feeds them into the model the way the class library routes them: a key first
// may be a menu shortcut of the form (TForm::IsShortCut), unless a text box has
// the focus and edits with that key; Enter then presses the focused button or
// else the form's default button, Esc the cancel button; otherwise the focused
// control gets KeyDown and, for a character, KeyPress, whose handlers may swallow
// or change the key before the widget sees it. The focused control becomes its
// form's active control.

#include <QObject>
#include <QWidget>

class QKeyEvent;

namespace qtui {

class InputRouter : public QObject {
 public:
  // Installs itself on the application.
  InputRouter();
  ~InputRouter() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when the model consumed the key.
  bool RouteKey(QWidget& widget, QKeyEvent& event);
  void FocusChanged(QWidget* now);

  bool resending_ = false;
};

}  // namespace qtui
