#pragma once
// TDlgForm: the five-answer question (Yes, Yes to all, No, No to all, Cancel).
// It shows the text it is given and returns the answer as its modal result.

#include <string>

#include "ui/controls.h"

class TDlgForm : public ui::TForm {
 public:
  explicit TDlgForm(ui::TComponent* owner);

  ui::TButton* Button1;
  ui::TButton* Button2;
  ui::TButton* Button3;
  ui::TButton* Button4;
  ui::TButton* Button5;
  ui::TStaticText* StaticText1;
};

// Asks question in a dialog of its own, owned by owner, and frees it afterwards.
// Returns mrYes, mrYesToAll, mrNo, mrNoToAll or mrCancel.
int AskFiveAnswers(ui::TComponent* owner, const std::string& question);

// Never created: every question makes a dialog of its own.
extern TDlgForm* DlgForm;
