#include "ui/edit.h"

#include "ui/dispatch.h"
#include "ui/text_fit.h"

namespace ui {

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  sel_start_ = static_cast<int>(text_.size());
  sel_length_ = 0;
  Notify(Property::Text);
  if (OnChange) OnChange(this);
}

void TEdit::SetReadOnly(bool read_only) {
  if (read_only == read_only_) return;
  read_only_ = read_only;
  Notify(Property::ReadOnly);
}

void TEdit::SetMaxLength(int max_length) {
  if (max_length == max_length_) return;
  max_length_ = max_length;
  Notify(Property::MaxLength);
}

void TEdit::SelectAll() {
  SetSelection(0, static_cast<int>(text_.size()));
}

void TEdit::SetSelection(int start, int length) {
  if (start == sel_start_ && length == sel_length_) return;
  sel_start_ = start;
  sel_length_ = length;
  Notify(Property::Selection);
}

void TEdit::TypeText(const std::string& text) {
  if (read_only_ || !AcceptsInput()) return;
  std::string typed = text;
  if (max_length_ > 0) typed.resize(FitBytes(typed, static_cast<std::size_t>(max_length_)));
  Dispatch([&] { SetText(typed); });
}

}  // namespace ui
