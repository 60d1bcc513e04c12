#pragma once
// MemoPeer: a memo as a QPlainTextEdit, one text block per model line. Line
// insertions, removals and changes are applied where they happen, so a log that
// grows by one line at the top costs one insertion, not a redraw of the whole text.

#include <QPlainTextEdit>

#include "qt/widget_peer.h"
#include "ui/memo.h"

namespace qtui {

class MemoPeer : public WidgetPeer {
 public:
  MemoPeer(Renderer& renderer, ui::TMemo& memo, QWidget* parent);

  QPlainTextEdit* Editor() const { return static_cast<QPlainTextEdit*>(Widget()); }
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
  ui::TMemo* Memo() const { return static_cast<ui::TMemo*>(Control()); }
  void ApplyWrapping();

  // The number of model lines the document shows (an empty document shows none
  // in its one empty block).
  int lines_ = 0;
};

}  // namespace qtui
