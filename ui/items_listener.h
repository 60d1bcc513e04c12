#pragma once
// ItemsListener: what an item list tells the control that owns it about each change.

namespace ui {

class ItemsListener {
 public:
  virtual void ItemsInserted(int index, int count) = 0;
  virtual void ItemsRemoved(int index, int count) = 0;
  virtual void ItemChanged(int index) = 0;
  virtual void ItemsReset() = 0;

 protected:
  ~ItemsListener() = default;
};

}  // namespace ui
