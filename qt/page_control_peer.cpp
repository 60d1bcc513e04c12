#include "qt/page_control_peer.h"

#include <QPointer>

#include "qt/text.h"
#include "ui/tab_sheet.h"

namespace qtui {

PageControlPeer::PageControlPeer(Renderer& renderer, ui::TPageControl& pages, QWidget* parent)
    : WidgetPeer(renderer, pages, new QWidget(parent)),
      tabs_(new QTabBar(Widget())),
      frame_(new QFrame(Widget())) {
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setFocusPolicy(Qt::StrongFocus);
  frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  frame_->lower();
  QObject::connect(tabs_, &QTabBar::currentChanged, tabs_, [this](int index) {
    if (Applying() || Pages() == nullptr) return;
    const QPointer<QWidget> alive(Widget());
    Pages()->SelectPage(index);
    if (alive != nullptr && Pages() != nullptr) ApplyTabs();
  });
}

void PageControlPeer::Sync() {
  WidgetPeer::Sync();
  ApplyTabs();
}

void PageControlPeer::Changed(ui::Property property) {
  if (Pages() == nullptr || Widget() == nullptr) return;
  switch (property) {
    case ui::Property::ActivePage:
      ApplyTabs();
      break;
    case ui::Property::Children:
      WidgetPeer::Changed(property);
      ApplyTabs();
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void PageControlPeer::ApplyTabs() {
  ApplyScope scope(*this);
  const ui::TPageControl& pages = *Pages();
  while (tabs_->count() > pages.PageCount()) tabs_->removeTab(tabs_->count() - 1);
  while (tabs_->count() < pages.PageCount()) tabs_->addTab(QString());
  for (int i = 0; i < pages.PageCount(); ++i) {
    tabs_->setTabText(i, ToQString(pages.Pages(i)->Caption()));
  }
  tabs_->setCurrentIndex(pages.ActivePageIndex());
}

void PageControlPeer::ApplyBounds() {
  WidgetPeer::ApplyBounds();
  const ui::TPageControl& pages = *Pages();
  const ui::TRect area = pages.ClientRect();
  tabs_->setGeometry(0, 0, pages.Width(), area.Top);
  frame_->setGeometry(0, area.Top - 2, pages.Width(), pages.Height() - area.Top + 2);
}

}  // namespace qtui
