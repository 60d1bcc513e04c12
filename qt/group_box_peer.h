#pragma once
// GroupBoxPeer: a group box as a QGroupBox whose title is the caption.

#include "qt/widget_peer.h"
#include "ui/group_box.h"

namespace qtui {

class GroupBoxPeer : public WidgetPeer {
 public:
  GroupBoxPeer(Renderer& renderer, ui::TGroupBox& box, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;
};

}  // namespace qtui
