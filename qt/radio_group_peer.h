#pragma once
// RadioGroupPeer: a radio group as a QGroupBox holding one radio button per
// item, arranged in the group's columns the way the class library arranges them
// (down each column first). A click on a button picks its item in the model.

#include <QRadioButton>
#include <vector>

#include "qt/widget_peer.h"
#include "ui/radio_group.h"

namespace qtui {

class RadioGroupPeer : public WidgetPeer {
 public:
  RadioGroupPeer(Renderer& renderer, ui::TRadioGroup& group, QWidget* parent);

  void Sync() override;
  void Changed(ui::Property property) override;
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;

 private:
  ui::TRadioGroup* Group() const { return static_cast<ui::TRadioGroup*>(Control()); }
  void MakeButtons();
  void Arrange();
  void ApplyChecks();

  std::vector<QRadioButton*> buttons_;
};

}  // namespace qtui
