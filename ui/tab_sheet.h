#pragma once
// TTabSheet: one page of a page control; its caption is the tab's text. Its
// parent is the page control, which sizes it to its page area.

#include "ui/win_control.h"

namespace ui {

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return page_control_; }
  // Appends the sheet to the page control's pages (null removes it).
  void SetPageControl(TPageControl* page_control);
  // The sheet's index among the pages, or -1.
  int PageIndex() const;

 private:
  friend class TPageControl;
  TPageControl* page_control_ = nullptr;
};

}  // namespace ui
