#include "qt/item_list_model.h"

#include "qt/text.h"

namespace qtui {

ItemListModel::ItemListModel(const ui::TItems& items, QObject* parent)
    : QAbstractListModel(parent), items_(items), rows_(items.Count()) {}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(items_[index.row()]);
    case Qt::SizeHintRole:
      return row_size_;
    default:
      return {};
  }
}

void ItemListModel::Inserted(int index, int count) {
  if (count <= 0) return;
  beginInsertRows(QModelIndex(), index, index + count - 1);
  rows_ += count;
  endInsertRows();
}

void ItemListModel::Removed(int index, int count) {
  if (count <= 0) return;
  beginRemoveRows(QModelIndex(), index, index + count - 1);
  rows_ -= count;
  endRemoveRows();
}

void ItemListModel::Changed(int index) {
  const QModelIndex changed = this->index(index);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ItemListModel::Reset() {
  beginResetModel();
  rows_ = items_.Count();
  endResetModel();
}

void ItemListModel::SetRowSize(QSize size) {
  if (size == row_size_) return;
  row_size_ = size;
  // The view keeps one size for all rows; a layout change makes it measure again.
  emit layoutAboutToBeChanged();
  emit layoutChanged();
}

}  // namespace qtui
