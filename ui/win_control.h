#pragma once
// TWinControl: a control that holds child controls. It docks its children
// (Align) within its client area whenever its size, or a child's size,
// visibility or alignment, changes: top, then bottom, left, right and client,
// each kind in creation order, as the class library does.

#include <vector>

#include "ui/control.h"

namespace ui {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  // Destroys the child controls too.
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[index]; }

  // The area children dock into, relative to this control's client origin.
  virtual TRect ClientRect() const;
  // Docks the aligned children again.
  void Realign();

 protected:
  void BoundsChanged() override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  std::vector<TControl*> controls_;
  bool aligning_ = false;
};

}  // namespace ui
