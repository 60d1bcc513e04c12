#pragma once
// UpDownPeer: an up-down control as two arrow buttons stacked in its bounds. An
// arrow steps the model's position (within Min..Max, which writes the associate
// edit field); held down, it repeats.

#include <QToolButton>

#include "qt/widget_peer.h"
#include "ui/up_down.h"

namespace qtui {

class UpDownPeer : public WidgetPeer {
 public:
  UpDownPeer(Renderer& renderer, ui::TUpDown& up_down, QWidget* parent);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  void ApplyBounds() override;

 private:
  QToolButton* MakeArrow(Qt::ArrowType arrow, ui::TUDBtnType step);

  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace qtui
