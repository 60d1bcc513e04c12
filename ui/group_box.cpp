#include "ui/group_box.h"

namespace ui {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {}

TRect TGroupBox::ClientRect() const {
  // The caption's line height above the frame, then the two-pixel frame.
  return {2, Font().Height() + 2, Width() - 2, Height() - 2};
}

}  // namespace ui
