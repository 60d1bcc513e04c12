#pragma once
// ListBoxPeer: a list box as a QListView over the model's items (no widget per
// entry, rows of one height). Selection runs both ways: the model's selected
// entries and focused entry show in the view, and the person's selection goes
// into the model. The scrolling width is the model's HorizontalExtent.

#include <QItemSelection>
#include <QListView>

#include "qt/item_list_model.h"
#include "qt/widget_peer.h"
#include "ui/list_box.h"

namespace qtui {

class ListBoxPeer : public WidgetPeer {
 public:
  ListBoxPeer(Renderer& renderer, ui::TListBox& list, QWidget* parent);

  QListView* View() const { return static_cast<QListView*>(Widget()); }
  void Sync() override;
  void Changed(ui::Property property) override;
  void ItemsInserted(int index, int count) override;
  void ItemsRemoved(int index, int count) override;
  void ItemChanged(int index) override;
  void ItemsReset() override;
  void ItemSelectionChanged(int index) override;

 protected:
  QPalette::ColorRole BackgroundRole() const override { return QPalette::Base; }
  ui::TColor NaturalColor() const override { return ui::clWindow; }

 private:
  ui::TListBox* List() const { return static_cast<ui::TListBox*>(Control()); }
  void ApplySelection(int index);
  void ApplyCurrent();
  void ApplyRowSize();
  void UserSelection(const QItemSelection& selected, const QItemSelection& deselected);

  ItemListModel* model_;
};

}  // namespace qtui
