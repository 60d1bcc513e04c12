#pragma once
// Renderer: makes and keeps the peers that render the model as Qt widgets, one
// peer per component, its class chosen by the kind of control, so that any form
// renders without code of its own. A peer lives until its component is
// destroyed or the renderer goes.

#include <QMenuBar>
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/peer.h"

namespace qtui {

class FormPeer;
class MenuBarPeer;
class MenuItemPeer;
class WidgetPeer;

class Renderer {
 public:
  Renderer();
  // Detaches every peer from its component and deletes the widgets.
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The peer of form's window, with peers for its controls and its menu; made on first use.
  FormPeer& Render(ui::TForm& form);
  // Makes peers for the children of parent that have none, and moves the widgets
  // of those that have one into parent's widget.
  void RenderChildren(ui::TWinControl& parent);
  // The peer showing menu's entries in bar (menu is a main menu's Items()).
  MenuBarPeer& RenderMenuBar(ui::TMenuItem& menu, QMenuBar* bar);
  // The peer of a menu entry (and of its entries), made on first use.
  MenuItemPeer& RenderMenuItem(ui::TMenuItem& item);
  // Forgets and deletes a peer whose component is gone.
  void Discard(ui::ControlPeer* peer);

 private:
  WidgetPeer& RenderControl(ui::TControl& control, QWidget* parent);
  template <class Peer>
  Peer& Adopt(std::unique_ptr<Peer> peer, ui::TComponent& component);

  std::unordered_map<ui::ControlPeer*, std::unique_ptr<ui::ControlPeer>> peers_;
};

}  // namespace qtui
