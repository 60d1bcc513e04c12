#pragma once
// ComboBoxPeer: a combo box as a QComboBox, editable for csDropDown and a plain
// drop-down list for csDropDownList. Typing goes into the model's text (firing
// OnChange), picking an item selects it in the model (firing OnChange); the
// model's items, index and text show in the widget.

#include <QComboBox>

#include "qt/widget_peer.h"
#include "ui/combo_box.h"

namespace qtui {

class ComboBoxPeer : public WidgetPeer {
 public:
  ComboBoxPeer(Renderer& renderer, ui::TComboBox& combo, QWidget* parent);

  QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }
  void Sync() override;
  void Changed(ui::Property property) override;
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;

 protected:
  QPalette::ColorRole BackgroundRole() const override { return QPalette::Base; }
  ui::TColor NaturalColor() const override { return ui::clWindow; }

 private:
  ui::TComboBox* Model() const { return static_cast<ui::TComboBox*>(Control()); }
  void ApplyStyle();
  // The current item and the edit field's text, as the model has them.
  void ApplyText();
  void ApplySelection();
  void UserTyped(const QString& text);

  bool wired_edit_ = false;
};

}  // namespace qtui
