#include "qt/caption_fit.h"

#include <algorithm>

namespace qtui {
namespace {

// Narrower cuts than this would be hard to read.
constexpr int kNarrowestStretch = 75;

}  // namespace

void FitCaption(QAbstractButton& button, const QRect& designed, int room, const QFont& font) {
  button.setFont(font);
  const int needed = button.sizeHint().width();
  const int width = std::clamp(needed, designed.width(), std::max(room, designed.width()));
  button.setGeometry(designed.x(), designed.y(), width, designed.height());
  QFont narrow = font;
  for (int stretch = 99; button.sizeHint().width() > width && stretch >= kNarrowestStretch;
       --stretch) {
    narrow.setStretch(stretch);
    button.setFont(narrow);
  }
}

}  // namespace qtui
