#pragma once
// TLogForm: the log window, a window of its own beside the main window whose
// text is the conversion log.

#include "ui/controls.h"

class TLogForm : public ui::TForm {
 public:
  explicit TLogForm(ui::TComponent* owner);

  // The log text; fills the window.
  ui::TMemo* LogText;

  // The user closed the window: it hides, and the main window's log button goes up.
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
};

extern TLogForm* LogForm;
