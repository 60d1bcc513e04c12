#include "qt/input_router.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "qt/form_peer.h"
#include "qt/keys.h"
#include "qt/widget_peer.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/memo.h"

namespace qtui {
namespace {

// The control that a key pressed in widget goes to, and the form it lies on.
struct KeyTarget {
  ui::TControl* control = nullptr;
  ui::TForm* form = nullptr;
};

KeyTarget TargetOf(const QWidget* widget) {
  WidgetPeer* peer = WidgetPeer::Of(widget);
  if (peer == nullptr || peer->Control() == nullptr) return {};
  ui::TControl* control = peer->Control();
  return {control, control->ParentForm()};
}

// The single-byte character a key types (Enter, Backspace, Esc and control
// characters included), or 0.
char TypedChar(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() >= 0x80) return 0;
  return static_cast<char>(text[0].unicode());
}

// An edit box, the edit part of a combo box or a memo.
bool IsTextBox(const QWidget& widget) {
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->isEditable();
  return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(&widget) != nullptr;
}

}  // namespace

InputRouter::InputRouter() {
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

InputRouter::~InputRouter() {
  qApp->removeEventFilter(this);
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || resending_) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // A key travels up from the focused widget; it is routed once, where it starts,
  // and never into a window that a modal one blocks.
  if (widget == nullptr || widget != QApplication::focusWidget()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && widget->window() != modal) return false;
  return RouteKey(*widget, static_cast<QKeyEvent&>(*event));
}

bool InputRouter::RouteKey(QWidget& widget, QKeyEvent& event) {
  const unsigned short key = VirtualKey(event.key());
  const char typed = TypedChar(event);
  const ui::TShiftState shift = ShiftState(event.modifiers());
  if (key == 0 && typed == 0) return false;
  const QPointer<QWidget> alive(&widget);
  KeyTarget target = TargetOf(&widget);
  if (target.control == nullptr) return false;

  // A text box keeps the keys it edits with; a menu shortcut on such a key runs
  // only where the focus is elsewhere.
  const bool editing = IsTextBox(widget) && IsTextEditingKey(key, shift);
  if (key != 0 && !editing && target.form != nullptr && target.form->IsShortCut(key, shift)) {
    return true;
  }
  if (key == ui::VK_TAB) return false;
  if (target.form != nullptr && (key == ui::VK_RETURN || key == ui::VK_ESCAPE) &&
      dynamic_cast<ui::TMemo*>(target.control) == nullptr) {
    ui::TButton* button = nullptr;
    if (key == ui::VK_RETURN) {
      button = dynamic_cast<ui::TButton*>(target.control);
      if (button == nullptr) button = target.form->DefaultButton();
    } else {
      button = target.form->CancelButton();
    }
    if (button != nullptr) {
      button->Click();
      return true;
    }
  }

  if (key != 0 && target.control->KeyDown(key, shift) == 0) return true;
  if (alive == nullptr || typed == 0) return false;
  target = TargetOf(alive);
  if (target.control == nullptr) return true;
  const char left = target.control->KeyPress(typed);
  if (left == typed) return false;
  if (left != 0 && alive != nullptr) {
    // The handler changed the character: the widget gets the new one instead.
    QKeyEvent changed(QEvent::KeyPress, 0, event.modifiers(), QString(QChar(left)));
    resending_ = true;
    QApplication::sendEvent(alive, &changed);
    resending_ = false;
  }
  return true;
}

void InputRouter::FocusChanged(QWidget* now) {
  WidgetPeer* peer = WidgetPeer::Of(now);
  auto* control = peer != nullptr ? dynamic_cast<ui::TWinControl*>(peer->Control()) : nullptr;
  if (control == nullptr || dynamic_cast<ui::TForm*>(control) != nullptr) return;
  if (ui::TForm* form = control->ParentForm()) form->SetActiveControl(control);
}

}  // namespace qtui
