#pragma once
// TRadioButton: one choice of a set. Checking it unchecks the other radio buttons
// of the same parent and fires OnClick; unchecking fires nothing.

#include "ui/win_control.h"

namespace ui {

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // User input, through Dispatch: checks the button.
  void Click() override;

 private:
  bool checked_ = false;
};

}  // namespace ui
