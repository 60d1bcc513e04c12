#include "platform/profile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace platform {
namespace {

constexpr std::size_t kMaxValueLength = 2047;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AnsiLowerCase(a) == AnsiLowerCase(b);
}

// The name of a section line ("[name]", blanks around the name ignored), or
// nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(']')));
}

// A "key=value" line, both parts trimmed; comment (";") and section lines are none.
struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  line = Trim(line);
  const std::size_t equals = line.find('=');
  if (line.empty() || line.front() == ';' || line.front() == '[' ||
      equals == std::string_view::npos) {
    return std::nullopt;
  }
  return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// The lines of a section: from its header to the next section or the end.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

// The index of the key's line within the section, if it has one.
std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto parsed = ParseKeyLine(lines[i]);
    if (parsed && SameName(parsed->key, key)) return i;
  }
  return std::nullopt;
}

// A value in one pair of double or single quotes is read without them, as the
// Windows profile functions read it.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The value as a "key=value" line carries it: quoted when reading would otherwise
// change it (blanks at either end, or a pair of quotes around it), so that this
// reader and the Windows one both give back exactly the value written.
std::string EncodeValue(const std::string& value) {
  if (Unquote(Trim(value)) == value) return value;
  return '"' + value + '"';
}

// Decodes an integer value: hexadecimal after "0x"/"0X" when the value is longer
// than two characters (up to 32 bits, taken as signed), else decimal with an
// optional sign; nothing for anything else or out of range.
std::optional<int> DecodeInteger(std::string_view text) {
  const char* end = text.data() + text.size();
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint32_t bits = 0;
    const auto [stop, error] = std::from_chars(text.data() + 2, end, bits, 16);
    if (error != std::errc() || stop != end) return std::nullopt;
    return static_cast<int>(bits);
  }
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int value = 0;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The line break that the file uses: that of its first line, CR LF for a file
// without one.
std::string LineBreakOf(std::string_view content) {
  const std::size_t first = content.find('\n');
  return first == std::string_view::npos || (first > 0 && content[first - 1] == '\r') ? "\r\n"
                                                                                      : "\n";
}

// The file's lines, each without its CR LF or LF; a final break adds no line.
std::vector<std::string> SplitIniLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t stop = std::min(content.find('\n', start), content.size());
    std::string_view line = content.substr(start, stop - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = stop + 1;
  }
  return lines;
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)), line_break_("\r\n") {
  std::string content;
  if (!Files().ReadFile(path_, content)) {
    loaded_ = !Files().FileExists(path_);
    return;
  }
  line_break_ = LineBreakOf(content);
  lines_ = SplitIniLines(content);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& default_value) const {
  const auto span = FindSection(lines_, section);
  const auto index = span ? FindKey(lines_, *span, key) : std::nullopt;
  if (!index) return default_value;
  const std::string_view value = Unquote(ParseKeyLine(lines_[*index])->value);
  return std::string(value.substr(0, kMaxValueLength));
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int default_value) const {
  const std::string value = ReadString(section, key, "");
  return DecodeInteger(value).value_or(default_value);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  // Change the lines, remembering how to undo it should the file refuse the write.
  const std::string line_value = EncodeValue(value);
  std::size_t index = lines_.size();
  std::size_t inserted = 0;
  std::string replaced;
  const auto span = FindSection(lines_, section);
  const auto found = span ? FindKey(lines_, *span, key) : std::nullopt;
  if (found) {
    index = *found;
    replaced = lines_[index];
    lines_[index] = std::string(ParseKeyLine(replaced)->key) + "=" + line_value;
  } else if (span) {
    index = span->end;
    while (index - 1 > span->header && Trim(lines_[index - 1]).empty()) --index;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), key + "=" + line_value);
    inserted = 1;
  } else {
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + line_value);
    inserted = 2;
  }

  std::string content;
  for (const std::string& line : lines_) content.append(line).append(line_break_);
  if (loaded_ && Files().WriteFile(path_, content)) return;

  const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(index);
  if (found) {
    lines_[index] = std::move(replaced);
  } else {
    lines_.erase(first, first + static_cast<std::ptrdiff_t>(inserted));
  }
  throw EIniFileException(path_);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace platform
