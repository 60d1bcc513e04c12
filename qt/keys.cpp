#include "qt/keys.h"

#include <QKeySequence>
#include <array>
#include <utility>

namespace qtui {
namespace {

// Keys whose Qt code and virtual-key code do not follow from a range.
constexpr std::array<std::pair<int, unsigned short>, 26> kKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_Comma, 0xBC}, {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE}, {Qt::Key_Slash, 0xBF},
}};

constexpr unsigned short kEnd = 35;
constexpr unsigned short kHome = 36;

}  // namespace

unsigned short VirtualKey(int qt_key) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return static_cast<unsigned short>(qt_key);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return static_cast<unsigned short>(qt_key);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) {
    return static_cast<unsigned short>(112 + (qt_key - Qt::Key_F1));
  }
  for (const auto& [key, code] : kKeys) {
    if (key == qt_key) return code;
  }
  return 0;
}

int QtKey(unsigned short virtual_key) {
  if (virtual_key >= 'A' && virtual_key <= 'Z') return virtual_key;
  if (virtual_key >= '0' && virtual_key <= '9') return virtual_key;
  if (virtual_key >= 112 && virtual_key < 112 + 24) return Qt::Key_F1 + (virtual_key - 112);
  for (const auto& [key, code] : kKeys) {
    if (code == virtual_key) return key;
  }
  return 0;
}

ui::TShiftState ShiftState(Qt::KeyboardModifiers modifiers) {
  ui::TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ui::ssShift;
  if (modifiers & Qt::ControlModifier) shift |= ui::ssCtrl;
  if (modifiers & Qt::AltModifier) shift |= ui::ssAlt;
  return shift;
}

bool IsTextEditingKey(unsigned short virtual_key, ui::TShiftState shift) {
  const ui::TShiftState modifiers = shift & (ui::ssShift | ui::ssCtrl | ui::ssAlt);
  switch (virtual_key) {
    case ui::VK_DELETE:
      return modifiers == 0 || modifiers == ui::ssShift;
    case ui::VK_BACK:
      return modifiers == 0;
    case kHome:
    case kEnd:
      return (modifiers & ui::ssAlt) == 0;
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
      return modifiers == ui::ssCtrl;
    default:
      return false;
  }
}

QString ShortCutText(ui::TShortCut short_cut) {
  const int key = QtKey(static_cast<unsigned short>(short_cut & 0xFF));
  if (short_cut == 0 || key == 0) return {};
  Qt::KeyboardModifiers modifiers;
  if (short_cut & ui::scShift) modifiers |= Qt::ShiftModifier;
  if (short_cut & ui::scCtrl) modifiers |= Qt::ControlModifier;
  if (short_cut & ui::scAlt) modifiers |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)))
      .toString(QKeySequence::NativeText);
}

}  // namespace qtui
