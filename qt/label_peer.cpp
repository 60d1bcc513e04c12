#include "qt/label_peer.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

#include "qt/keys.h"
#include "qt/text.h"

namespace qtui {
namespace {

class MouseLabel : public QLabel {
 public:
  MouseLabel(LabelPeer& peer, QWidget* parent) : QLabel(parent), peer_(peer) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    peer_.UserMouse(true, event->button(), event->modifiers(), event->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    peer_.UserMouse(false, event->button(), event->modifiers(), event->position().toPoint());
  }

 private:
  LabelPeer& peer_;
};

Qt::Alignment ToAlignment(ui::TAlignment alignment) {
  switch (alignment) {
    case ui::taRightJustify:
      return Qt::AlignRight | Qt::AlignTop;
    case ui::taCenter:
      return Qt::AlignHCenter | Qt::AlignTop;
    case ui::taLeftJustify:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

ui::TMouseButton ToMouseButton(Qt::MouseButton button) {
  if (button == Qt::RightButton) return ui::mbRight;
  if (button == Qt::MiddleButton) return ui::mbMiddle;
  return ui::mbLeft;
}

}  // namespace

LabelPeer::LabelPeer(Renderer& renderer, ui::TLabel& label, QWidget* parent)
    : WidgetPeer(renderer, label, new MouseLabel(*this, parent)) {
  static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

void LabelPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Alignment);
  Changed(ui::Property::WordWrap);
}

void LabelPeer::Changed(ui::Property property) {
  const auto* label = static_cast<const ui::TLabel*>(Control());
  if (label == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* text = static_cast<QLabel*>(Widget());
  switch (property) {
    case ui::Property::Caption:
      text->setText(PlainCaption(ToQString(label->Caption())));
      break;
    case ui::Property::Alignment:
      text->setAlignment(ToAlignment(label->Alignment()));
      break;
    case ui::Property::WordWrap:
      text->setWordWrap(label->WordWrap());
      break;
    case ui::Property::Transparent:
      ApplyFont();
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void LabelPeer::ApplyFont() {
  WidgetPeer::ApplyFont();
  if (static_cast<const ui::TLabel*>(Control())->Transparent()) {
    Widget()->setAutoFillBackground(false);
  }
}

void LabelPeer::UserMouse(bool down, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                          QPoint at) {
  ui::TControl* label = Control();
  if (label == nullptr) return;
  const QPointer<QWidget> alive(Widget());
  const ui::TShiftState shift = ShiftState(modifiers);
  if (down) {
    label->MouseDown(ToMouseButton(button), shift, at.x(), at.y());
    return;
  }
  if (button == Qt::LeftButton && Widget()->rect().contains(at)) label->Click();
  if (alive != nullptr && Control() != nullptr) {
    Control()->MouseUp(ToMouseButton(button), shift, at.x(), at.y());
  }
}

}  // namespace qtui
