#pragma once
// TPanel: a container with bevels and an optional caption. Its docking area is
// its bounds less the border width and the width of each bevel that is drawn.

#include "ui/win_control.h"

namespace ui {

class TPanel : public TWinControl {
 public:
  // Raised outer bevel, no inner bevel, bevel width 1, centred caption.
  explicit TPanel(TComponent* owner);

  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut bevel);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut bevel);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  TRect ClientRect() const override;

 private:
  TBevelCut bevel_inner_ = bvNone;
  TBevelCut bevel_outer_ = bvRaised;
  int bevel_width_ = 1;
  int border_width_ = 0;
  TAlignment alignment_ = taCenter;
};

}  // namespace ui
