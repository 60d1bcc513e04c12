#include "ui/list_box.h"

#include <stdexcept>
#include <vector>

namespace ui {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TListBox::SetMultiSelect(bool multi_select) {
  if (multi_select == multi_select_) return;
  ClearSelection();
  multi_select_ = multi_select;
  Notify(Property::MultiSelect);
}

void TListBox::SetItemHeight(int height) {
  if (height == item_height_) return;
  item_height_ = height;
  Notify(Property::ItemHeight);
}

void TListBox::SetHorizontalExtent(int extent) {
  if (extent == horizontal_extent_) return;
  horizontal_extent_ = extent;
  Notify(Property::HorizontalExtent);
}

void TListBox::SetSelected(int index, bool selected) {
  if (index < 0 || index >= items_.Count()) throw std::out_of_range("TListBox::SetSelected");
  if (!multi_select_ && selected && item_index_ != index) ClearSelection();
  if (Selected(index) != selected) {
    selected_[index] = selected ? 1 : 0;
    sel_count_ += selected ? 1 : -1;
    if (Peer() != nullptr) Peer()->ItemSelectionChanged(index);
  }
  if (!multi_select_) {
    const int focused = selected ? index : (item_index_ == index ? -1 : item_index_);
    if (focused != item_index_) {
      item_index_ = focused;
      Notify(Property::ItemIndex);
    }
  }
}

void TListBox::ClearSelection() {
  if (sel_count_ > 0) {
    for (std::size_t i = 0; i < selected_.size(); ++i) selected_[i] = 0;
    sel_count_ = 0;
    if (Peer() != nullptr) Peer()->ItemSelectionChanged(-1);
  }
  if (!multi_select_ && item_index_ != -1) {
    item_index_ = -1;
    Notify(Property::ItemIndex);
  }
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  if (!multi_select_) {
    if (index < 0) {
      ClearSelection();
    } else {
      SetSelected(index, true);
    }
    return;
  }
  if (index == item_index_) return;
  item_index_ = index;
  Notify(Property::ItemIndex);
}

void TListBox::ItemsInserted(int index, int count) {
  for (int i = 0; i < count; ++i) selected_.insert(index + i, 0);
  if (item_index_ >= index) item_index_ += count;
  if (Peer() != nullptr) Peer()->ItemsInserted(index, count);
}

void TListBox::ItemsRemoved(int index, int count) {
  for (int i = index; i < index + count; ++i) sel_count_ -= selected_[i];
  selected_.erase(index, count);
  if (item_index_ >= index + count) {
    item_index_ -= count;
  } else if (item_index_ >= index) {
    item_index_ = -1;
  }
  if (Peer() != nullptr) Peer()->ItemsRemoved(index, count);
}

void TListBox::ItemChanged(int index) {
  if (Peer() != nullptr) Peer()->ItemChanged(index);
}

void TListBox::ItemsReset() {
  selected_.assign(std::vector<char>(items_.Count(), 0));
  sel_count_ = 0;
  item_index_ = -1;
  if (Peer() != nullptr) Peer()->ItemsReset();
}

}  // namespace ui
