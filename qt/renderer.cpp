#include "qt/renderer.h"

#include "qt/button_peer.h"
#include "qt/check_box_peer.h"
#include "qt/combo_box_peer.h"
#include "qt/container_peer.h"
#include "qt/edit_peer.h"
#include "qt/form_peer.h"
#include "qt/group_box_peer.h"
#include "qt/label_peer.h"
#include "qt/list_box_peer.h"
#include "qt/memo_peer.h"
#include "qt/menu_bar_peer.h"
#include "qt/menu_item_peer.h"
#include "qt/page_control_peer.h"
#include "qt/panel_peer.h"
#include "qt/radio_button_peer.h"
#include "qt/radio_group_peer.h"
#include "qt/speed_button_peer.h"
#include "qt/static_text_peer.h"
#include "qt/tab_sheet_peer.h"
#include "qt/up_down_peer.h"
#include "ui/controls.h"

namespace qtui {
namespace {

// Makes the peer of the first kind in Kinds that control is, else a plain container.
template <class Kind, class Peer, class... More>
struct PeerFor {
  static std::unique_ptr<WidgetPeer> Make(Renderer& renderer, ui::TControl& control,
                                          QWidget* parent) {
    if (auto* kind = dynamic_cast<Kind*>(&control)) {
      return std::make_unique<Peer>(renderer, *kind, parent);
    }
    if constexpr (sizeof...(More) > 0) {
      return PeerFor<More...>::Make(renderer, control, parent);
    } else {
      return std::make_unique<ContainerPeer>(renderer, control, parent);
    }
  }
};

// Derived kinds come before their bases.
using AnyControl = PeerFor<             //
    ui::TRadioGroup, RadioGroupPeer,    //
    ui::TGroupBox, GroupBoxPeer,        //
    ui::TPanel, PanelPeer,              //
    ui::TPageControl, PageControlPeer,  //
    ui::TTabSheet, TabSheetPeer,        //
    ui::TListBox, ListBoxPeer,          //
    ui::TComboBox, ComboBoxPeer,        //
    ui::TEdit, EditPeer,                //
    ui::TMemo, MemoPeer,                //
    ui::TUpDown, UpDownPeer,            //
    ui::TCheckBox, CheckBoxPeer,        //
    ui::TRadioButton, RadioButtonPeer,  //
    ui::TButton, ButtonPeer,            //
    ui::TSpeedButton, SpeedButtonPeer,  //
    ui::TLabel, LabelPeer,              //
    ui::TStaticText, StaticTextPeer>;

}  // namespace

Renderer::Renderer() = default;

Renderer::~Renderer() {
  auto peers = std::move(peers_);
  peers_.clear();
  // Windows first, so that no child widget outlives the peer that knows it.
  for (auto& [raw, peer] : peers) {
    if (dynamic_cast<FormPeer*>(raw) != nullptr) peer.reset();
  }
  peers.clear();
}

template <class Peer>
Peer& Renderer::Adopt(std::unique_ptr<Peer> peer, ui::TComponent& component) {
  Peer& adopted = *peer;
  component.SetPeer(&adopted);
  peers_.emplace(&adopted, std::move(peer));
  return adopted;
}

FormPeer& Renderer::Render(ui::TForm& form) {
  if (auto* peer = dynamic_cast<FormPeer*>(form.Peer())) return *peer;
  FormPeer& peer = Adopt(std::make_unique<FormPeer>(*this, form), form);
  peer.Sync();
  RenderChildren(form);
  return peer;
}

void Renderer::RenderChildren(ui::TWinControl& parent) {
  auto* parent_peer = dynamic_cast<WidgetPeer*>(parent.Peer());
  if (parent_peer == nullptr) return;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    ui::TControl& child = *parent.Controls(i);
    auto* peer = dynamic_cast<WidgetPeer*>(child.Peer());
    if (peer == nullptr) {
      RenderControl(child, parent_peer->Container());
    } else if (peer->Widget() != nullptr &&
               peer->Widget()->parentWidget() != parent_peer->Container()) {
      peer->Changed(ui::Property::Parent);
    }
  }
}

WidgetPeer& Renderer::RenderControl(ui::TControl& control, QWidget* parent) {
  WidgetPeer& peer = Adopt(AnyControl::Make(*this, control, parent), control);
  peer.Sync();
  if (auto* window = dynamic_cast<ui::TWinControl*>(&control)) RenderChildren(*window);
  return peer;
}

MenuBarPeer& Renderer::RenderMenuBar(ui::TMenuItem& menu, QMenuBar* bar) {
  auto* existing = dynamic_cast<MenuBarPeer*>(menu.Peer());
  if (existing != nullptr && existing->Bar() == bar) return *existing;
  if (menu.Peer() != nullptr) Discard(menu.Peer());
  MenuBarPeer& peer = Adopt(std::make_unique<MenuBarPeer>(*this, bar), menu);
  peer.Sync();
  return peer;
}

MenuItemPeer& Renderer::RenderMenuItem(ui::TMenuItem& item) {
  if (auto* peer = dynamic_cast<MenuItemPeer*>(item.Peer())) return *peer;
  MenuItemPeer& peer = Adopt(std::make_unique<MenuItemPeer>(*this), item);
  peer.Sync();
  return peer;
}

void Renderer::Discard(ui::ControlPeer* peer) {
  auto found = peers_.find(peer);
  if (found == peers_.end()) return;
  std::unique_ptr<ui::ControlPeer> owned = std::move(found->second);
  peers_.erase(found);
}

}  // namespace qtui
