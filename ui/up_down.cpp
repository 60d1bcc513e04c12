#include "ui/up_down.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/dispatch.h"
#include "ui/edit.h"

namespace ui {

TUpDown::TUpDown(TComponent* owner) : TControl(owner) {}

TUpDown::~TUpDown() {
  DetachPeerForDestruction();
}

void TUpDown::SetAssociate(TEdit* edit) {
  if (edit == associate_) return;
  if (associate_ != nullptr) RemoveFreeNotification(associate_);
  associate_ = edit;
  FreeNotification(associate_);
  if (associate_ != nullptr) associate_->SetText(platform::IntToStr(position_));
  Notify(Property::Associate);
}

void TUpDown::SetMin(int min) {
  if (min == min_) return;
  min_ = min;
  Notify(Property::Range);
  position_ = std::clamp(position_, min_, std::max(min_, max_));
}

void TUpDown::SetMax(int max) {
  if (max == max_) return;
  max_ = max;
  Notify(Property::Range);
  position_ = std::clamp(position_, std::min(min_, max_), max_);
}

int TUpDown::Position() const {
  int typed = 0;
  if (associate_ != nullptr && platform::TryStrToInt(associate_->Text(), typed) && typed >= min_ &&
      typed <= max_)
    return typed;
  return position_;
}

void TUpDown::SetPosition(int position) {
  position = std::clamp(position, min_, std::max(min_, max_));
  const bool changed = position != position_;
  position_ = position;
  if (associate_ != nullptr) associate_->SetText(platform::IntToStr(position_));
  if (changed) Notify(Property::Position);
}

void TUpDown::Click(TUDBtnType button) {
  if (!AcceptsInput()) return;
  Dispatch([&] {
    const long long current = Position();
    long long next = button == btNext ? current + increment_ : current - increment_;
    if (next > max_) next = wrap_ ? min_ : max_;
    if (next < min_) next = wrap_ ? max_ : min_;
    SetPosition(static_cast<int>(next));
    FireClick();
  });
}

void TUpDown::Notification(TComponent* component) {
  if (component == associate_) associate_ = nullptr;
}

}  // namespace ui
