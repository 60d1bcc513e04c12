#include "engine/text_operations.h"

#include "platform/ansi.h"

namespace engine {

AddDecision DecideAdd(std::span<const std::string_view> lines, std::string_view text, int position,
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

// Whether position `at` of text starts a character, given that `known` (<= at)
// does. A byte outside the lead ranges always ends a character, so only the run
// of lead-range bytes right before `at` matters: those pair up from its start,
// and an odd one out pairs with text[at] when that can be a trail byte.
bool StartsCharacter(std::string_view text, std::size_t known, std::size_t at) {
  std::size_t run = 0;
  while (at - run > known && platform::IsLeadByte(static_cast<unsigned char>(text[at - run - 1]))) {
    ++run;
  }
  return run % 2 == 0 || !platform::IsTrailByte(static_cast<unsigned char>(text[at]));
}

// Whether text, read alone, ends with a lead byte that has nothing to pair with.
bool EndsWithLoneLeadByte(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = platform::CharLength(text, at);
    if (at + length == text.size()) {
      return length == 1 && platform::IsLeadByte(static_cast<unsigned char>(text[at]));
    }
    at += length;
  }
  return false;
}

}  // namespace

Replacer::Replacer(std::string_view search, std::string_view replacement, bool ignore_case)
    : search_(search),
      replacement_(replacement),
      ignore_case_(ignore_case),
      search_ends_with_lone_lead_(EndsWithLoneLeadByte(search)) {
  if (ignore_case_) platform::AnsiLowerBuff(search_.data(), search_.size());
}

int Replacer::ReplaceInLine(std::string& line) {
  const int count = Rewrite(line);
  if (count > 0) line.swap(out_);
  return count;
}

int Replacer::Rewrite(std::string_view line) {
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
  std::size_t copied = 0;  // bytes of the line already moved to out_
  std::size_t known = 0;   // a position known to start a character, at or before found
  while (found != std::string_view::npos) {
    const std::size_t end = found + search_.size();
    const bool starts = StartsCharacter(haystack, known, found);
    // A search string ending in a lone lead byte would take the first byte of a
    // pair; anywhere else a match that starts a character also ends one.
    const bool ends = !search_ends_with_lone_lead_ || end == haystack.size() ||
                      !platform::IsTrailByte(static_cast<unsigned char>(haystack[end]));
    if (!starts || !ends) {
      known = starts ? found : found + 1;
      found = haystack.find(search_, found + 1);
      continue;
    }
    out_.append(line.substr(copied, found - copied));
    out_.append(replacement_);
    copied = end;
    known = end;
    ++count;
    found = haystack.find(search_, end);
  }
  if (count == 0) return 0;
  out_.append(line.substr(copied));
  return count;
}

int Replacer::ReplaceInLines(platform::TTextLines& lines) {
  int count = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    const int found = Rewrite(lines[i]);
    if (found == 0) continue;
    lines.Replace(i, out_);
    count += found;
  }
  return count;
}

}  // namespace engine
