#pragma once
// TRadioGroup: a group box showing its items as radio buttons in columns. The
// selected index is clamped: above the last item it becomes the last, below -1
// it becomes -1. Setting it in code fires nothing; a user's pick fires OnClick.

#include "ui/group_box.h"
#include "ui/items.h"

namespace ui {

class TRadioGroup : public TGroupBox, private ItemsListener {
 public:
  explicit TRadioGroup(TComponent* owner);

  TItems& Items() { return items_; }
  const TItems& Items() const { return items_; }
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);

  // User input: picks item index, through Dispatch; fires OnClick when the
  // selection changes.
  void ClickItem(int index);

 private:
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;

  TItems items_{this};
  int columns_ = 1;
  int item_index_ = -1;
};

}  // namespace ui
