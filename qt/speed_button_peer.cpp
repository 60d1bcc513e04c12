#include "qt/speed_button_peer.h"

#include <QPointer>

#include "qt/text.h"

namespace qtui {

SpeedButtonPeer::SpeedButtonPeer(Renderer& renderer, ui::TSpeedButton& button, QWidget* parent)
    : WidgetPeer(renderer, button, new QToolButton(parent)) {
  auto* tool = static_cast<QToolButton*>(Widget());
  tool->setFocusPolicy(Qt::NoFocus);
  tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
  QObject::connect(tool, &QToolButton::clicked, tool, [this] {
    if (Applying() || Control() == nullptr) return;
    const QPointer<QWidget> alive(Widget());
    Control()->Click();
    // The model decides whether the button stays down, whatever Qt toggled.
    if (alive != nullptr) Changed(ui::Property::Down);
  });
}

void SpeedButtonPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Flat);
  Changed(ui::Property::GroupIndex);
}

void SpeedButtonPeer::Changed(ui::Property property) {
  const auto* button = static_cast<const ui::TSpeedButton*>(Control());
  if (button == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* tool = static_cast<QToolButton*>(Widget());
  switch (property) {
    case ui::Property::Caption:
      tool->setText(ToQString(button->Caption()));
      PlaceCaptionedButton();
      break;
    case ui::Property::Flat:
      tool->setAutoRaise(button->Flat());
      break;
    case ui::Property::GroupIndex:
    case ui::Property::Down:
      tool->setCheckable(button->GroupIndex() != 0);
      tool->setChecked(button->Down());
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void SpeedButtonPeer::ApplyBounds() {
  PlaceCaptionedButton();
}

void SpeedButtonPeer::ApplyFont() {
  WidgetPeer::ApplyFont();
  PlaceCaptionedButton();
}

}  // namespace qtui
