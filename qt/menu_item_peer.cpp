#include "qt/menu_item_peer.h"

#include "qt/keys.h"
#include "qt/renderer.h"
#include "qt/text.h"

namespace qtui {

MenuItemPeer::MenuItemPeer(Renderer& renderer)
    : renderer_(renderer), action_(std::make_unique<QAction>()) {
  QObject::connect(action_.get(), &QAction::triggered, [this] {
    if (Item() != nullptr) Item()->Click();
  });
}

MenuItemPeer::~MenuItemPeer() = default;

void MenuItemPeer::Sync() {
  ApplyText();
  Changed(ui::Property::Enabled);
  Changed(ui::Property::Visible);
  Changed(ui::Property::Checked);
  ApplyEntries();
}

void MenuItemPeer::Changed(ui::Property property) {
  const ui::TMenuItem* item = Item();
  if (item == nullptr) return;
  switch (property) {
    case ui::Property::Caption:
    case ui::Property::ShortCut:
      ApplyText();
      break;
    case ui::Property::Enabled:
      action_->setEnabled(item->Enabled());
      break;
    case ui::Property::Visible:
      action_->setVisible(item->Visible());
      break;
    case ui::Property::Checked:
      action_->setCheckable(item->Checked());
      action_->setChecked(item->Checked());
      break;
    case ui::Property::Children:
      ApplyEntries();
      break;
    default:
      break;
  }
}

void MenuItemPeer::ComponentDestroyed() {
  renderer_.Discard(this);
}

void MenuItemPeer::ApplyText() {
  const ui::TMenuItem& item = *Item();
  action_->setSeparator(item.IsLine());
  // A separator with text is a titled section in some styles: the "-" would show.
  if (item.IsLine()) {
    action_->setText({});
    return;
  }
  QString text = ToQString(item.Caption());
  const QString short_cut = ShortCutText(item.ShortCut());
  if (!short_cut.isEmpty()) text += u'\t' + short_cut;
  action_->setText(text);
}

void MenuItemPeer::ApplyEntries() {
  ui::TMenuItem& item = *Item();
  if (item.Count() == 0) {
    action_->setMenu(static_cast<QMenu*>(nullptr));
    menu_.reset();
    return;
  }
  if (menu_ == nullptr) {
    menu_ = std::make_unique<QMenu>();
    action_->setMenu(menu_.get());
  }
  FillMenu(renderer_, item, *menu_);
}

void FillMenu(Renderer& renderer, const ui::TMenuItem& menu, QWidget& target) {
  for (QAction* action : target.actions()) target.removeAction(action);
  for (int i = 0; i < menu.Count(); ++i) {
    target.addAction(renderer.RenderMenuItem(*menu.Items(i)).Action());
  }
}

}  // namespace qtui
