#pragma once
// TPrefForm: the preferences dialog, two pages of options ("一般設定" and
// "ファイルの取り扱い") that ShowPreferences copies in and back.

#include <string>
#include <string_view>

#include "ui/controls.h"

class TPrefForm : public ui::TForm {
 public:
  explicit TPrefForm(ui::TComponent* owner);

  ui::TPageControl* PageControl1;
  ui::TTabSheet* TabSheet1;
  ui::TTabSheet* TabSheet2;
  ui::TButton* Button1;

  // General page.
  ui::TGroupBox* GroupBox1;
  ui::TCheckBox* CheckBox1;
  ui::TCheckBox* CheckBox4;
  ui::TGroupBox* GroupBox2;
  ui::TCheckBox* CheckBoxLog;
  ui::TRadioButton* RadioButtonU2D;
  ui::TRadioButton* RadioButtonD2U;
  ui::TPanel* PanelSize;
  ui::TEdit* EditSize;
  ui::TUpDown* UpDownLogSize;
  ui::TLabel* Label1;
  ui::TGroupBox* GroupBox3;
  ui::TCheckBox* CheckBox2;
  ui::TRadioButton* RBSelfDir;
  ui::TRadioButton* RBSelectedDir;
  ui::TEdit* BUfolder;
  ui::TButton* Button2;

  // File-handling page.
  ui::TGroupBox* GroupExt;
  ui::TButton* ButtonAll;
  ui::TCheckBox* CheckSys;
  ui::TCheckBox* CheckHid;
  ui::TCheckBox* CheckExt;
  ui::TComboBox* ComboExt;
  ui::TButton* ButtonAdd;
  ui::TButton* ButtonDel;
  ui::TButton* ButtonReset;
  ui::TCheckBox* CheckExtOk;
  ui::TComboBox* ComboExtOk;
  ui::TButton* ButtonAddOk;
  ui::TButton* ButtonDelOk;
  ui::TButton* ButtonResetOk;
  ui::TGroupBox* GroupBoxSubDir;
  ui::TCheckBox* CheckBoxSubDir;
  ui::TRadioGroup* GroupReadOnly;

  void FormShow(ui::TObject* sender);
  void Button1Click(ui::TObject* sender);
  void Button2Click(ui::TObject* sender);
  void CheckBox2Click(ui::TObject* sender);
  void CheckBoxLogClick(ui::TObject* sender);
  void CheckExtClick(ui::TObject* sender);
  void CheckExtOkClick(ui::TObject* sender);
  void ButtonAllClick(ui::TObject* sender);
  void ButtonAddClick(ui::TObject* sender);
  void ButtonAddOkClick(ui::TObject* sender);
  void ButtonDelClick(ui::TObject* sender);
  void ButtonDelOkClick(ui::TObject* sender);
  void ButtonResetClick(ui::TObject* sender);
  void ButtonResetOkClick(ui::TObject* sender);
  void ComboExtKeyDown(ui::TObject* sender, unsigned short& key, ui::TShiftState shift);
  void ComboExtOkKeyDown(ui::TObject* sender, unsigned short& key, ui::TShiftState shift);

 private:
  void BuildGeneralPage();
  void BuildFilePage();
  // One extension row: its combo box and its buttons, disabled with the check box.
  void AddExtension(ui::TComboBox& combo);
  void DeleteExtension(ui::TComboBox& combo);
  void ResetExtensions(ui::TComboBox& combo, const std::string& question,
                       std::string_view defaults);
};

// Never created: each opening of the preferences makes a dialog of its own.
extern TPrefForm* PrefForm;
