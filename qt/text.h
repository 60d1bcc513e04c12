#pragma once
// Text crossing between the control model (code page 932 bytes) and Qt (Unicode).
// Every string goes through the platform's CP932 ⇄ UTF-8 conversion, so a
// character that code page 932 cannot hold reaches the model as "?".

#include <QString>
#include <string>
#include <string_view>

namespace qtui {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);

// A caption for a widget without access keys: "&&" shows as "&", a single "&" is dropped.
QString PlainCaption(const QString& caption);
// The part of a hint that a tool tip shows: the text before the first "|".
QString ToolTipText(const QString& hint);

// Offsets between a code page 932 text and its Unicode form: the number of
// UTF-16 units before byte offset bytes, and the number of bytes before unit offset.
int UnitOffset(std::string_view cp932, int bytes);
int ByteOffset(const QString& text, int units);

}  // namespace qtui
