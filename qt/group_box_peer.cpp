#include "qt/group_box_peer.h"

#include "qt/group_frame.h"
#include "qt/text.h"

namespace qtui {

GroupBoxPeer::GroupBoxPeer(Renderer& renderer, ui::TGroupBox& box, QWidget* parent)
    : WidgetPeer(renderer, box, new GroupFrame(parent)) {
  RelayClicks();
}

void GroupBoxPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
}

void GroupBoxPeer::Changed(ui::Property property) {
  if (Control() == nullptr || Widget() == nullptr) return;
  if (property == ui::Property::Caption) {
    static_cast<GroupFrame*>(Widget())->SetCaption(ToQString(Control()->Caption()));
    return;
  }
  WidgetPeer::Changed(property);
}

}  // namespace qtui
