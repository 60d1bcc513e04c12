#include "qt/tab_sheet_peer.h"

#include "qt/page_control_peer.h"
#include "ui/page_control.h"

namespace qtui {

TabSheetPeer::TabSheetPeer(Renderer& renderer, ui::TTabSheet& sheet, QWidget* parent)
    : WidgetPeer(renderer, sheet, new QWidget(parent)) {}

void TabSheetPeer::Changed(ui::Property property) {
  const auto* sheet = static_cast<const ui::TTabSheet*>(Control());
  if (sheet == nullptr) return;
  if (property == ui::Property::Caption) {
    if (sheet->PageControl() != nullptr) {
      if (auto* tabs = dynamic_cast<PageControlPeer*>(sheet->PageControl()->Peer())) {
        tabs->ApplyTabs();
      }
    }
    return;
  }
  WidgetPeer::Changed(property);
}

}  // namespace qtui
