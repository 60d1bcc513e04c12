#include "platform/string_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/files.h"

namespace platform {
namespace {

// The first byte from `from` on that equals `wanted`, or end.
const char* Find(const char* from, const char* end, char wanted) {
  const void* found = std::memchr(from, wanted, static_cast<std::size_t>(end - from));
  return found != nullptr ? static_cast<const char*>(found) : end;
}

// Calls emit(line) for every line of content by the line model.
template <typename Emit>
void ForEachLine(std::string_view content, Emit emit) {
  if (content.empty()) return;
  const char* line = content.data();
  const char* const end = line + content.size();
  // The next CR and the next LF are each searched again only once passed, so a
  // text without CR costs one scan for it.
  const char* next_cr = Find(line, end, '\r');
  const char* next_lf = Find(line, end, '\n');
  while (line < end) {
    if (next_cr < line) next_cr = Find(line, end, '\r');
    if (next_lf < line) next_lf = Find(line, end, '\n');
    const char* line_end = std::min(next_cr, next_lf);
    emit(std::string_view(line, static_cast<std::size_t>(line_end - line)));
    if (line_end == end) break;
    line = line_end + 1;
    if (*line_end == '\r' && line < end && *line == '\n') ++line;
  }
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  // A guess at the line count that rarely needs a second allocation for text files.
  lines.reserve(content.size() / 32 + 1);
  ForEachLine(content, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStringList::Insert(int index, std::string line) {
  if (index < 0 || index > Count()) throw std::out_of_range("TStringList::Insert");
  lines_.insert(lines_.begin() + index, std::move(line));
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TStringList::Delete");
  lines_.erase(lines_.begin() + index);
}

void TStringList::LoadFromFile(const std::string& path) {
  std::string content;
  if (!Files().ReadFile(path, content)) throw EFOpenError(path);
  lines_ = SplitLines(content);
}

void TStringList::SaveToFile(const std::string& path) const {
  if (!Files().WriteFile(path, Text())) throw EFCreateError(path);
}

void TTextLines::Insert(int index, std::string_view line) {
  if (index < 0 || index > Count()) throw std::out_of_range("TTextLines::Insert");
  lines_.insert(lines_.begin() + index, Keep(line));
}

void TTextLines::Replace(int index, std::string_view line) {
  std::string_view& old = lines_.at(static_cast<std::size_t>(index));
  const auto start = reinterpret_cast<std::uintptr_t>(content_.data());
  const auto at = reinterpret_cast<std::uintptr_t>(old.data());
  const std::size_t offset = at - start;
  const bool in_content = at >= start && offset <= content_.size();
  if (in_content && line.size() <= old.size()) {
    std::memmove(content_.data() + offset, line.data(), line.size());
    old = std::string_view(content_.data() + offset, line.size());
  } else {
    old = Keep(line);
  }
}

void TTextLines::SetText(std::string_view content) {
  Reset();
  content_.assign(content);
  Split();
}

std::string TTextLines::Text() const {
  std::string text;
  for (const std::string_view line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TTextLines::LoadFromFile(const std::string& path) {
  // The previous file's memory goes first, so that two files are never held at once.
  Reset();
  if (!Files().ReadFile(path, content_, identity_, fs_flags_)) {
    content_.clear();
    throw EFOpenError(path);
  }
  Split();
}

void TTextLines::Reset() {
  std::string().swap(content_);
  lines_.clear();
  kept_.clear();
  kept_next_ = nullptr;
  kept_room_ = 0;
  identity_ = {};
  fs_flags_ = 0;
}

void TTextLines::Split() {
  // Every line ends at a CR or an LF or at the end: an exact bound on the views
  // needed, so the list is never regrown (which would hold it twice for a moment).
  const std::size_t bound =
      1 + static_cast<std::size_t>(std::count_if(content_.begin(), content_.end(), [](char byte) {
        return byte == '\r' || byte == '\n';
      }));
  if (lines_.capacity() > 2 * bound + 4096) std::vector<std::string_view>().swap(lines_);
  lines_.reserve(bound);
  ForEachLine(content_, [this](std::string_view line) { lines_.push_back(line); });
}

std::string_view TTextLines::Keep(std::string_view text) {
  if (text.empty()) return {};
  constexpr std::size_t kChunk = std::size_t{64} << 10;
  if (text.size() > kept_room_) {
    const std::size_t size = std::max(kChunk, text.size());
    kept_.push_back(std::make_unique_for_overwrite<char[]>(size));
    kept_next_ = kept_.back().get();
    kept_room_ = size;
  }
  std::memcpy(kept_next_, text.data(), text.size());
  const std::string_view kept(kept_next_, text.size());
  kept_next_ += text.size();
  kept_room_ -= text.size();
  return kept;
}

}  // namespace platform
