#include "ui/combo_box.h"

#include "ui/dispatch.h"

namespace ui {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  Notify(Property::Style);
  if (style_ == csDropDownList) SetTextValue(item_index_ >= 0 ? items_[item_index_] : "");
}

void TComboBox::SetDropDownCount(int count) {
  if (count == drop_down_count_) return;
  drop_down_count_ = count;
  Notify(Property::DropDownCount);
}

void TComboBox::SetText(const std::string& text) {
  if (style_ == csDropDownList) {
    SetItemIndex(items_.IndexOf(text));
    return;
  }
  SetTextValue(text);
  if (item_index_ >= 0 && items_[item_index_] != text) {
    item_index_ = -1;
    Notify(Property::ItemIndex);
  }
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  if (index != item_index_) {
    item_index_ = index;
    Notify(Property::ItemIndex);
  }
  SetTextValue(index >= 0 ? items_[index] : "");
}

void TComboBox::SelectAll() {
  SetSelection(0, static_cast<int>(text_.size()));
}

void TComboBox::SetSelection(int start, int length) {
  if (start == sel_start_ && length == sel_length_) return;
  sel_start_ = start;
  sel_length_ = length;
  Notify(Property::Selection);
}

void TComboBox::TypeText(const std::string& text) {
  if (style_ == csDropDownList || !AcceptsInput()) return;
  Dispatch([&] {
    SetText(text);
    if (OnChange) OnChange(this);
  });
}

void TComboBox::SelectItem(int index) {
  if (!AcceptsInput()) return;
  Dispatch([&] {
    SetItemIndex(index);
    if (OnChange) OnChange(this);
  });
}

void TComboBox::SetTextValue(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  sel_start_ = static_cast<int>(text_.size());
  sel_length_ = 0;
  Notify(Property::Text);
}

void TComboBox::ItemsInserted(int index, int count) {
  if (item_index_ >= index) item_index_ += count;
  if (Peer() != nullptr) Peer()->ItemsInserted(index, count);
}

void TComboBox::ItemsRemoved(int index, int count) {
  if (item_index_ >= index + count) {
    item_index_ -= count;
  } else if (item_index_ >= index) {
    item_index_ = -1;
    if (style_ == csDropDownList) SetTextValue("");
  }
  if (Peer() != nullptr) Peer()->ItemsRemoved(index, count);
}

void TComboBox::ItemChanged(int index) {
  if (index == item_index_ && style_ == csDropDownList) SetTextValue(items_[index]);
  if (Peer() != nullptr) Peer()->ItemChanged(index);
}

void TComboBox::ItemsReset() {
  // Emptying the list empties the edit field as well, as the list control does.
  item_index_ = -1;
  SetTextValue("");
  if (Peer() != nullptr) Peer()->ItemsReset();
}

}  // namespace ui
