#pragma once
// TPageControl: pages with tabs, one shown at a time. Setting the active page in
// code fires nothing; the user's choice of a tab fires OnChange.

#include <vector>

#include "ui/win_control.h"

namespace ui {

class TTabSheet;

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_[index]; }
  TTabSheet* ActivePage() const { return active_page_; }
  // Shows page (one of the pages, or null for none).
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  // The area of the pages: the bounds less the tabs and the frame.
  TRect ClientRect() const override;

  TNotifyEvent OnChange;

  // User input, through Dispatch: the tab of page index chosen; fires OnChange.
  void SelectPage(int index);

 protected:
  void BoundsChanged() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PlacePage(TTabSheet* page) const;

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_page_ = nullptr;
};

}  // namespace ui
