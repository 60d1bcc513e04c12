#include "ui/form.h"

#include <stdexcept>

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/button.h"
#include "ui/dispatch.h"
#include "ui/main_menu.h"

namespace ui {
namespace {

TButton* FindButton(const TWinControl& parent, bool (TButton::*flag)() const) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* control = parent.Controls(i);
    if (!control->Visible() || !control->Enabled()) continue;
    if (auto* button = dynamic_cast<TButton*>(control); button != nullptr && (button->*flag)())
      return button;
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
      if (TButton* found = FindButton(*window, flag)) return found;
    }
  }
  return nullptr;
}

}  // namespace

FrameMetrics FrameExtent(TFormBorderStyle style, bool has_menu) {
  FrameMetrics frame;
  switch (style) {
    case bsNone:
      break;
    case bsSizeable:
      frame = {4, 19, 0};
      break;
    case bsSingle:
    case bsDialog:
      frame = {3, 19, 0};
      break;
    case bsToolWindow:
      frame = {3, 15, 0};
      break;
    case bsSizeToolWin:
      frame = {4, 15, 0};
      break;
  }
  if (has_menu) frame.menu = 19;
  return frame;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetShowHint(true);
}

TForm::~TForm() {
  DetachPeerForDestruction();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  Notify(Property::BorderStyle);
  Realign();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  Notify(Property::BorderIcons);
}

void TForm::SetFormStyle(TFormStyle style) {
  if (style == form_style_) return;
  form_style_ = style;
  Notify(Property::FormStyle);
}

void TForm::SetPosition(TPosition position) {
  if (position == position_) return;
  position_ = position;
  Notify(Property::Position);
}

int TForm::ClientWidth() const {
  const FrameMetrics frame = FrameExtent(border_style_, menu_ != nullptr);
  return Width() - 2 * frame.border;
}

int TForm::ClientHeight() const {
  const FrameMetrics frame = FrameExtent(border_style_, menu_ != nullptr);
  return Height() - 2 * frame.border - frame.caption - frame.menu;
}

void TForm::SetClientWidth(int width) {
  const FrameMetrics frame = FrameExtent(border_style_, menu_ != nullptr);
  SetWidth(width + 2 * frame.border);
}

void TForm::SetClientHeight(int height) {
  const FrameMetrics frame = FrameExtent(border_style_, menu_ != nullptr);
  SetHeight(height + 2 * frame.border + frame.caption + frame.menu);
}

TRect TForm::ClientRect() const {
  return {0, 0, ClientWidth(), ClientHeight()};
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_ != nullptr) RemoveFreeNotification(menu_);
  menu_ = menu;
  FreeNotification(menu_);
  Notify(Property::Menu);
  Realign();
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == active_control_) return;
  active_control_ = control;
  Notify(Property::ActiveControl);
}

TButton* TForm::DefaultButton() const {
  return FindButton(*this, &TButton::Default);
}
TButton* TForm::CancelButton() const {
  return FindButton(*this, &TButton::Cancel);
}

void TForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (visible) {
    FireShow();
    if (Visible()) CurrentBackend().ShowForm(*this);
  } else {
    CurrentBackend().HideForm(*this);
  }
}

void TForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (FireClose(caHide) == caNone) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
    return;
  }
  Hide();
}

TModalResult TForm::ShowModal() {
  if (modal_ || Visible()) throw std::logic_error("ShowModal on a visible form");
  modal_ = true;
  modal_result_ = mrNone;
  struct EndModal {
    TForm& form;
    ~EndModal() {
      form.modal_ = false;
      form.TControl::SetVisible(false);
      CurrentBackend().HideForm(form);
    }
  } end_modal{*this};
  TControl::SetVisible(true);
  FireShow();
  for (;;) {
    const int result = CurrentBackend().ShowModal(*this);
    if (Application().Terminated()) modal_result_ = mrCancel;
    if (modal_result_ == mrNone) modal_result_ = result != mrNone ? result : mrCancel;
    if (FireClose(caHide) != caNone) break;
    modal_result_ = mrNone;
  }
  return modal_result_;
}

void TForm::SetModalResult(TModalResult result) {
  if (result == modal_result_) return;
  modal_result_ = result;
  Notify(Property::ModalResult);
}

void TForm::SetAcceptFiles(bool accept) {
  if (accept == accept_files_) return;
  accept_files_ = accept;
  Notify(Property::AcceptFiles);
}

void TForm::DropFiles(const std::vector<std::string>& names) {
  if (!accept_files_) return;
  Dispatch([&] {
    if (OnDropFiles) OnDropFiles(this, names);
  });
}

bool TForm::IsShortCut(unsigned short key, TShiftState shift) {
  if (menu_ == nullptr) return false;
  TMenuItem* item = menu_->Items().FindShortCut(ShortCut(key, shift));
  if (item == nullptr) return false;
  item->Click();
  return true;
}

void TForm::Notification(TComponent* component) {
  if (component == menu_) {
    menu_ = nullptr;
    Notify(Property::Menu);
  }
}

void TForm::FireShow() {
  Dispatch([this] {
    if (OnShow) OnShow(this);
  });
}

TCloseAction TForm::FireClose(TCloseAction action) {
  if (OnClose) OnClose(this, action);
  return action;
}

}  // namespace ui
