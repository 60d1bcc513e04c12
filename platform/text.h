#pragma once
// Small text helpers shared by every subsystem: file names of paths,
// case-insensitive comparison, comma lists and integer conversion.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The platform's path separator.
inline constexpr char kPathDelim = '/';

// The part of a path after its last separator; the whole path when it has none.
// A byte that is the second byte of a double-byte character is never a separator.
std::string ExtractFileName(std::string_view path);

// The folder part of a path including its last separator; empty when it has none.
std::string ExtractFilePath(std::string_view path);

// Both sides lowered per character with the code page's mapping, then compared
// byte for byte.
bool AnsiSameText(std::string_view a, std::string_view b);

// Splits a comma list for matching: items before each ","; the rest after the last
// "," is the final item unless it is empty. So "a," is one item, ",a" and "" hold
// an empty item.
std::vector<std::string> SplitCommaList(std::string_view list);

// Decimal text of a number.
std::string IntToStr(long long value);

// Reads a decimal 32-bit signed integer (optional sign, leading blanks allowed);
// raises EConvertError for anything else.
int StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);

}  // namespace platform
