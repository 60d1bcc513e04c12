#pragma once
// MenuBarPeer: a form's main menu shown in the window's menu bar; its peer sits on
// the main menu's Items(), whose entries are the menus of the bar.

#include <QMenuBar>
#include <QPointer>

#include "ui/menu_item.h"
#include "ui/peer.h"

namespace qtui {

class Renderer;

class MenuBarPeer : public ui::ControlPeer {
 public:
  MenuBarPeer(Renderer& renderer, QMenuBar* bar);

  QMenuBar* Bar() const { return bar_; }
  void Sync();
  void Changed(ui::Property property) override;
  void ComponentDestroyed() override;

 private:
  Renderer& renderer_;
  QPointer<QMenuBar> bar_;
};

}  // namespace qtui
