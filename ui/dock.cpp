#include "ui/dock.h"

#include <algorithm>

namespace ui {
namespace {

void DockOne(TRect& room, TAlign align, TRect& bounds) {
  const int width = std::max(0, bounds.Width());
  const int height = std::max(0, bounds.Height());
  const int room_width = std::max(0, room.Width());
  const int room_height = std::max(0, room.Height());
  switch (align) {
    case alTop:
      bounds = {room.Left, room.Top, room.Left + room_width, room.Top + height};
      room.Top += height;
      break;
    case alBottom:
      bounds = {room.Left, room.Bottom - height, room.Left + room_width, room.Bottom};
      room.Bottom -= height;
      break;
    case alLeft:
      bounds = {room.Left, room.Top, room.Left + width, room.Top + room_height};
      room.Left += width;
      break;
    case alRight:
      bounds = {room.Right - width, room.Top, room.Right, room.Top + room_height};
      room.Right -= width;
      break;
    case alClient:
      bounds = {room.Left, room.Top, room.Left + room_width, room.Top + room_height};
      break;
    case alNone:
      break;
  }
}

}  // namespace

void DockChildren(const TRect& client, std::vector<DockItem>& items) {
  TRect room = client;
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (DockItem& item : items) {
      if (item.align == align && item.visible) DockOne(room, align, item.bounds);
    }
  }
}

}  // namespace ui
