#pragma once
// TMemo: a multi-line text held as lines. MaxLength is a limit in bytes of the
// text with every line break counting two; it caps insertions of lines, not text
// set whole (see TItems).

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/items.h"
#include "ui/win_control.h"

namespace ui {

class TMemo : public TWinControl, private ItemsListener {
 public:
  // White window colour, a tab stop, no scroll bars, word wrap on, no limit.
  explicit TMemo(TComponent* owner);

  TItems& Lines() { return lines_; }
  const TItems& Lines() const { return lines_; }
  // Every line followed by CR LF.
  std::string Text() const { return lines_.Text(); }
  void SetText(std::string_view text) { lines_.SetText(text); }
  std::size_t GetTextLen() const { return lines_.ByteLength(); }

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle scroll_bars);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  // 0: no limit.
  std::size_t MaxLength() const { return lines_.MaxBytes(); }
  void SetMaxLength(std::size_t max_length);

 private:
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;

  TItems lines_{this};
  bool read_only_ = false;
  TScrollStyle scroll_bars_ = ssNone;
  bool word_wrap_ = true;
};

}  // namespace ui
