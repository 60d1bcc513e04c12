#include "ui/label.h"

#include "ui/application.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TLabel::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  Notify(Property::AutoSize);
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::Alignment);
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Notify(Property::Transparent);
}

void TLabel::SetWordWrap(bool word_wrap) {
  if (word_wrap == word_wrap_) return;
  word_wrap_ = word_wrap;
  Notify(Property::WordWrap);
}

void TLabel::SetCaption(const std::string& caption) {
  TControl::SetCaption(caption);
  AdjustBounds();
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || word_wrap_) return;
  const bool fixed_width = Align() == alTop || Align() == alBottom || Align() == alClient;
  const bool fixed_height = Align() == alLeft || Align() == alRight || Align() == alClient;
  const int width = fixed_width ? Width() : Application().TextWidth(Font(), Caption());
  const int height = fixed_height ? Height() : Font().Height();
  SetBounds(Left(), Top(), width, height);
}

}  // namespace ui
