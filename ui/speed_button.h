#pragma once
// TSpeedButton: a flat tool button. With a GroupIndex it stays down when clicked:
// buttons of one group in one parent exclude each other, and with AllowAllUp a
// click on a down button puts it up again. Without a GroupIndex it is never down.

#include "ui/control.h"

namespace ui {

class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow_all_up) { allow_all_up_ = allow_all_up; }
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int group_index);
  bool Down() const { return down_; }
  // Ignored without a GroupIndex, and for putting up the down button of a group
  // without AllowAllUp.
  void SetDown(bool down);

  // User input, through Dispatch: toggles Down as described, then fires OnClick.
  void Click() override;

 private:
  bool flat_ = false;
  bool allow_all_up_ = false;
  int group_index_ = 0;
  bool down_ = false;
};

}  // namespace ui
