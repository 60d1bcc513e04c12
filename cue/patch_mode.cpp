// Cue files and the patch panel: loading a cue file, choosing a patch and the
// folder it applies to, and leaving patch mode.

#include "app/Pfmain.h"

void TMainForm::C2Click(ui::TObject*) {}

void TMainForm::ComboBoxPatchChange(ui::TObject*) {}

void TMainForm::ButtonAssignFolderClick(ui::TObject*) {}

void TMainForm::SpeedButton1Click(ui::TObject*) {}
