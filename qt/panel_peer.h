#pragma once
// PanelPeer: a panel as a frame; its outer bevel sets the frame's shadow (raised
// or lowered), the bevels drawn set its width, and the caption is painted in the
// middle, beneath the children.

#include "qt/widget_peer.h"
#include "ui/panel.h"

namespace qtui {

class PanelPeer : public WidgetPeer {
 public:
  PanelPeer(Renderer& renderer, ui::TPanel& panel, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;

 private:
  void ApplyBevel();
};

}  // namespace qtui
