#include "qt/radio_button_peer.h"

#include <QPointer>

#include "qt/text.h"

namespace qtui {

RadioButtonPeer::RadioButtonPeer(Renderer& renderer, ui::TRadioButton& radio, QWidget* parent)
    : WidgetPeer(renderer, radio, new QRadioButton(parent)) {
  auto* button = static_cast<QRadioButton*>(Widget());
  button->setAutoExclusive(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QRadioButton::clicked, button, [this] {
    if (Applying() || Control() == nullptr) return;
    const QPointer<QWidget> alive(Widget());
    Control()->Click();
    if (alive != nullptr) Changed(ui::Property::Checked);
  });
}

void RadioButtonPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Checked);
}

void RadioButtonPeer::Changed(ui::Property property) {
  const auto* radio = static_cast<const ui::TRadioButton*>(Control());
  if (radio == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* button = static_cast<QRadioButton*>(Widget());
  switch (property) {
    case ui::Property::Caption:
      button->setText(ToQString(radio->Caption()));
      PlaceCaptionedButton();
      break;
    case ui::Property::Checked:
      button->setChecked(radio->Checked());
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void RadioButtonPeer::ApplyBounds() {
  PlaceCaptionedButton();
}

void RadioButtonPeer::ApplyFont() {
  WidgetPeer::ApplyFont();
  PlaceCaptionedButton();
}

}  // namespace qtui
