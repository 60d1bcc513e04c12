#include "ui/font.h"

#include "platform/ansi.h"

namespace ui {

TFont::TFont() : name_(u8"ＭＳ Ｐゴシック"_sj) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      color_(other.color_),
      bold_(other.bold_),
      underline_(other.underline_),
      charset_(other.charset_) {}

TFont& TFont::operator=(const TFont& other) {
  if (SameValues(other)) return *this;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  bold_ = other.bold_;
  underline_ = other.underline_;
  charset_ = other.charset_;
  Changed();
  return *this;
}

bool TFont::SameValues(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
         bold_ == other.bold_ && underline_ == other.underline_ && charset_ == other.charset_;
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int pixels) {
  if (pixels == height_) return;
  height_ = pixels;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetBold(bool bold) {
  if (bold == bold_) return;
  bold_ = bold;
  Changed();
}

void TFont::SetUnderline(bool underline) {
  if (underline == underline_) return;
  underline_ = underline;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::Changed() {
  if (on_change_) on_change_();
}

}  // namespace ui
