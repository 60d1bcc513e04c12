#include "qt/menu_bar_peer.h"

#include "qt/menu_item_peer.h"
#include "qt/renderer.h"

namespace qtui {

MenuBarPeer::MenuBarPeer(Renderer& renderer, QMenuBar* bar) : renderer_(renderer), bar_(bar) {}

void MenuBarPeer::Sync() {
  const auto* menu = static_cast<const ui::TMenuItem*>(Component());
  if (menu != nullptr && bar_ != nullptr) FillMenu(renderer_, *menu, *bar_);
}

void MenuBarPeer::Changed(ui::Property property) {
  if (property == ui::Property::Children) Sync();
}

void MenuBarPeer::ComponentDestroyed() {
  renderer_.Discard(this);
}

}  // namespace qtui
