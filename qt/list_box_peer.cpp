#include "qt/list_box_peer.h"

#include <QPointer>

namespace qtui {

ListBoxPeer::ListBoxPeer(Renderer& renderer, ui::TListBox& list, QWidget* parent)
    : WidgetPeer(renderer, list, new QListView(parent)),
      model_(new ItemListModel(list.Items(), Widget())) {
  QListView& view = *View();
  view.setModel(model_);
  view.setUniformItemSizes(true);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.setTextElideMode(Qt::ElideNone);
  view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  view.setFocusPolicy(Qt::StrongFocus);
  view.viewport()->setAcceptDrops(false);
  QObject::connect(view.selectionModel(), &QItemSelectionModel::selectionChanged, &view,
                   [this](const QItemSelection& selected, const QItemSelection& deselected) {
                     UserSelection(selected, deselected);
                   });
  QObject::connect(view.selectionModel(), &QItemSelectionModel::currentChanged, &view,
                   [this](const QModelIndex& current) {
                     if (Applying() || List() == nullptr || !List()->MultiSelect()) return;
                     ApplyScope scope(*this);
                     List()->SetItemIndex(current.isValid() ? current.row() : -1);
                   });
}

void ListBoxPeer::Sync() {
  WidgetPeer::Sync();
  ApplyScope scope(*this);
  model_->Reset();
  Changed(ui::Property::MultiSelect);
  ApplyRowSize();
}

void ListBoxPeer::Changed(ui::Property property) {
  if (List() == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::MultiSelect:
      View()->setSelectionMode(List()->MultiSelect() ? QAbstractItemView::ExtendedSelection
                                                     : QAbstractItemView::SingleSelection);
      ApplySelection(-1);
      break;
    case ui::Property::ItemIndex:
      ApplyCurrent();
      break;
    case ui::Property::ItemHeight:
    case ui::Property::HorizontalExtent:
      ApplyRowSize();
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void ListBoxPeer::ItemsInserted(int index, int count) {
  ApplyScope scope(*this);
  model_->Inserted(index, count);
}

void ListBoxPeer::ItemsRemoved(int index, int count) {
  ApplyScope scope(*this);
  model_->Removed(index, count);
}

void ListBoxPeer::ItemChanged(int index) {
  model_->Changed(index);
}

void ListBoxPeer::ItemsReset() {
  ApplyScope scope(*this);
  model_->Reset();
  ApplySelection(-1);
}

void ListBoxPeer::ItemSelectionChanged(int index) {
  if (Applying()) return;
  ApplyScope scope(*this);
  ApplySelection(index);
}

void ListBoxPeer::ApplySelection(int index) {
  const ui::TListBox& list = *List();
  QItemSelectionModel& selection = *View()->selectionModel();
  if (index >= 0) {
    selection.select(model_->index(index), list.Selected(index) ? QItemSelectionModel::Select
                                                                : QItemSelectionModel::Deselect);
    ApplyCurrent();
    return;
  }
  QItemSelection all;
  const int count = list.Items().Count();
  if (list.SelCount() > 0) {
    for (int first = 0; first < count; ++first) {
      if (!list.Selected(first)) continue;
      int last = first;
      while (last + 1 < count && list.Selected(last + 1)) ++last;
      all.select(model_->index(first), model_->index(last));
      first = last;
    }
  }
  selection.select(all, QItemSelectionModel::ClearAndSelect);
  ApplyCurrent();
}

void ListBoxPeer::ApplyCurrent() {
  const int index = List()->ItemIndex();
  QItemSelectionModel& selection = *View()->selectionModel();
  const QModelIndex current = index >= 0 ? model_->index(index) : QModelIndex();
  if (selection.currentIndex() != current) {
    selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  }
}

void ListBoxPeer::ApplyRowSize() {
  const ui::TListBox& list = *List();
  model_->SetRowSize(QSize(std::max(list.HorizontalExtent(), 0), list.ItemHeight()));
}

void ListBoxPeer::UserSelection(const QItemSelection& selected, const QItemSelection& deselected) {
  ui::TListBox* list = List();
  if (Applying() || list == nullptr) return;
  {
    ApplyScope scope(*this);
    const int count = list->Items().Count();
    for (const QItemSelectionRange& range : deselected) {
      for (int row = range.top(); row <= range.bottom() && row < count; ++row) {
        list->SetSelected(row, false);
      }
    }
    for (const QItemSelectionRange& range : selected) {
      for (int row = range.top(); row <= range.bottom() && row < count; ++row) {
        list->SetSelected(row, true);
      }
    }
  }
  // A change of selection by the person is a click on the list.
  list->Click();
}

}  // namespace qtui
