#include "qt/check_box_peer.h"

#include <QPointer>

#include "qt/text.h"

namespace qtui {

CheckBoxPeer::CheckBoxPeer(Renderer& renderer, ui::TCheckBox& check, QWidget* parent)
    : WidgetPeer(renderer, check, new QCheckBox(parent)) {
  auto* box = static_cast<QCheckBox*>(Widget());
  box->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(box, &QCheckBox::clicked, box, [this] {
    if (Applying() || Control() == nullptr) return;
    const QPointer<QWidget> alive(Widget());
    Control()->Click();
    if (alive != nullptr) Changed(ui::Property::Checked);
  });
}

void CheckBoxPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Checked);
}

void CheckBoxPeer::Changed(ui::Property property) {
  const auto* check = static_cast<const ui::TCheckBox*>(Control());
  if (check == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* box = static_cast<QCheckBox*>(Widget());
  switch (property) {
    case ui::Property::Caption:
      box->setText(ToQString(check->Caption()));
      PlaceCaptionedButton();
      break;
    case ui::Property::Checked:
      box->setChecked(check->Checked());
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void CheckBoxPeer::ApplyBounds() {
  PlaceCaptionedButton();
}

void CheckBoxPeer::ApplyFont() {
  WidgetPeer::ApplyFont();
  PlaceCaptionedButton();
}

}  // namespace qtui
