#include "ui/check_box.h"

#include "ui/dispatch.h"

namespace ui {

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Property::Checked);
  FireClick();
}

void TCheckBox::Click() {
  if (!AcceptsInput()) return;
  Dispatch([this] { SetChecked(!checked_); });
}

}  // namespace ui
