#include "batch/terminal_text.h"

#include <algorithm>

#include "platform/ansi.h"

namespace batch {
namespace {

// The length of the UTF-8 sequence starting at text[0], 1 for a stray byte.
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min(length, text.size());
}

}  // namespace

bool ArgumentToCp932(std::string_view utf8, std::string& cp932, std::string& unheld) {
  // Every stretch the converter cannot take becomes one "?", and no double-byte
  // character of code page 932 contains the byte "?", so the conversion is
  // whole exactly when it holds no more "?" than the argument.
  cp932 = platform::Utf8ToCp932(utf8);
  if (std::count(cp932.begin(), cp932.end(), '?') == std::count(utf8.begin(), utf8.end(), '?')) {
    return true;
  }
  for (std::size_t at = 0; at < utf8.size();) {
    const std::string_view character = utf8.substr(at, SequenceLength(utf8.substr(at)));
    if (character != "?" && platform::Utf8ToCp932(character) == "?") {
      unheld = std::string(character);
      break;
    }
    at += character.size();
  }
  return false;
}

std::string ToTerminal(std::string_view cp932) {
  return platform::Cp932ToUtf8(cp932);
}

}  // namespace batch
