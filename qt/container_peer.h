#pragma once
// ContainerPeer: a plain widget for a control of no kind of its own (a tab
// sheet's page, a bare window control); it only holds its children.

#include "qt/widget_peer.h"

namespace qtui {

class ContainerPeer : public WidgetPeer {
 public:
  ContainerPeer(Renderer& renderer, ui::TControl& control, QWidget* parent);
};

}  // namespace qtui
