#pragma once
// LabelPeer: a label as a QLabel showing its caption as plain text (an "&" access
// mark is not drawn), in its font, colours and cursor. Mouse presses and
// releases reach the model as MouseDown and MouseUp, with a Click in between
// when the release falls on the label.

#include "qt/widget_peer.h"
#include "ui/label.h"

namespace qtui {

class LabelPeer : public WidgetPeer {
 public:
  LabelPeer(Renderer& renderer, ui::TLabel& label, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;

  // From the widget: a mouse button went down or up at (x, y).
  void UserMouse(bool down, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);

 protected:
  void ApplyFont() override;
};

}  // namespace qtui
