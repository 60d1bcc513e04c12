#include "ui/menu_item.h"

#include <algorithm>
#include <stdexcept>

#include "ui/dispatch.h"

namespace ui {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  DetachPeerForDestruction();
  while (!items_.empty()) delete items_.back();
  if (parent_ != nullptr) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void TMenuItem::SetShortCut(TShortCut short_cut) {
  if (short_cut == short_cut_) return;
  short_cut_ = short_cut;
  Notify(Property::ShortCut);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Property::Visible);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Property::Checked);
}

void TMenuItem::SetGroupIndex(int group_index) {
  if (group_index == group_index_) return;
  group_index_ = group_index;
  Notify(Property::GroupIndex);
}

void TMenuItem::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Notify(Property::Hint);
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr || item == this) return;
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  if (index < 0 || index > Count()) throw std::out_of_range("TMenuItem::Insert");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Notify(Property::Children);
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  items_.erase(found);
  item->parent_ = nullptr;
  Notify(Property::Children);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::FindShortCut(TShortCut short_cut) const {
  if (short_cut == 0) return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->enabled_ || !item->visible_) continue;
    if (item->short_cut_ == short_cut) return item;
    if (TMenuItem* found = item->FindShortCut(short_cut)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  Dispatch([this] {
    if (OnClick) OnClick(this);
  });
}

}  // namespace ui
