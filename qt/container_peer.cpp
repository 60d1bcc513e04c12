#include "qt/container_peer.h"

namespace qtui {

ContainerPeer::ContainerPeer(Renderer& renderer, ui::TControl& control, QWidget* parent)
    : WidgetPeer(renderer, control, new QWidget(parent)) {}

}  // namespace qtui
