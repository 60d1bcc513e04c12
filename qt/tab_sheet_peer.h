#pragma once
// TabSheetPeer: a page of a page control as a plain widget; its caption is the
// text of its tab, which the page control's peer shows.

#include "qt/widget_peer.h"
#include "ui/tab_sheet.h"

namespace qtui {

class TabSheetPeer : public WidgetPeer {
 public:
  TabSheetPeer(Renderer& renderer, ui::TTabSheet& sheet, QWidget* parent);

  void Changed(ui::Property property) override;
};

}  // namespace qtui
