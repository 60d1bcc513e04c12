#pragma once
// TCheckBox: a box that is ticked or not. Changing its state, in code or by the
// user, fires OnClick, as the class library does; setting the same state fires nothing.

#include "ui/win_control.h"

namespace ui {

class TCheckBox : public TWinControl {
 public:
  // Unticked, a tab stop.
  explicit TCheckBox(TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // User input, through Dispatch: toggles the box.
  void Click() override;

 private:
  bool checked_ = false;
};

}  // namespace ui
