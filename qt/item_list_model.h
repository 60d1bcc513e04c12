#pragma once
// ItemListModel: a Qt list model over a control's item list. It reads the items
// in place and is told of each insertion, removal and change by index, so a list
// of 100,000 entries costs nothing per entry until a row is painted. Every row
// has one size: the item height, and the list's scrolling width.

#include <QAbstractListModel>
#include <QSize>

#include "ui/items.h"

namespace qtui {

class ItemListModel : public QAbstractListModel {
 public:
  ItemListModel(const ui::TItems& items, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The items changed by index; the model's list already holds the change.
  void Inserted(int index, int count);
  void Removed(int index, int count);
  void Changed(int index);
  void Reset();

  void SetRowSize(QSize size);

 private:
  const ui::TItems& items_;
  int rows_ = 0;
  QSize row_size_;
};

}  // namespace qtui
