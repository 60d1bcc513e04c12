#pragma once
// TAboutForm: the About box. It shows the program's name, version, rights notice
// and the team's links, and its maker line is the switch of the cue-file command.

#include "ui/controls.h"

class TAboutForm : public ui::TForm {
 public:
  explicit TAboutForm(ui::TComponent* owner);

  ui::TPanel* Panel1;
  ui::TPanel* TitlePanel;
  ui::TPanel* Panel3;
  ui::TLabel* VerLabel;
  ui::TGroupBox* GroupBox1;
  ui::TStaticText* StaticText1;
  ui::TLabel* LabelTC;
  ui::TLabel* Label1;
  ui::TLabel* UrlLabel;
  ui::TLabel* Label2;
  ui::TLabel* MailLabel;

  void FormClick(ui::TObject* sender);
  void UrlLabelClick(ui::TObject* sender);
  void MailLabelClick(ui::TObject* sender);
  void UrlLabelMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                         int y);
  void UrlLabelMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                       int y);
  void MailLabelMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                          int x, int y);
  void MailLabelMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                        int y);
  void LabelTCClick(ui::TObject* sender);
};

// Never created: the About box is made anew each time it is opened.
extern TAboutForm* AboutForm;
