#include "ui/items.h"

#include <stdexcept>

#include "platform/string_list.h"
#include "platform/text.h"
#include "ui/text_fit.h"

namespace ui {

void TItems::SetStrings(int index, std::string text) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TItems::SetStrings");
  byte_length_ = byte_length_ - items_[index].size() + text.size();
  items_[index] = std::move(text);
  if (listener_ != nullptr) listener_->ItemChanged(index);
}

int TItems::Add(std::string text) {
  return Insert(Count(), std::move(text)) ? Count() - 1 : -1;
}

bool TItems::Insert(int index, std::string text) {
  if (index < 0 || index > Count()) throw std::out_of_range("TItems::Insert");
  if (!FitToLimit(text)) return false;
  byte_length_ += text.size() + 2;
  items_.insert(index, std::move(text));
  if (listener_ != nullptr) listener_->ItemsInserted(index, 1);
  return true;
}

void TItems::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TItems::Delete");
  byte_length_ -= items_[index].size() + 2;
  items_.erase(index);
  if (listener_ != nullptr) listener_->ItemsRemoved(index, 1);
}

void TItems::Clear() {
  items_.clear();
  byte_length_ = 0;
  if (listener_ != nullptr) listener_->ItemsReset();
}

int TItems::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (platform::AnsiSameText(items_[i], text)) return i;
  }
  return -1;
}

std::vector<std::string> TItems::ToVector() const {
  std::vector<std::string> items;
  items.reserve(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) items.push_back(items_[i]);
  return items;
}

void TItems::Assign(std::vector<std::string> items) {
  byte_length_ = 0;
  for (const std::string& item : items) byte_length_ += item.size() + 2;
  items_.assign(std::move(items));
  if (listener_ != nullptr) listener_->ItemsReset();
}

std::string TItems::Text() const {
  std::string text;
  text.reserve(byte_length_);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    text += items_[i];
    text += "\r\n";
  }
  return text;
}

void TItems::SetText(std::string_view text) {
  Assign(platform::SplitLines(text));
}

void TItems::LoadFromFile(const std::string& path) {
  platform::TStringList list;
  list.LoadFromFile(path);
  Assign(std::move(list.Lines()));
}

void TItems::SaveToFile(const std::string& path) const {
  platform::TStringList list;
  list.Lines() = ToVector();
  list.SaveToFile(path);
}

bool TItems::FitToLimit(std::string& text) const {
  if (max_bytes_ == 0) return true;
  const std::size_t room = byte_length_ < max_bytes_ ? max_bytes_ - byte_length_ : 0;
  if (text.size() + 2 <= room) return true;
  // The cut part keeps room for its own line break, so the text never passes the limit.
  const std::size_t fit = room > 2 ? FitBytes(text, room - 2) : 0;
  if (fit == 0) return false;
  text.resize(fit);
  return true;
}

}  // namespace ui
