#pragma once
// TEdit: a one-line edit field. Any change of its text, in code or by the user,
// fires OnChange. MaxLength limits what the user types (in bytes), not what code sets.

#include <string>

#include "ui/win_control.h"

namespace ui {

class TEdit : public TWinControl {
 public:
  // White window colour, a tab stop.
  explicit TEdit(TComponent* owner);

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  // 0: no limit.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int max_length);

  void SelectAll();
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  void SetSelection(int start, int length);

  TNotifyEvent OnChange;

  // User input, through Dispatch: the text after the user's typing; ignored
  // when read-only.
  void TypeText(const std::string& text);

 private:
  std::string text_;
  bool read_only_ = false;
  int max_length_ = 0;
  int sel_start_ = 0;
  int sel_length_ = 0;
};

}  // namespace ui
