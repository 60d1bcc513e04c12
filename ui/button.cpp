#include "ui/button.h"

#include "ui/dispatch.h"
#include "ui/form.h"

namespace ui {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
}

void TButton::SetDefault(bool is_default) {
  if (is_default == default_) return;
  default_ = is_default;
  Notify(Property::Default);
}

void TButton::SetCancel(bool cancel) {
  if (cancel == cancel_) return;
  cancel_ = cancel;
  Notify(Property::Cancel);
}

void TButton::Click() {
  if (!AcceptsInput()) return;
  Dispatch([this] {
    if (TForm* form = ParentForm()) form->SetModalResult(modal_result_);
    FireClick();
  });
}

}  // namespace ui
