#pragma once
// Code page 932 (Shift-JIS): the lead-byte test, lower-casing that keeps every
// character's byte length, and conversion to and from UTF-8 for the program's edges.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// True for a byte that starts a double-byte character: 0x81–0x9F and 0xE0–0xFC.
inline bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
// True for a byte that can end a double-byte character: 0x40–0x7E and 0x80–0xFC.
inline bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The byte length of the character starting at `at`: 2 for a lead byte followed
// by a byte that can end a double-byte character, else 1. Every walk over code
// page 932 text steps by this one rule.
inline std::size_t CharLength(std::string_view text, std::size_t at) {
  return at + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[at])) &&
                 IsTrailByte(static_cast<unsigned char>(text[at + 1]))
             ? 2
             : 1;
}

// Lowers a text in place, character by character: ASCII A–Z, full-width Latin,
// Greek and Cyrillic capitals. A trail byte is never taken for a letter, and every
// character keeps its byte length, so positions stay valid in the original text.
void AnsiLowerBuff(char* text, std::size_t length);
std::string AnsiLowerCase(std::string_view text);

// Conversions at the program's edges (file names, widgets). A character that the
// other side cannot hold becomes "?".
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace platform

// A UTF-8 source literal as a code page 932 string, converted once and cached:
// u8"変換開始！"_sj.
const std::string& operator""_sj(const char8_t* text, std::size_t length);
