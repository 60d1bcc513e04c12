#include "platform/string_list.h"

#include <algorithm>
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

}  // namespace

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  if (content.empty()) return lines;
  // A guess at the line count that rarely needs a second allocation for text files.
  lines.reserve(content.size() / 32 + 1);
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
    lines.emplace_back(line, line_end);
    if (line_end == end) break;
    line = line_end + 1;
    if (*line_end == '\r' && line < end && *line == '\n') ++line;
  }
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

}  // namespace platform
