#pragma once
// Docking arithmetic: where aligned children go inside their parent's client area.

#include <vector>

#include "ui/types.h"

namespace ui {

// One child as docking sees it.
struct DockItem {
  TAlign align = alNone;
  bool visible = true;
  TRect bounds;
};

// Docks the items into client: first every alTop item, then alBottom, alLeft,
// alRight and alClient, each kind in the order given (the creation order). A top
// item keeps its height and spans the remaining width at the remaining top, and
// so on; invisible and undocked items keep their bounds. Sizes never go below 0.
void DockChildren(const TRect& client, std::vector<DockItem>& items);

}  // namespace ui
