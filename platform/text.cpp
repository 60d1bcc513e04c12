#include "platform/text.h"

#include <climits>

#include "platform/ansi.h"
#include "platform/errors.h"

namespace platform {
namespace {

// The length of a path's folder part: the offset just after its last separator,
// 0 when it has none. The path is walked character by character so that the
// second byte of a double-byte character is never taken for a separator.
std::size_t FolderLength(std::string_view path) {
  std::size_t folder_length = 0;
  std::size_t i = 0;
  while (i < path.size()) {
    const std::size_t length = CharLength(path, i);
    if (length == 1 && path[i] == kPathDelim) folder_length = i + 1;
    i += length;
  }
  return folder_length;
}

}  // namespace

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(FolderLength(path)));
}

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, FolderLength(path)));
}

bool AnsiSameText(std::string_view a, std::string_view b) {
  // Lowering keeps every byte length, so texts of different lengths never match.
  return a.size() == b.size() && AnsiLowerCase(a) == AnsiLowerCase(b);
}

std::vector<std::string> SplitCommaList(std::string_view list) {
  std::vector<std::string> items;
  std::string_view rest = list;
  do {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
      items.emplace_back(rest);
      break;
    }
    items.emplace_back(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
  } while (!rest.empty());
  return items;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

bool TryStrToInt(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return false;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(std::string(text));
  return value;
}

}  // namespace platform
