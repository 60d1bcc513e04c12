#pragma once
// TStaticText: a caption in a window of its own, optionally framed; it breaks its
// text at line feeds and wraps long lines within its width.

#include "ui/win_control.h"

namespace ui {

class TStaticText : public TWinControl {
 public:
  // No frame, left-justified, AutoSize off.
  explicit TStaticText(TComponent* owner);

  TStaticBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TStaticBorderStyle style);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 private:
  TStaticBorderStyle border_style_ = sbsNone;
  TAlignment alignment_ = taLeftJustify;
};

}  // namespace ui
