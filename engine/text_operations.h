#pragma once
// The text operations on a file's lines: where a line is added, and replacing
// every occurrence of a string, with or without regard to letter case.

#include <span>
#include <string>
#include <string_view>

#include "platform/string_list.h"

namespace engine {

// Where the string goes: RadioGroup2's item index.
enum AddPosition { kAddAtHead = 0, kAddAtTail = 1, kAddAtLine = 2 };

// What adding decides for one file before anything is changed.
struct AddDecision {
  enum Kind {
    kInsert,         // insert the string at `index` (index == line count appends)
    kAlreadyThere,   // the line at the position already equals the string
    kBeyondEnd,      // line N lies past the line after the last one
    kLeaveUnchanged  // an unknown position
  };
  Kind kind;
  int index = 0;
};

// Decides where `text` goes among `lines`. line_number is only used at kAddAtLine;
// a number below 1 counts as 1. skip_when_there enables the already-there test,
// which compares whole lines byte for byte, letter case included.
AddDecision DecideAdd(std::span<const std::string_view> lines, std::string_view text, int position,
                      int line_number, bool skip_when_there);

// Replaces every occurrence of `search` in every line by `replacement`, left to
// right, without overlap and without searching the inserted text again. With
// ignore_case both sides are compared lowered per character. An occurrence must
// start and end on character boundaries of code page 932, so a replacement never
// splits a double-byte character. Returns the number of replacements.
class Replacer {
 public:
  Replacer(std::string_view search, std::string_view replacement, bool ignore_case);
  int ReplaceInLine(std::string& line);
  int ReplaceInLines(platform::TTextLines& lines);

 private:
  // Replaces in line; when the count is above 0 the new line is in out_.
  int Rewrite(std::string_view line);

  std::string search_;  // lowered when ignoring case
  std::string replacement_;
  bool ignore_case_;
  bool search_ends_with_lone_lead_;
  std::string lowered_;  // scratch: the lowered line
  std::string out_;      // scratch: the rebuilt line
};

}  // namespace engine
