#pragma once
// The model's fonts, colours and cursors in Qt's terms.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

#include "ui/font.h"
#include "ui/types.h"

namespace qtui {

// The font families to try for a model font name: the name itself, then the
// Japanese gothic or mincho that stands in for it on this system.
QStringList FontFamilies(const QString& name);
// Height is the character height in pixels.
QFont ToQFont(const ui::TFont& font);

// A stored colour (0x00BBGGRR); system colours come from palette.
QColor ToQColor(ui::TColor color, const QPalette& palette);

Qt::CursorShape ToCursorShape(ui::TCursor cursor);

}  // namespace qtui
