#pragma once
// SpeedButtonPeer: a speed button as a QToolButton, flat when Flat, checkable
// when it belongs to a group (GroupIndex) so that it stays down as the model's
// Down says. It never takes the focus, as a speed button does not.

#include <QToolButton>

#include "qt/widget_peer.h"
#include "ui/speed_button.h"

namespace qtui {

class SpeedButtonPeer : public WidgetPeer {
 public:
  SpeedButtonPeer(Renderer& renderer, ui::TSpeedButton& button, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;

 protected:
  void ApplyBounds() override;
  void ApplyFont() override;
};

}  // namespace qtui
