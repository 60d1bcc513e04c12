#include "ui/radio_group.h"

#include <algorithm>

#include "ui/dispatch.h"

namespace ui {

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {}

void TRadioGroup::SetColumns(int columns) {
  columns = std::max(1, columns);
  if (columns == columns_) return;
  columns_ = columns;
  Notify(Property::Columns);
}

void TRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, items_.Count() - 1);
  if (index == item_index_) return;
  item_index_ = index;
  Notify(Property::ItemIndex);
}

void TRadioGroup::ClickItem(int index) {
  if (!AcceptsInput() || index < 0 || index >= items_.Count()) return;
  Dispatch([&] {
    if (index == item_index_) return;
    SetItemIndex(index);
    FireClick();
  });
}

void TRadioGroup::ItemsInserted(int index, int count) {
  if (Peer() != nullptr) Peer()->ItemsInserted(index, count);
}

void TRadioGroup::ItemsRemoved(int index, int count) {
  SetItemIndex(item_index_);
  if (Peer() != nullptr) Peer()->ItemsRemoved(index, count);
}

void TRadioGroup::ItemChanged(int index) {
  if (Peer() != nullptr) Peer()->ItemChanged(index);
}

void TRadioGroup::ItemsReset() {
  SetItemIndex(item_index_);
  if (Peer() != nullptr) Peer()->ItemsReset();
}

}  // namespace ui
