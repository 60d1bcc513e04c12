#include "cue/cue_file.h"

#include "platform/ansi.h"

namespace cue {
namespace {

constexpr int kHeaderLines = 3;
constexpr int kLinesPerPatch = 3;
constexpr int kExtensionLine = 2;

// Line index of a cue file, or empty when the file is shorter.
const std::string& LineOrEmpty(const platform::TStringList& lines, int index) {
  static const std::string empty;
  return index < lines.Count() ? lines[index] : empty;
}

}  // namespace

bool IsWellFormed(int line_count) {
  return line_count >= 5 && (line_count - kHeaderLines) % kLinesPerPatch == 0;
}

std::vector<std::string> PatchNames(const platform::TStringList& lines) {
  std::vector<std::string> names;
  for (int row = kHeaderLines; row < lines.Count(); row += kLinesPerPatch) {
    names.push_back(lines[row]);
  }
  return names;
}

bool FindPatch(const platform::TStringList& lines, int index, PatchStrings& patch) {
  if (index < 0) return false;
  const long long name_row = kHeaderLines + static_cast<long long>(index) * kLinesPerPatch;
  if (name_row + 2 >= lines.Count()) return false;
  patch.search = lines[static_cast<int>(name_row + 1)];
  patch.replacement = lines[static_cast<int>(name_row + 2)];
  return true;
}

std::optional<std::string> AllowList(const platform::TStringList& lines) {
  if (lines.Count() <= kExtensionLine) return std::nullopt;
  return lines[kExtensionLine];
}

std::vector<std::string> InformationLines(const platform::TStringList& lines) {
  return {u8"サイト: "_sj + LineOrEmpty(lines, 0), u8"サーバ: "_sj + LineOrEmpty(lines, 1),
          u8"拡張子: "_sj + LineOrEmpty(lines, kExtensionLine), u8"*** 書き換え内容 ***"_sj};
}

}  // namespace cue
