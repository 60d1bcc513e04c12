#pragma once
// ButtonPeer: a push button as a QPushButton; the caption's "&" marks the access
// key (Alt+letter). A click runs the model's Click (modal result, OnClick). The
// default button is drawn as such; Enter reaches it through the InputRouter.

#include <QPushButton>

#include "qt/widget_peer.h"
#include "ui/button.h"

namespace qtui {

class ButtonPeer : public WidgetPeer {
 public:
  ButtonPeer(Renderer& renderer, ui::TButton& button, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;
};

}  // namespace qtui
