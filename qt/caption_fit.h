#pragma once
// Room for a one-line caption wider than its designed box, as the Japanese font
// here may make it: the box grows to the right over free space, and where that
// space ends first, the caption's letters are narrowed just enough to show whole.

#include <QAbstractButton>
#include <QFont>
#include <QRect>

namespace qtui {

// Places button (a check box, radio button or speed button) at designed, at
// most room pixels wide, in font or a narrowed cut of it.
void FitCaption(QAbstractButton& button, const QRect& designed, int room, const QFont& font);

}  // namespace qtui
