#include "ui/radio_button.h"

#include "ui/dispatch.h"

namespace ui {

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Property::Checked);
  if (!checked_) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  FireClick();
}

void TRadioButton::Click() {
  if (!AcceptsInput()) return;
  Dispatch([this] { SetChecked(true); });
}

}  // namespace ui
