#include "qt/widget_peer.h"

#include <QApplication>
#include <QMouseEvent>

#include "qt/caption_fit.h"
#include "qt/renderer.h"
#include "qt/style.h"
#include "qt/text.h"
#include "ui/win_control.h"

namespace qtui {
namespace {

constexpr const char* kPeerProperty = "plyfix_peer";

// Watches a widget's mouse buttons and clicks its control when the left button
// goes down and up on it. It belongs to the widget and so goes with it.
class ClickRelay : public QObject {
 public:
  ClickRelay(WidgetPeer& peer, QWidget* widget) : QObject(widget), peer_(peer), widget_(widget) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_ || (event->type() != QEvent::MouseButtonPress &&
                               event->type() != QEvent::MouseButtonRelease)) {
      return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (mouse.button() != Qt::LeftButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = true;
      return true;
    }
    const bool clicked = pressed_ && widget_->rect().contains(mouse.position().toPoint());
    pressed_ = false;
    if (clicked && peer_.Control() != nullptr) peer_.Control()->Click();
    return true;
  }

 private:
  WidgetPeer& peer_;
  QWidget* widget_;
  bool pressed_ = false;
};

}  // namespace

WidgetPeer::WidgetPeer(Renderer& renderer, ui::TControl& control, QWidget* widget)
    : renderer_(renderer), widget_(widget) {
  widget_->setProperty(kPeerProperty, QVariant::fromValue(static_cast<void*>(this)));
  widget_->setObjectName(QString::fromStdString(control.Name()));
  // Files dropped anywhere on a form go to the form, as the shell's drop does.
  widget_->setAcceptDrops(false);
}

WidgetPeer::~WidgetPeer() {
  delete widget_.data();
}

ui::TControl* WidgetPeer::Control() const {
  return static_cast<ui::TControl*>(Component());
}

void WidgetPeer::Sync() {
  ApplyScope scope(*this);
  ApplyBounds();
  ApplyFont();
  ApplyHint();
  Changed(ui::Property::Enabled);
  Changed(ui::Property::Cursor);
  Changed(ui::Property::TabStop);
  ApplyVisible();
}

void WidgetPeer::Changed(ui::Property property) {
  ui::TControl* control = Control();
  if (control == nullptr || widget_ == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::Bounds:
      ApplyBounds();
      break;
    case ui::Property::Visible:
      ApplyVisible();
      break;
    case ui::Property::Enabled:
      widget_->setEnabled(control->Enabled());
      break;
    case ui::Property::Hint:
    case ui::Property::ShowHint:
      ApplyHint();
      break;
    case ui::Property::Font:
    case ui::Property::Color:
      ApplyFont();
      break;
    case ui::Property::Cursor:
      if (control->Cursor() == ui::crDefault) {
        widget_->unsetCursor();
      } else {
        widget_->setCursor(ToCursorShape(control->Cursor()));
      }
      break;
    case ui::Property::TabStop:
      if (widget_->focusPolicy() != Qt::NoFocus) {
        widget_->setFocusPolicy(control->TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
      }
      break;
    case ui::Property::Parent:
      ApplyParent();
      break;
    case ui::Property::Children:
      if (auto* window = dynamic_cast<ui::TWinControl*>(control)) renderer_.RenderChildren(*window);
      break;
    default:
      break;
  }
}

void WidgetPeer::ComponentDestroyed() {
  renderer_.Discard(this);
}

WidgetPeer* WidgetPeer::Of(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant peer = w->property(kPeerProperty);
    if (peer.isValid()) return static_cast<WidgetPeer*>(peer.value<void*>());
    if (w->isWindow()) break;
  }
  return nullptr;
}

void WidgetPeer::RelayClicks() {
  new ClickRelay(*this, widget_);
}

void WidgetPeer::ApplyBounds() {
  const ui::TControl& control = *Control();
  widget_->setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
}

int WidgetPeer::RoomToTheRight() const {
  const ui::TControl& control = *Control();
  const ui::TWinControl* parent = control.Parent();
  if (parent == nullptr) return control.Width();
  const int top = control.Top();
  const int bottom = top + control.Height();
  const int designed_right = control.Left() + control.Width();
  int right = std::max(parent->ClientRect().Right, designed_right);
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const ui::TControl& sibling = *parent->Controls(i);
    const bool same_rows = sibling.Top() < bottom && sibling.Top() + sibling.Height() > top;
    if (&sibling != &control && same_rows && sibling.Left() >= designed_right) {
      right = std::min(right, sibling.Left());
    }
  }
  return right - control.Left();
}

void WidgetPeer::PlaceCaptionedButton() {
  const ui::TControl& control = *Control();
  FitCaption(*static_cast<QAbstractButton*>(widget_.data()),
             QRect(control.Left(), control.Top(), control.Width(), control.Height()),
             RoomToTheRight(), ToQFont(control.Font()));
}

void WidgetPeer::ApplyVisible() {
  widget_->setVisible(Control()->Visible());
}

void WidgetPeer::ApplyFont() {
  const ui::TControl& control = *Control();
  widget_->setFont(ToQFont(control.Font()));
  ApplyPalette();
}

void WidgetPeer::ApplyPalette() {
  const ui::TControl& control = *Control();
  const QPalette base = QApplication::palette(widget_);
  QPalette palette = widget_->palette();
  const bool painted = control.Color() != NaturalColor();
  const QColor background =
      painted ? ToQColor(control.Color(), base) : base.color(BackgroundRole());
  const QColor text = ToQColor(control.Font().Color(), base);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, BackgroundRole(), background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(group, role,
                       control.Font().Color() == ui::clWindowText ? base.color(group, role) : text);
    }
  }
  widget_->setPalette(palette);
  if (BackgroundRole() == QPalette::Window) widget_->setAutoFillBackground(painted);
}

void WidgetPeer::ApplyHint() {
  const ui::TControl& control = *Control();
  widget_->setToolTip(control.ShowHint() ? ToolTipText(ToQString(control.Hint())) : QString());
  // Children that take ShowHint from this control follow it.
  if (const auto* window = dynamic_cast<const ui::TWinControl*>(&control)) {
    for (int i = 0; i < window->ControlCount(); ++i) {
      if (auto* child = dynamic_cast<WidgetPeer*>(window->Controls(i)->Peer())) child->ApplyHint();
    }
  }
}

void WidgetPeer::ApplyParent() {
  const ui::TWinControl* parent = Control()->Parent();
  auto* parent_peer = parent != nullptr ? dynamic_cast<WidgetPeer*>(parent->Peer()) : nullptr;
  if (parent_peer == nullptr) {
    widget_->hide();
    return;
  }
  if (widget_->parentWidget() != parent_peer->Container()) {
    widget_->setParent(parent_peer->Container());
  }
  ApplyBounds();
  ApplyVisible();
}

QWidget* RenderedWidget(const ui::TComponent& component) {
  auto* peer = dynamic_cast<WidgetPeer*>(component.Peer());
  return peer != nullptr ? peer->Widget() : nullptr;
}

}  // namespace qtui
