#pragma once
// Cutting code page 932 text to a byte limit without splitting a double-byte character.

#include <cstddef>
#include <string_view>

namespace ui {

// The length of the longest prefix of text that has at most limit bytes and ends
// on a character boundary.
std::size_t FitBytes(std::string_view text, std::size_t limit);

}  // namespace ui
