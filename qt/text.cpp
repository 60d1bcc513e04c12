#include "qt/text.h"

#include <algorithm>

#include "platform/ansi.h"

namespace qtui {

QString ToQString(std::string_view cp932) {
  return QString::fromStdString(platform::Cp932ToUtf8(cp932));
}

std::string FromQString(const QString& text) {
  return platform::Utf8ToCp932(text.toStdString());
}

QString PlainCaption(const QString& caption) {
  QString plain;
  plain.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      plain += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      plain += u'&';
      ++i;
    }
  }
  return plain;
}

QString ToolTipText(const QString& hint) {
  return hint.section(u'|', 0, 0);
}

int UnitOffset(std::string_view cp932, int bytes) {
  const auto cut =
      static_cast<std::size_t>(std::clamp<int>(bytes, 0, static_cast<int>(cp932.size())));
  return static_cast<int>(ToQString(cp932.substr(0, cut)).size());
}

int ByteOffset(const QString& text, int units) {
  return static_cast<int>(FromQString(text.left(std::max(units, 0))).size());
}

}  // namespace qtui
