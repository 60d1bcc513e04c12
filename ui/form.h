#pragma once
// TForm: a top-level window. Its bounds are the outer frame; children are placed
// in its client area, whose size follows from the border style and the menu
// (see FrameExtent). Showing and hiding go through the backend; ShowModal runs
// the backend's modal loop until a modal result is set.

#include <string>
#include <vector>

#include "ui/events.h"
#include "ui/win_control.h"

namespace ui {

class TButton;
class TMainMenu;

// The frame around a form's client area, in pixels.
struct FrameMetrics {
  int border = 0;   // left, right and bottom each
  int caption = 0;  // title bar, above the client area
  int menu = 0;     // menu bar, above the client area
};
FrameMetrics FrameExtent(TFormBorderStyle style, bool has_menu);

class TForm : public TWinControl {
 public:
  // Hidden, bsSizeable, system menu + minimize + maximize, button-face colour,
  // 96 pixels per inch, hints shown.
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);
  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int pixels_per_inch) { pixels_per_inch_ = pixels_per_inch; }

  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  TRect ClientRect() const override;

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);

  // The first visible, enabled button of the form (in tree order) with Default
  // set, or with Cancel set; null when none.
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  // Showing a form through the backend fires OnShow; hiding it runs the backend's hide.
  void SetVisible(bool visible) override;
  // Closes as the class library does: in a modal loop it sets the modal result
  // to mrCancel; otherwise OnClose decides (caHide by default, caNone keeps the
  // form open); the main form's closing terminates the application.
  void Close();
  // Shows the form modally through the backend; returns the modal result.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modal_result_; }
  // In a modal loop a nonzero result closes the form (OnClose may refuse with caNone).
  void SetModalResult(TModalResult result);

  bool AcceptFiles() const { return accept_files_; }
  void SetAcceptFiles(bool accept);
  // User input: files dropped on the form, through Dispatch; ignored unless AcceptFiles.
  void DropFiles(const std::vector<std::string>& names);
  // User input: a key that may be a menu shortcut; clicks the enabled menu item
  // with that shortcut and returns true, else false.
  bool IsShortCut(unsigned short key, TShiftState shift);

  TNotifyEvent OnShow;
  TCloseEvent OnClose;
  TDropFilesEvent OnDropFiles;

 protected:
  void Notification(TComponent* component) override;

 private:
  void FireShow();
  // Fires OnClose with default action; returns the action the handler left.
  TCloseAction FireClose(TCloseAction action);

  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_ = biSystemMenu | biMinimize | biMaximize;
  TFormStyle form_style_ = fsNormal;
  TPosition position_ = poDesigned;
  int pixels_per_inch_ = 96;
  TMainMenu* menu_ = nullptr;
  TWinControl* active_control_ = nullptr;
  bool modal_ = false;
  TModalResult modal_result_ = mrNone;
  bool accept_files_ = false;
};

}  // namespace ui
