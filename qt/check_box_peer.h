#pragma once
// CheckBoxPeer: a check box as a QCheckBox. A click toggles the box in the model
// (firing OnClick); the widget always shows the model's state.

#include <QCheckBox>

#include "qt/widget_peer.h"
#include "ui/check_box.h"

namespace qtui {

class CheckBoxPeer : public WidgetPeer {
 public:
  CheckBoxPeer(Renderer& renderer, ui::TCheckBox& check, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;

 protected:
  void ApplyBounds() override;
  void ApplyFont() override;
};

}  // namespace qtui
