#include "engine/text_operations.h"

#include "platform/ansi.h"

namespace engine {

AddDecision DecideAdd(const std::vector<std::string>& lines, std::string_view text, int position,
                      int line_number, bool skip_when_there) {
  const int count = static_cast<int>(lines.size());
  if (count == 0) return {AddDecision::kInsert, 0};
  switch (position) {
    case kAddAtHead:
      if (skip_when_there && lines.front() == text) return {AddDecision::kAlreadyThere};
      return {AddDecision::kInsert, 0};
    case kAddAtTail:
      if (skip_when_there && lines.back() == text) return {AddDecision::kAlreadyThere};
      return {AddDecision::kInsert, count};
    case kAddAtLine: {
      const long long index = line_number < 1 ? 0 : static_cast<long long>(line_number) - 1;
      if (index < count && skip_when_there && lines[index] == text) {
        return {AddDecision::kAlreadyThere};
      }
      if (index <= count) return {AddDecision::kInsert, static_cast<int>(index)};
      return {AddDecision::kBeyondEnd};
    }
    default:
      return {AddDecision::kLeaveUnchanged};
  }
}

namespace {

// Advances a character-start cursor until it reaches or passes `target`.
std::size_t AdvanceToBoundary(std::string_view text, std::size_t cursor, std::size_t target) {
  while (cursor < target) {
    cursor += platform::IsLeadByte(static_cast<unsigned char>(text[cursor])) ? 2 : 1;
  }
  return cursor;
}

}  // namespace

Replacer::Replacer(std::string_view search, std::string_view replacement, bool ignore_case)
    : search_(search), replacement_(replacement), ignore_case_(ignore_case) {
  if (ignore_case_) platform::AnsiLowerBuff(search_.data(), search_.size());
}

int Replacer::ReplaceInLine(std::string& line) {
  if (search_.empty() || line.size() < search_.size()) return 0;
  std::string_view haystack = line;
  if (ignore_case_) {
    lowered_.assign(line);
    platform::AnsiLowerBuff(lowered_.data(), lowered_.size());
    haystack = lowered_;
  }
  std::size_t found = haystack.find(search_);
  if (found == std::string_view::npos) return 0;

  int count = 0;
  out_.clear();
  std::size_t copied = 0;    // bytes of the line already moved to out_
  std::size_t boundary = 0;  // a known character start at or before the next candidate
  while (found != std::string_view::npos) {
    boundary = AdvanceToBoundary(haystack, boundary, found);
    if (boundary != found) {  // starts on a trail byte
      found = haystack.find(search_, boundary);
      continue;
    }
    const std::size_t end = found + search_.size();
    const std::size_t after = AdvanceToBoundary(haystack, boundary, end);
    if (after != end) {  // ends inside a character
      boundary += platform::IsLeadByte(static_cast<unsigned char>(haystack[boundary])) ? 2 : 1;
      found = haystack.find(search_, boundary);
      continue;
    }
    out_.append(line, copied, found - copied);
    out_.append(replacement_);
    copied = end;
    boundary = end;
    ++count;
    found = haystack.find(search_, end);
  }
  if (count == 0) return 0;
  out_.append(line, copied, std::string::npos);
  line.swap(out_);
  return count;
}

int Replacer::ReplaceInLines(std::vector<std::string>& lines) {
  int count = 0;
  for (std::string& line : lines) count += ReplaceInLine(line);
  return count;
}

}  // namespace engine
