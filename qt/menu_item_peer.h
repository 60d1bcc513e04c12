#pragma once
// MenuItemPeer: a menu entry as a QAction, with a QMenu of its own entries when
// it has any. The caption keeps its "&" access key, "-" makes a separator, and
// the stored shortcut is shown beside the caption; the key itself reaches the
// model through the form (TForm::IsShortCut), so it is never handled twice.

#include <QAction>
#include <QMenu>
#include <memory>

#include "ui/menu_item.h"
#include "ui/peer.h"

namespace qtui {

class Renderer;

class MenuItemPeer : public ui::ControlPeer {
 public:
  explicit MenuItemPeer(Renderer& renderer);
  ~MenuItemPeer() override;

  QAction* Action() const { return action_.get(); }
  void Sync();
  void Changed(ui::Property property) override;
  void ComponentDestroyed() override;

 private:
  ui::TMenuItem* Item() const { return static_cast<ui::TMenuItem*>(Component()); }
  void ApplyText();
  void ApplyEntries();

  Renderer& renderer_;
  std::unique_ptr<QAction> action_;
  std::unique_ptr<QMenu> menu_;
};

// Puts the actions of menu's entries into target (a menu bar or a menu), in order.
void FillMenu(Renderer& renderer, const ui::TMenuItem& menu, QWidget& target);

}  // namespace qtui
