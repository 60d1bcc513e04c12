#pragma once
// TListBox: a list of text entries with single or multiple selection. Selection
// follows the entries through insertions and removals; the count of selected
// entries is kept so SelCount is O(1).

#include <cstddef>

#include "ui/gap_buffer.h"
#include "ui/items.h"
#include "ui/win_control.h"

namespace ui {

class TListBox : public TWinControl, private ItemsListener {
 public:
  // White window colour, a tab stop, item height 13.
  explicit TListBox(TComponent* owner);

  TItems& Items() { return items_; }
  const TItems& Items() const { return items_; }
  void Clear() { items_.Clear(); }

  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool multi_select);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);
  // The scrolling width in pixels; a horizontal scroll bar appears when it
  // exceeds the visible width.
  int HorizontalExtent() const { return horizontal_extent_; }
  void SetHorizontalExtent(int extent);

  bool Selected(int index) const { return selected_[index] != 0; }
  // With MultiSelect off, selecting an entry deselects the others.
  void SetSelected(int index, bool selected);
  int SelCount() const { return sel_count_; }
  void ClearSelection();

  // The focused entry (the selected one without MultiSelect), or -1. Setting it
  // without MultiSelect selects that entry alone.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);

 private:
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;

  TItems items_{this};
  GapBuffer<char> selected_;
  int sel_count_ = 0;
  int item_index_ = -1;
  bool multi_select_ = false;
  int item_height_ = 13;
  int horizontal_extent_ = 0;
};

}  // namespace ui
