#pragma once
// RadioButtonPeer: a radio button as a QRadioButton that Qt does not group; the
// model checks it and unchecks its siblings, and the widgets follow.

#include <QRadioButton>

#include "qt/widget_peer.h"
#include "ui/radio_button.h"

namespace qtui {

class RadioButtonPeer : public WidgetPeer {
 public:
  RadioButtonPeer(Renderer& renderer, ui::TRadioButton& radio, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;

 protected:
  void ApplyBounds() override;
  void ApplyFont() override;
};

}  // namespace qtui
