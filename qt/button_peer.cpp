#include "qt/button_peer.h"

#include "qt/text.h"

namespace qtui {

ButtonPeer::ButtonPeer(Renderer& renderer, ui::TButton& button, QWidget* parent)
    : WidgetPeer(renderer, button, new QPushButton(parent)) {
  auto* push = static_cast<QPushButton*>(Widget());
  push->setAutoDefault(false);
  push->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(push, &QPushButton::clicked, push, [this] {
    if (!Applying() && Control() != nullptr) Control()->Click();
  });
}

void ButtonPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Default);
}

void ButtonPeer::Changed(ui::Property property) {
  const auto* button = static_cast<const ui::TButton*>(Control());
  if (button == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* push = static_cast<QPushButton*>(Widget());
  switch (property) {
    case ui::Property::Caption:
      push->setText(ToQString(button->Caption()));
      break;
    case ui::Property::Default:
      push->setDefault(button->Default());
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

}  // namespace qtui
