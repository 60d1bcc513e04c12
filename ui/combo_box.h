#pragma once
// TComboBox: an edit field with a drop-down list (csDropDown), or a drop-down
// list without typing (csDropDownList). Setting the text or the index in code
// fires nothing; a user's typing or pick fires OnChange. Items().IndexOf is the
// exact-match search, which ignores letter case.

#include <string>

#include "ui/items.h"
#include "ui/win_control.h"

namespace ui {

class TComboBox : public TWinControl, private ItemsListener {
 public:
  // csDropDown, 8 rows when dropped down, white window colour, a tab stop.
  explicit TComboBox(TComponent* owner);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  TItems& Items() { return items_; }
  const TItems& Items() const { return items_; }
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int count);

  // The edit field's text (csDropDownList: the selected item's text, or empty).
  const std::string& Text() const { return text_; }
  // csDropDownList selects the item equal to text (ignoring case), or none.
  void SetText(const std::string& text);
  // The selected item, or -1; selecting one puts its text into the edit field.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);

  // Selects the whole text of the edit field.
  void SelectAll();
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  // User input or the peer's report of the user's selection in the edit field.
  void SetSelection(int start, int length);

  TNotifyEvent OnChange;

  // User input, through Dispatch: the text typed in the edit field; fires OnChange.
  void TypeText(const std::string& text);
  // User input, through Dispatch: an item picked from the list; fires OnChange.
  void SelectItem(int index);

 private:
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;
  void SetTextValue(const std::string& text);

  TItems items_{this};
  TComboBoxStyle style_ = csDropDown;
  int drop_down_count_ = 8;
  std::string text_;
  int item_index_ = -1;
  int sel_start_ = 0;
  int sel_length_ = 0;
};

}  // namespace ui
