// The settings kept between starts, and the preferences dialog that edits them.

#include "app/Pfmain.h"
#include "log/Pflog.h"

void TMainForm::LoadSettings() {
  SetTop(10);
  SetLeft(10);
  SetWidth(static_cast<int>(FormPPI * 362 / 96));
  const int height = static_cast<int>(FormPPI * 370 / 96);
  ui::TSizeConstraints limits = Constraints();
  limits.MinHeight = height;
  limits.MaxHeight = height;
  SetConstraints(limits);
  SetHeight(height);
  C2->SetEnabled(false);

  LogForm->SetBounds(Left() + Width(), Top(), 240, Height());
  LogForm->Show();

  ShowFullPath = true;
  WorkingMode = 0;
  AlwaysConfirm = false;
  Backup = true;
  BUPlace = 0;
  BUFolder.clear();
  LogEnabled = 1;
  CapIgnore = true;
  LogDownToUp = true;
  LogSize = 64;
  Prohibit = true;
  ProhibitTypes = "exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk";
  Allow = false;
  AllowTypes = "html,htm,cgi,pl,shtml";
  ProhibSys = true;
  ProhibHid = false;
  ReadOnlyMode = 0;
  SubDir = true;
}

void TMainForm::SaveSettings() {}

void TMainForm::ShowPreferences(int) {}
