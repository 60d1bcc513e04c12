#pragma once
// Texts crossing the terminal: arguments in UTF-8 become code page 932 without
// loss or are refused; the program's texts go out as UTF-8.

#include <string>
#include <string_view>

namespace batch {

// Converts a UTF-8 argument to code page 932. False when a character (or an
// invalid byte sequence) has no code page 932 form; `unheld` then names the first.
bool ArgumentToCp932(std::string_view utf8, std::string& cp932, std::string& unheld);

// A code page 932 text as the terminal shows it (UTF-8).
std::string ToTerminal(std::string_view cp932);

}  // namespace batch
