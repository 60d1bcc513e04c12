#include "ui/memo.h"

namespace ui {

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TMemo::SetReadOnly(bool read_only) {
  if (read_only == read_only_) return;
  read_only_ = read_only;
  Notify(Property::ReadOnly);
}

void TMemo::SetScrollBars(TScrollStyle scroll_bars) {
  if (scroll_bars == scroll_bars_) return;
  scroll_bars_ = scroll_bars;
  Notify(Property::ScrollBars);
}

void TMemo::SetWordWrap(bool word_wrap) {
  if (word_wrap == word_wrap_) return;
  word_wrap_ = word_wrap;
  Notify(Property::WordWrap);
}

void TMemo::SetMaxLength(std::size_t max_length) {
  if (max_length == lines_.MaxBytes()) return;
  lines_.SetMaxBytes(max_length);
  Notify(Property::MaxLength);
}

void TMemo::ItemsInserted(int index, int count) {
  if (Peer() != nullptr) Peer()->ItemsInserted(index, count);
}

void TMemo::ItemsRemoved(int index, int count) {
  if (Peer() != nullptr) Peer()->ItemsRemoved(index, count);
}

void TMemo::ItemChanged(int index) {
  if (Peer() != nullptr) Peer()->ItemChanged(index);
}

void TMemo::ItemsReset() {
  if (Peer() != nullptr) Peer()->ItemsReset();
}

}  // namespace ui
