#include "qt/style.h"

#include <array>

#include "qt/text.h"

namespace qtui {
namespace {

bool Mentions(const QString& name, std::initializer_list<const char16_t*> parts) {
  for (const char16_t* part : parts) {
    if (name.contains(QString::fromUtf16(part), Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

QStringList FontFamilies(const QString& name) {
  QStringList families{name};
  const bool proportional = Mentions(name, {u"Ｐ", u"PGothic", u"PMincho"});
  if (Mentions(name, {u"明朝", u"Mincho"})) {
    families << (proportional ? "IPAPMincho" : "IPAMincho");
  }
  families << (proportional || !Mentions(name, {u"ゴシック", u"Gothic"})
                   ? QStringList{"IPAPGothic", "IPAGothic"}
                   : QStringList{"IPAGothic", "IPAPGothic"});
  families << "Noto Sans CJK JP";
  return families;
}

QFont ToQFont(const ui::TFont& font) {
  QFont result;
  result.setFamilies(FontFamilies(ToQString(font.Name())));
  result.setPixelSize(std::max(font.Height(), 1));
  result.setBold(font.Bold());
  result.setUnderline(font.Underline());
  return result;
}

QColor ToQColor(ui::TColor color, const QPalette& palette) {
  if (!ui::IsSystemColor(color)) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  }
  // Windows system colour indexes 0 to 24, in order.
  static constexpr std::array<QPalette::ColorRole, 25> kRoles = {QPalette::Button,
                                                                 QPalette::Window,
                                                                 QPalette::Highlight,
                                                                 QPalette::Mid,
                                                                 QPalette::Window,
                                                                 QPalette::Base,
                                                                 QPalette::Shadow,
                                                                 QPalette::WindowText,
                                                                 QPalette::Text,
                                                                 QPalette::HighlightedText,
                                                                 QPalette::Window,
                                                                 QPalette::Window,
                                                                 QPalette::Mid,
                                                                 QPalette::Highlight,
                                                                 QPalette::HighlightedText,
                                                                 QPalette::Button,
                                                                 QPalette::Dark,
                                                                 QPalette::PlaceholderText,
                                                                 QPalette::ButtonText,
                                                                 QPalette::WindowText,
                                                                 QPalette::Light,
                                                                 QPalette::Shadow,
                                                                 QPalette::Midlight,
                                                                 QPalette::ToolTipText,
                                                                 QPalette::ToolTipBase};
  const int index = ui::SystemColorIndex(color);
  if (index >= static_cast<int>(kRoles.size())) return palette.color(QPalette::Window);
  return palette.color(kRoles[index]);
}

Qt::CursorShape ToCursorShape(ui::TCursor cursor) {
  switch (cursor) {
    case ui::crHourGlass:
      return Qt::WaitCursor;
    case ui::crHandPoint:
      return Qt::PointingHandCursor;
    case ui::crIBeam:
      return Qt::IBeamCursor;
    case ui::crDefault:
    case ui::crArrow:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace qtui
