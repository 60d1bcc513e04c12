#include "ui/speed_button.h"

#include "ui/dispatch.h"
#include "ui/win_control.h"

namespace ui {

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {}

void TSpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Notify(Property::Flat);
}

void TSpeedButton::SetGroupIndex(int group_index) {
  if (group_index == group_index_) return;
  group_index_ = group_index;
  Notify(Property::GroupIndex);
  if (group_index_ == 0 && down_) {
    down_ = false;
    Notify(Property::Down);
  }
}

void TSpeedButton::SetDown(bool down) {
  if (group_index_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allow_all_up_) return;
  down_ = down;
  Notify(Property::Down);
  if (!down_ || Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->group_index_ == group_index_ && other->down_) {
      other->down_ = false;
      other->Notify(Property::Down);
    }
  }
}

void TSpeedButton::Click() {
  if (!AcceptsInput()) return;
  Dispatch([this] {
    if (group_index_ != 0) SetDown(!down_ || !allow_all_up_);
    FireClick();
  });
}

}  // namespace ui
