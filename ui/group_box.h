#pragma once
// TGroupBox: a framed container with a caption in its top edge. Its docking area
// lies inside the frame and below the caption.

#include "ui/win_control.h"

namespace ui {

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);

  TRect ClientRect() const override;
};

}  // namespace ui
