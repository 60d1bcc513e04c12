#include "ui/static_text.h"

namespace ui {

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  Notify(Property::BorderStyle);
}

void TStaticText::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::Alignment);
}

}  // namespace ui
