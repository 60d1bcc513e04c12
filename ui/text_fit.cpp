#include "ui/text_fit.h"

#include "platform/ansi.h"

namespace ui {

std::size_t FitBytes(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + platform::CharLength(text, end);
    if (next > limit) break;
    end = next;
  }
  return end;
}

}  // namespace ui
