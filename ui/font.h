#pragma once
// TFont: a control's font. The height is the character height in pixels. A font
// tells its control when it changes, so the control can notify its peer and pass
// the font on to children that use their parent's font.

#include <functional>
#include <string>

#include "ui/types.h"

namespace ui {

class TFont {
 public:
  // "ＭＳ Ｐゴシック", 12 pixels, window-text colour, Shift-JIS character set.
  TFont();
  // Copies the values only; the copy has no change handler.
  TFont(const TFont& other);
  // Copies the values and reports one change when any differs.
  TFont& operator=(const TFont& other);
  void Assign(const TFont& other) { *this = other; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int pixels);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  bool SameValues(const TFont& other) const;

  // Called after every change of a value.
  void SetOnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

 private:
  void Changed();

  std::string name_;
  int height_ = 12;
  TColor color_ = clWindowText;
  bool bold_ = false;
  bool underline_ = false;
  int charset_ = SHIFTJIS_CHARSET;
  std::function<void()> on_change_;
};

}  // namespace ui
