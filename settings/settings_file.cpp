// The settings kept between starts, and the preferences dialog that edits them.

#include "settings/settings_file.h"

#include <algorithm>
#include <memory>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "settings/Pfpref.h"
#include "settings/extension_list.h"

namespace {

// Appends the items stored under section ("Box1-0", "Box1-1", …) up to its Count.
void LoadHistory(const platform::TIniFile& ini, const std::string& section, ui::TComboBox& box) {
  const int count = std::min(ini.ReadInteger(section, "Count", 0), kMaxHistoryItems);
  for (int i = 0; i < count; ++i) {
    box.Items().Add(ini.ReadString(section, section + "-" + std::to_string(i), ""));
  }
}

void SaveHistory(platform::TIniFile& ini, const std::string& section, const ui::TComboBox& box) {
  const int count = box.Items().Count();
  ini.WriteInteger(section, "Count", count);
  for (int i = 0; i < count; ++i) {
    ini.WriteString(section, section + "-" + std::to_string(i), box.Items()[i]);
  }
}

void CopyIntoDialog(const TMainForm& main, TPrefForm& dialog) {
  dialog.CheckBox1->SetChecked(main.AlwaysConfirm);
  dialog.CheckBox2->SetChecked(main.Backup);
  dialog.CheckBox4->SetChecked(main.CapIgnore);
  dialog.CheckBoxLog->SetChecked(main.LogEnabled != 0);
  dialog.PanelSize->SetVisible(main.LogEnabled != 0);
  if (main.LogDownToUp) dialog.RadioButtonD2U->SetChecked(true);
  dialog.UpDownLogSize->SetPosition(main.LogSize);
  (main.BUPlace != 0 ? dialog.RBSelectedDir : dialog.RBSelfDir)->SetChecked(true);
  dialog.BUfolder->SetText(main.BUFolder.empty() ? platform::DataDir() : main.BUFolder);
  dialog.CheckSys->SetChecked(main.ProhibSys);
  dialog.CheckHid->SetChecked(main.ProhibHid);
  dialog.CheckExt->SetChecked(main.Prohibit);
  dialog.CheckExtOk->SetChecked(main.Allow);
  dialog.GroupReadOnly->SetItemIndex(main.ReadOnlyMode);
  dialog.ComboExt->Items().Assign(SplitExtensionList(main.ProhibitTypes));
  dialog.ComboExtOk->Items().Assign(SplitExtensionList(main.AllowTypes));
  dialog.CheckBoxSubDir->SetChecked(main.SubDir);
}

// Takes the dialog's values back; the log window's cap follows the new LogSize.
void CopyBackFromDialog(const TPrefForm& dialog, TMainForm& main) {
  main.AlwaysConfirm = dialog.CheckBox1->Checked();
  main.Backup = dialog.CheckBox2->Checked();
  main.CapIgnore = dialog.CheckBox4->Checked();
  main.LogEnabled = dialog.CheckBoxLog->Checked() ? 1 : 0;
  main.LogDownToUp = dialog.RadioButtonD2U->Checked();
  main.LogSize = dialog.UpDownLogSize->Position();
  LogForm->LogText->SetMaxLength(LogCapBytes(main.LogSize));
  main.BUPlace = dialog.RBSelfDir->Checked() ? 0 : 1;
  main.BUFolder = dialog.BUfolder->Text();
  main.ProhibSys = dialog.CheckSys->Checked();
  main.ProhibHid = dialog.CheckHid->Checked();
  main.Prohibit = dialog.CheckExt->Checked();
  main.Allow = dialog.CheckExtOk->Checked();
  main.ReadOnlyMode = dialog.GroupReadOnly->ItemIndex();
  main.ProhibitTypes = JoinExtensionList(dialog.ComboExt->Items().ToVector());
  main.AllowTypes = JoinExtensionList(dialog.ComboExtOk->Items().ToVector());
  main.SubDir = dialog.CheckBoxSubDir->Checked();
}

}  // namespace

std::string SettingsFilePath() {
  return platform::DataDir() + "Plyfix.ini";
}

std::size_t LogCapBytes(int log_size) {
  return static_cast<std::size_t>(std::clamp(log_size, 1, 32767)) * 1024;
}

