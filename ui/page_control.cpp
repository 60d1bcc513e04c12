#include "ui/page_control.h"

#include <algorithm>

#include "ui/dispatch.h"
#include "ui/tab_sheet.h"

namespace ui {

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
}

TPageControl::~TPageControl() {
  DetachPeerForDestruction();
  for (TTabSheet* page : pages_) page->page_control_ = nullptr;
  pages_.clear();
  active_page_ = nullptr;
}

int TPageControl::ActivePageIndex() const {
  return active_page_ != nullptr ? active_page_->PageIndex() : -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) return;
  if (page == active_page_) return;
  if (active_page_ != nullptr) active_page_->SetVisible(false);
  active_page_ = page;
  if (active_page_ != nullptr) active_page_->SetVisible(true);
  Notify(Property::ActivePage);
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

TRect TPageControl::ClientRect() const {
  // The tab row above the pages, and the page frame.
  return {4, 24, Width() - 4, Height() - 4};
}

void TPageControl::SelectPage(int index) {
  if (!AcceptsInput() || index < 0 || index >= PageCount()) return;
  Dispatch([&] {
    if (pages_[index] == active_page_) return;
    SetActivePage(pages_[index]);
    if (OnChange) OnChange(this);
  });
}

void TPageControl::BoundsChanged() {
  TWinControl::BoundsChanged();
  for (TTabSheet* page : pages_) PlacePage(page);
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  PlacePage(page);
  Notify(Property::Children);
  if (active_page_ == nullptr) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  const auto index = found - pages_.begin();
  pages_.erase(found);
  page->page_control_ = nullptr;
  if (page == active_page_) {
    active_page_ = nullptr;
    if (!pages_.empty()) {
      SetActivePage(pages_[std::min<std::size_t>(index, pages_.size() - 1)]);
    } else {
      Notify(Property::ActivePage);
    }
  }
  Notify(Property::Children);
}

void TPageControl::PlacePage(TTabSheet* page) const {
  const TRect area = ClientRect();
  page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

}  // namespace ui
