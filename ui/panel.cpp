#include "ui/panel.h"

namespace ui {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

void TPanel::SetBevelInner(TBevelCut bevel) {
  if (bevel == bevel_inner_) return;
  bevel_inner_ = bevel;
  Notify(Property::Bevel);
  Realign();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == bevel_outer_) return;
  bevel_outer_ = bevel;
  Notify(Property::Bevel);
  Realign();
}

void TPanel::SetBevelWidth(int width) {
  if (width == bevel_width_) return;
  bevel_width_ = width;
  Notify(Property::Bevel);
  Realign();
}

void TPanel::SetBorderWidth(int width) {
  if (width == border_width_) return;
  border_width_ = width;
  Notify(Property::Bevel);
  Realign();
}

void TPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::Alignment);
}

TRect TPanel::ClientRect() const {
  int inset = border_width_;
  if (bevel_outer_ != bvNone) inset += bevel_width_;
  if (bevel_inner_ != bvNone) inset += bevel_width_;
  return {inset, inset, Width() - inset, Height() - inset};
}

}  // namespace ui