void TMainForm::LoadSettings() {
  const platform::TIniFile ini(SettingsFilePath());
  SetTop(ini.ReadInteger("Window", "Top", 10));
  SetLeft(ini.ReadInteger("Window", "Left", 10));
  SetWidth(ini.ReadInteger("Window", "Width", static_cast<int>(FormPPI * 362 / 96)));
  // Only the width is free: the height is fixed and not stored.
  const int height = static_cast<int>(FormPPI * 370 / 96);
  ui::TSizeConstraints limits = Constraints();
  limits.MinHeight = height;
  limits.MaxHeight = height;
  SetConstraints(limits);
  SetHeight(height);
  C2->SetEnabled(ini.ReadBool("Window", "Change", false));

  // By default the log window stands against the main window's right edge.
  const int log_top = ini.ReadInteger("Window", "LogTop", Top());
  const int log_left = ini.ReadInteger("Window", "LogLeft", Left() + Width());
  const int log_height = ini.ReadInteger("Window", "LogHeight", Height());
  const int log_width = ini.ReadInteger("Window", "LogWidth", 240);
  LogForm->SetBounds(log_left, log_top, log_width, log_height);
  LogForm->SetVisible(ini.ReadBool("Window", "LogShow", true));
  ShowFullPath = ini.ReadBool("Window", "ShowFullPath", true);

  WorkingMode = ini.ReadInteger("Setting", "WorkingMode", 0);
  AlwaysConfirm = ini.ReadBool("Setting", "Dialog", false);
  Backup = ini.ReadBool("Setting", "Backup", true);
  BUPlace = ini.ReadInteger("Setting", "BUPlace", 0);
  BUFolder = ini.ReadString("Setting", "BUFolder", "");
  LogEnabled = ini.ReadBool("Setting", "Log", true) ? 1 : 0;
  CapIgnore = ini.ReadBool("Setting", "CapIgnore", true);
  LogDownToUp = ini.ReadBool("Setting", "LogDownToUp", true);
  LogSize = ini.ReadInteger("Setting", "LogSize", 64);
  LogForm->LogText->SetMaxLength(LogCapBytes(LogSize));

  Prohibit = ini.ReadBool("Data", "Prohibit", true);
  ProhibitTypes = ini.ReadString("Data", "Type", std::string(kDefaultProhibitTypes));
  Allow = ini.ReadBool("Data", "Allow", false);
  AllowTypes = ini.ReadString("Data", "AlType", std::string(kDefaultAllowTypes));
  ProhibSys = ini.ReadBool("Data", "ProhibSys", true);
  ProhibHid = ini.ReadBool("Data", "ProhibHid", false);
  ReadOnlyMode = ini.ReadInteger("Data", "ReadOnly", 0);
  SubDir = ini.ReadBool("Data", "SubDir", true);

  LoadHistory(ini, "Box1", *Edit1);
  LoadHistory(ini, "Box2", *Edit2);
}

void TMainForm::SaveSettings() {
  platform::TIniFile ini(SettingsFilePath());
  ini.WriteInteger("Window", "Top", Top());
  ini.WriteInteger("Window", "Left", Left());
  ini.WriteInteger("Window", "Width", Width());
  ini.WriteBool("Window", "Change", C2->Enabled());
  ini.WriteInteger("Window", "LogTop", LogForm->Top());
  ini.WriteInteger("Window", "LogLeft", LogForm->Left());
  ini.WriteInteger("Window", "LogHeight", LogForm->Height());
  ini.WriteInteger("Window", "LogWidth", LogForm->Width());
  ini.WriteBool("Window", "LogShow", LogForm->Visible());
  ini.WriteBool("Window", "ShowFullPath", ShowFullPath);

  ini.WriteInteger("Setting", "WorkingMode", WorkingMode);
  ini.WriteBool("Setting", "Dialog", AlwaysConfirm);
  ini.WriteBool("Setting", "Backup", Backup);
  ini.WriteInteger("Setting", "BUPlace", BUPlace);
  ini.WriteString("Setting", "BUFolder", BUFolder);
  ini.WriteBool("Setting", "CapIgnore", CapIgnore);
  ini.WriteBool("Setting", "Log", LogEnabled != 0);
  ini.WriteBool("Setting", "LogDownToUp", LogDownToUp);
  ini.WriteInteger("Setting", "LogSize", LogSize);

  ini.WriteString("Data", "Type", ProhibitTypes);
  ini.WriteBool("Data", "Prohibit", Prohibit);
  ini.WriteString("Data", "AlType", AllowTypes);
  ini.WriteBool("Data", "Allow", Allow);
  ini.WriteBool("Data", "ProhibSys", ProhibSys);
  ini.WriteBool("Data", "ProhibHid", ProhibHid);
  ini.WriteInteger("Data", "ReadOnly", ReadOnlyMode);
  ini.WriteBool("Data", "SubDir", SubDir);

  SaveHistory(ini, "Box1", *Edit1);
  SaveHistory(ini, "Box2", *Edit2);
}

void TMainForm::ShowPreferences(int page) {
  // A log that cannot be saved keeps the dialog closed, so nothing changes.
  if (LogEnabled && !SaveLogFile()) return;
  auto dialog = std::make_unique<TPrefForm>(this);
  dialog->SetTop(Top() + 50);
  dialog->SetLeft(Left() + 80);
  CopyIntoDialog(*this, *dialog);
  dialog->PageControl1->SetActivePage(page == 2 ? dialog->TabSheet2 : dialog->TabSheet1);
  dialog->ShowModal();
  CopyBackFromDialog(*dialog, *this);
  dialog.reset();
  if (LogEnabled) LoadLogFile();
}
