#include "qt/up_down_peer.h"

namespace qtui {

UpDownPeer::UpDownPeer(Renderer& renderer, ui::TUpDown& up_down, QWidget* parent)
    : WidgetPeer(renderer, up_down, new QWidget(parent)),
      up_(MakeArrow(Qt::UpArrow, ui::btNext)),
      down_(MakeArrow(Qt::DownArrow, ui::btPrev)) {}

QToolButton* UpDownPeer::MakeArrow(Qt::ArrowType arrow, ui::TUDBtnType step) {
  auto* button = new QToolButton(Widget());
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  QObject::connect(button, &QToolButton::clicked, button, [this, step] {
    if (auto* up_down = static_cast<ui::TUpDown*>(Control())) up_down->Click(step);
  });
  return button;
}

void UpDownPeer::ApplyBounds() {
  WidgetPeer::ApplyBounds();
  const int width = Control()->Width();
  const int half = Control()->Height() / 2;
  up_->setGeometry(0, 0, width, half);
  down_->setGeometry(0, half, width, Control()->Height() - half);
}

}  // namespace qtui
