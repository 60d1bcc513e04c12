#pragma once
// TItems: the item list of a list box, combo box or radio group and the lines of
// a memo, in the shape of the class library's string lists. Kept in a gap
// buffer, so that runs of insertions at consecutive rows (also near the top of a
// long list) cost O(1) each. Every change is reported to the owning control.
//
// The list also keeps its byte length as a memo's text counts it: every line
// followed by a two-byte line break. With a byte limit set (a memo's maximum
// length), an insertion that does not fit whole is cut to the room left (never
// inside a double-byte character), and lost when no room is left; text set whole
// (SetText, Assign, LoadFromFile) is not limited.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/gap_buffer.h"
#include "ui/items_listener.h"

namespace ui {

class TItems {
 public:
  explicit TItems(ItemsListener* listener = nullptr) : listener_(listener) {}
  TItems(const TItems&) = delete;
  TItems& operator=(const TItems&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const { return items_[index]; }
  const std::string& Strings(int index) const { return items_[index]; }
  // Replaces one item's text.
  void SetStrings(int index, std::string text);

  // Appends; returns the new item's index, or -1 when the byte limit left no room.
  int Add(std::string text);
  // Inserts before index (Count() appends); false when the byte limit left no room.
  bool Insert(int index, std::string text);
  void Delete(int index);
  void Clear();

  // The first item equal to text, ignoring letter case as code page 932 lowers
  // it (the list controls' exact-match search); -1 when none.
  int IndexOf(std::string_view text) const;

  std::vector<std::string> ToVector() const;
  void Assign(std::vector<std::string> items);
  // Every item followed by CR LF.
  std::string Text() const;
  // Replaces the items with the lines of text (CR, LF or CR LF end a line).
  void SetText(std::string_view text);

  // Raises EFOpenError when the file cannot be read.
  void LoadFromFile(const std::string& path);
  // Raises EFCreateError when the file cannot be written.
  void SaveToFile(const std::string& path) const;

  // Bytes of the text with a two-byte break after every item.
  std::size_t ByteLength() const { return byte_length_; }
  // 0: no limit.
  std::size_t MaxBytes() const { return max_bytes_; }
  void SetMaxBytes(std::size_t max_bytes) { max_bytes_ = max_bytes; }

 private:
  // The part of text that the byte limit lets an insertion store; false when none.
  bool FitToLimit(std::string& text) const;

  GapBuffer<std::string> items_;
  std::size_t byte_length_ = 0;
  std::size_t max_bytes_ = 0;
  ItemsListener* listener_;
};

}  // namespace ui
