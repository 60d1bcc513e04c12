#include "ui/control.h"

#include <algorithm>

#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/win_control.h"

namespace ui {
namespace {

int Constrain(int size, int min, int max) {
  if (max > 0) size = std::min(size, max);
  if (min > 0) size = std::max(size, min);
  return size;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOnChange([this] { FontChanged(); });
}

TControl::~TControl() {
  DetachPeerForDestruction();
  if (parent_ == nullptr) return;
  const TControl* top = parent_;
  while (top->parent_ != nullptr) top = top->parent_;
  if (!top->Destroying()) {
    TForm* form = ParentForm();
    if (form != nullptr && form->ActiveControl() == this) form->SetActiveControl(nullptr);
  }
  parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_ || parent == this) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
  Notify(Property::Parent);
}

TForm* TControl::ParentForm() const {
  const TControl* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

void TControl::SetLeft(int left) {
  SetBounds(left, Top(), Width(), Height());
}
void TControl::SetTop(int top) {
  SetBounds(Left(), top, Width(), Height());
}
void TControl::SetWidth(int width) {
  SetBounds(Left(), Top(), width, Height());
}
void TControl::SetHeight(int height) {
  SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = Constrain(width, constraints_.MinWidth, constraints_.MaxWidth);
  height = Constrain(height, constraints_.MinHeight, constraints_.MaxHeight);
  SetBoundsRaw({left, top, left + width, top + height});
  if (align_ != alNone) RequestParentRealign();
}

void TControl::SetBoundsRaw(const TRect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Notify(Property::Bounds);
  BoundsChanged();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestParentRealign();
}

void TControl::SetConstraints(const TSizeConstraints& constraints) {
  if (constraints == constraints_) return;
  constraints_ = constraints;
  Notify(Property::Constraints);
  SetBounds(Left(), Top(), Width(), Height());
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Property::Visible);
  if (align_ != alNone) RequestParentRealign();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

bool TControl::AcceptsInput() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Notify(Property::Hint);
}

bool TControl::ShowHint() const {
  if (parent_show_hint_ && parent_ != nullptr) return parent_->ShowHint();
  return show_hint_;
}

void TControl::SetShowHint(bool show) {
  show_hint_ = show;
  parent_show_hint_ = false;
  Notify(Property::ShowHint);
}

void TControl::SetParentShowHint(bool parent_show_hint) {
  if (parent_show_hint == parent_show_hint_) return;
  parent_show_hint_ = parent_show_hint;
  Notify(Property::ShowHint);
}

void TControl::SetParentFont(bool parent_font) {
  parent_font_ = parent_font;
  if (parent_font_ && parent_ != nullptr) InheritFont(parent_->Font());
}

void TControl::InheritFont(const TFont& font) {
  inheriting_font_ = true;
  font_ = font;
  inheriting_font_ = false;
}

void TControl::FontChanged() {
  if (!inheriting_font_) parent_font_ = false;
  Notify(Property::Font);
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool parent_color) {
  parent_color_ = parent_color;
  if (parent_color_ && parent_ != nullptr) InheritColor(parent_->Color());
}

void TControl::InheritColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::ColorChanged() {
  Notify(Property::Color);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Notify(Property::Cursor);
}

void TControl::SetTabStop(bool tab_stop) {
  if (tab_stop == tab_stop_) return;
  tab_stop_ = tab_stop;
  Notify(Property::TabStop);
}

void TControl::SetTabOrder(int tab_order) {
  if (tab_order == tab_order_) return;
  tab_order_ = tab_order;
  Notify(Property::TabOrder);
}

void TControl::SetFocus() {
  auto* self = dynamic_cast<TWinControl*>(this);
  TForm* form = ParentForm();
  if (self != nullptr && form != nullptr) form->SetActiveControl(self);
}

bool TControl::Focused() const {
  const TForm* form = ParentForm();
  return form != nullptr && form->ActiveControl() == this;
}

void TControl::Click() {
  if (!AcceptsInput()) return;
  Dispatch([this] { FireClick(); });
}

void TControl::FireClick() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!AcceptsInput()) return;
  Dispatch([&] {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!AcceptsInput()) return;
  Dispatch([&] {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  });
}

unsigned short TControl::KeyDown(unsigned short key, TShiftState shift) {
  if (!AcceptsInput()) return key;
  Dispatch([&] {
    if (OnKeyDown) OnKeyDown(this, key, shift);
  });
  return key;
}

char TControl::KeyPress(char key) {
  if (!AcceptsInput()) return key;
  Dispatch([&] {
    if (OnKeyPress) OnKeyPress(this, key);
  });
  return key;
}

void TControl::RequestParentRealign() const {
  if (parent_ != nullptr) parent_->Realign();
}

}  // namespace ui
