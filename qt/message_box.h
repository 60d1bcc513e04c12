#pragma once
// The Windows message box in Qt: exactly the buttons and the icon that the flags
// ask for, the first button as the default, and the answer as the Windows id.

#include <QMessageBox>
#include <vector>

namespace qtui {

// The buttons of flags' button type (MB_OK, MB_YESNO, …), in the order shown.
std::vector<QMessageBox::StandardButton> MessageBoxButtons(unsigned flags);
QMessageBox::Icon MessageBoxIcon(unsigned flags);
// The Windows answer id (IDOK, IDYES, …) of a button.
int MessageBoxAnswer(QMessageBox::StandardButton button);

// Shows the box over parent (may be null) and returns the answer id.
int ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags);

}  // namespace qtui
