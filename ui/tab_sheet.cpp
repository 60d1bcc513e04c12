#include "ui/tab_sheet.h"

#include "ui/page_control.h"

namespace ui {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
}

TTabSheet::~TTabSheet() {
  DetachPeerForDestruction();
  if (page_control_ != nullptr) page_control_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* page_control) {
  if (page_control == page_control_) return;
  if (page_control_ != nullptr) page_control_->RemovePage(this);
  page_control_ = page_control;
  SetParent(page_control);
  if (page_control_ != nullptr) page_control_->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (page_control_ == nullptr) return -1;
  for (int i = 0; i < page_control_->PageCount(); ++i) {
    if (page_control_->Pages(i) == this) return i;
  }
  return -1;
}

}  // namespace ui
