#pragma once
// TButton: a push button. A click sets its form's modal result to the button's
// ModalResult, then fires OnClick. Default makes it the button Enter presses,
// Cancel the one Esc presses.

#include "ui/win_control.h"

namespace ui {

class TButton : public TWinControl {
 public:
  // A tab stop.
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }

  // User input, through Dispatch.
  void Click() override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modal_result_ = mrNone;
};

}  // namespace ui
