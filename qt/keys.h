#pragma once
// Keys between Qt and the model: Windows virtual-key codes, shift states and the
// stored menu shortcut values (key code + 8192 Shift + 16384 Ctrl + 32768 Alt).

#include <QString>
#include <Qt>

#include "ui/types.h"

namespace qtui {

// The virtual-key code of a Qt key (letters 'A'..'Z', digits, Delete 46, …); 0 for
// a key without one.
unsigned short VirtualKey(int qt_key);
// The Qt key of a virtual-key code; 0 for a code without one.
int QtKey(unsigned short virtual_key);
ui::TShiftState ShiftState(Qt::KeyboardModifiers modifiers);
// Whether a text box uses the key to edit or move in its text (Del, Shift+Del,
// BackSpace, Ctrl+A/C/V/X/Z, Home, End): there it outranks a menu shortcut.
bool IsTextEditingKey(unsigned short virtual_key, ui::TShiftState shift);
// How a menu shows a stored shortcut ("Ctrl+A", "Shift+Del"); empty for none.
QString ShortCutText(ui::TShortCut short_cut);

}  // namespace qtui
