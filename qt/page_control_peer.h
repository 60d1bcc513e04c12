#pragma once
// PageControlPeer: a page control as a tab bar above a framed page area; the
// pages are its children, placed by the model over the area, and only the
// active one is visible. Choosing a tab selects the page in the model.

#include <QFrame>
#include <QTabBar>

#include "qt/widget_peer.h"
#include "ui/page_control.h"

namespace qtui {

class PageControlPeer : public WidgetPeer {
 public:
  PageControlPeer(Renderer& renderer, ui::TPageControl& pages, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;
  // Shows one tab per page with the page's caption, and the active page's tab as current.
  void ApplyTabs();

 protected:
  void ApplyBounds() override;

 private:
  ui::TPageControl* Pages() const { return static_cast<ui::TPageControl*>(Control()); }

  QTabBar* tabs_;
  QFrame* frame_;
};

}  // namespace qtui
