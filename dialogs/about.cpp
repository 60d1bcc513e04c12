// The About box, opened from the Help menu.

#include "app/Pfmain.h"

void TMainForm::About1Click(ui::TObject*) {}
