#pragma once
// The cue file's layout: three header lines (site, server, extension list) and
// then three lines per patch (name, search string, replacement), all verbatim.

#include <optional>
#include <string>
#include <vector>

#include "platform/string_list.h"

namespace cue {

// Whether a cue file of line_count lines holds the header and whole patches,
// at least one of them.
bool IsWellFormed(int line_count);

// The patch names, lines 3, 6, 9, … of the file, in order.
std::vector<std::string> PatchNames(const platform::TStringList& lines);

// One patch's strings.
struct PatchStrings {
  std::string search;
  std::string replacement;
};
// The strings of patch index; false when the lines hold no such patch.
bool FindPatch(const platform::TStringList& lines, int index, PatchStrings& patch);

// The allow list of admission in patch mode: the extension line (line 2); none,
// so that nothing is admitted, when the lines are too few to hold it (a rejected
// short file).
std::optional<std::string> AllowList(const platform::TStringList& lines);

// The first four lines of the information window: site, server, extensions and
// the heading of what is rewritten.
std::vector<std::string> InformationLines(const platform::TStringList& lines);

}  // namespace cue
