#include "ui/win_control.h"

#include <algorithm>

#include "ui/dock.h"

namespace ui {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DetachPeerForDestruction();
  while (!controls_.empty()) delete controls_.back();
}

TRect TWinControl::ClientRect() const {
  return {0, 0, Width(), Height()};
}

void TWinControl::Realign() {
  if (aligning_ || Destroying()) return;
  aligning_ = true;
  std::vector<DockItem> items;
  std::vector<TControl*> docked;
  for (TControl* control : controls_) {
    if (control->Align() == alNone) continue;
    items.push_back({control->Align(), control->Visible(), control->BoundsRect()});
    docked.push_back(control);
  }
  DockChildren(ClientRect(), items);
  for (std::size_t i = 0; i < docked.size(); ++i) docked[i]->SetBoundsRaw(items[i].bounds);
  aligning_ = false;
}

void TWinControl::BoundsChanged() {
  Realign();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* control : controls_) {
    if (control->ParentFont()) control->InheritFont(Font());
  }
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* control : controls_) {
    if (control->ParentColor()) control->InheritColor(Color());
  }
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (control->ParentFont()) control->InheritFont(Font());
  if (control->ParentColor()) control->InheritColor(Color());
  Notify(Property::Children);
  if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (Destroying()) return;
  Notify(Property::Children);
  if (control->Align() != alNone) Realign();
}

}  // namespace ui
