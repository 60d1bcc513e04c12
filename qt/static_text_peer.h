#pragma once
// StaticTextPeer: a static text as a framed QLabel (sunken or single border)
// that breaks its caption at line feeds and wraps long lines within its width.

#include "qt/widget_peer.h"
#include "ui/static_text.h"

namespace qtui {

class StaticTextPeer : public WidgetPeer {
 public:
  StaticTextPeer(Renderer& renderer, ui::TStaticText& text, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;
};

}  // namespace qtui
