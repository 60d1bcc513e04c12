#pragma once
// Comma lists of extensions as the preferences dialog edits them: one combo-box
// item per piece, empty pieces included.

#include <string>
#include <string_view>
#include <vector>

// The pieces between the commas, unchanged: "" gives one empty piece, ",," an
// empty piece between two others.
std::vector<std::string> SplitExtensionList(std::string_view list);
// The items joined with ","; no items give "".
std::string JoinExtensionList(const std::vector<std::string>& items);
