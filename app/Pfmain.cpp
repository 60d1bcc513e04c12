// The main window: its layout and menu, showing and closing it, and the menu
// commands that belong to the window itself (exit, help, preferences).

#include "app/Pfmain.h"

#include "log/Pflog.h"
#include "log/log_file.h"
#include "platform/ansi.h"
#include "ui/dispatch.h"

TMainForm* MainForm = nullptr;

namespace {

// A control of kind T owned by the form, named and placed in parent.
template <class T>
T* Make(TMainForm& form, ui::TWinControl* parent, const char* name) {
  T* control = new T(&form);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

// A menu entry owned by the form and appended to menu.
ui::TMenuItem* MakeItem(TMainForm& form, ui::TMenuItem& menu, const char* name,
                        const std::string& caption, ui::TShortCut short_cut = 0) {
  auto* item = new ui::TMenuItem(&form);
  item->SetName(name);
  item->SetCaption(caption);
  item->SetShortCut(short_cut);
  menu.Add(item);
  return item;
}

// Wires a menu entry or a control to a handler of the form.
template <class Target>
void OnClick(Target* target, TMainForm& form, void (TMainForm::*handler)(ui::TObject*)) {
  target->OnClick = [&form, handler](ui::TObject* sender) { (form.*handler)(sender); };
}

void BuildFileList(TMainForm& form) {
  form.Panel1 = Make<ui::TPanel>(form, &form, "Panel1");
  form.Panel1->SetAlign(ui::alClient);
  form.Panel1->SetBevelOuter(ui::bvLowered);

  form.ListBox1 = Make<ui::TListBox>(form, form.Panel1, "ListBox1");
  form.ListBox1->SetAlign(ui::alClient);
  form.ListBox1->SetMultiSelect(true);
  form.ListBox1->SetItemHeight(12);
  form.ListBox1->OnKeyPress = [&form](ui::TObject* sender, char& key) {
    form.ListBox1KeyPress(sender, key);
  };
}

void BuildButtonBar(TMainForm& form) {
  form.Panel3 = Make<ui::TPanel>(form, form.Panel2, "Panel3");
  form.Panel3->SetAlign(ui::alTop);
  form.Panel3->SetHeight(27);
  form.Panel3->SetBevelOuter(ui::bvNone);

  form.PathButton = Make<ui::TSpeedButton>(form, form.Panel3, "PathButton");
  form.PathButton->SetBounds(8, 3, 81, 21);
  form.PathButton->SetFlat(true);
  form.PathButton->SetCaption(u8"フルPath表示"_sj);
  form.PathButton->SetHint(
      u8"左のリストのファイル表示を、「フルパス/ファイル名のみ」と切り替えます"_sj);
  OnClick(form.PathButton, form, &TMainForm::PathButtonClick);

  form.LogButton = Make<ui::TSpeedButton>(form, form.Panel3, "LogButton");
  form.LogButton->SetBounds(96, 3, 65, 21);
  form.LogButton->SetFlat(true);
  form.LogButton->SetGroupIndex(1);
  form.LogButton->SetAllowAllUp(true);
  form.LogButton->SetCaption(u8"ログを表示"_sj);
  form.LogButton->SetHint(u8"ログウィンドウを表示します"_sj);
  OnClick(form.LogButton, form, &TMainForm::LogButtonClick);
}

void BuildOperationPanel(TMainForm& form) {
  form.RadioGroup1 = Make<ui::TRadioGroup>(form, form.Panel2, "RadioGroup1");
  form.RadioGroup1->SetAlign(ui::alTop);
  form.RadioGroup1->SetHeight(49);
  form.RadioGroup1->SetCaption(u8"処理方法"_sj);
  form.RadioGroup1->SetColumns(2);
  form.RadioGroup1->Items().Assign({u8"追加"_sj, u8"置換"_sj, u8"削除"_sj});
  form.RadioGroup1->SetItemIndex(0);
  form.RadioGroup1->SetHint(u8"リストされたファイルに対してどのような処理を行うかを指定します"_sj);
  OnClick(form.RadioGroup1, form, &TMainForm::RadioGroup1Click);

  form.GroupBox1 = Make<ui::TGroupBox>(form, form.Panel2, "GroupBox1");
  form.GroupBox1->SetAlign(ui::alClient);
  form.GroupBox1->SetCaption(u8"追加"_sj);
  form.GroupBox1->Hide();
  ui::TGroupBox* box = form.GroupBox1;

  form.Label1 = Make<ui::TLabel>(form, box, "Label1");
  form.Label1->SetLeft(8);
  form.Label1->SetTop(16);
  form.Label1->SetCaption(u8"追加する文字列"_sj);

  form.Edit1 = Make<ui::TComboBox>(form, box, "Edit1");
  form.Edit1->SetBounds(16, 32, 145, 20);
  form.Edit1->SetDropDownCount(10);
  form.Edit1->SetHint(u8"追加文字列・置換時の検索文字列または削除する文字列を指定してください"_sj);

  form.Label2 = Make<ui::TLabel>(form, box, "Label2");
  form.Label2->SetLeft(8);
  form.Label2->SetTop(60);
  form.Label2->SetCaption(u8"置換する文字列"_sj);
  form.Label2->Hide();

  form.Edit2 = Make<ui::TComboBox>(form, box, "Edit2");
  form.Edit2->SetBounds(16, 76, 145, 20);
  form.Edit2->SetDropDownCount(10);
  form.Edit2->SetHint(u8"置換後の文字列を指定してください"_sj);

  form.RadioGroup2 = Make<ui::TRadioGroup>(form, box, "RadioGroup2");
  form.RadioGroup2->SetBounds(8, 103, 153, 73);
  form.RadioGroup2->SetCaption(u8"どこに？"_sj);
  form.RadioGroup2->Items().Assign({u8"先頭"_sj, u8"末尾"_sj, u8"行指定"_sj});
  form.RadioGroup2->SetItemIndex(0);
  form.RadioGroup2->SetHint(u8"ファイルのどこに文字列を追加するかを指定します"_sj);
  form.RadioGroup2->Hide();
  OnClick(form.RadioGroup2, form, &TMainForm::RadioGroup2Click);

  form.Edit3 = Make<ui::TEdit>(form, box, "Edit3");
  form.Edit3->SetBounds(88, 150, 41, 20);
  form.Edit3->SetText("1");
  form.Edit3->SetTabStop(false);
  form.Edit3->Hide();

  form.UpDown1 = Make<ui::TUpDown>(form, box, "UpDown1");
  form.UpDown1->SetBounds(129, 150, 15, 20);
  form.UpDown1->SetMin(1);
  form.UpDown1->SetMax(32767);
  form.UpDown1->SetWrap(false);
  form.UpDown1->SetAssociate(form.Edit3);
  form.UpDown1->SetPosition(1);
  form.UpDown1->Hide();

  form.CheckBox1 = Make<ui::TCheckBox>(form, box, "CheckBox1");
  form.CheckBox1->SetBounds(6, 180, 159, 17);
  form.CheckBox1->SetCaption(u8"すでにあるときには追加しない"_sj);
  form.CheckBox1->SetChecked(true);
  form.CheckBox1->SetHint(u8"すでに文字列が指定した場所にある場合、文字列の追加を行いません."_sj);

  form.Button1 = Make<ui::TButton>(form, box, "Button1");
  form.Button1->SetBounds(8, 200, 153, 41);
  form.Button1->SetCaption(u8"変換開始！"_sj);
  form.Button1->Font().SetHeight(19);
  form.Button1->SetDefault(true);
  form.Button1->SetHint(u8"上記の設定で一括変換を開始します"_sj);
  OnClick(form.Button1, form, &TMainForm::Button1Click);
}

void BuildPatchPanel(TMainForm& form) {
  form.PanelPatch = Make<ui::TPanel>(form, form.Panel2, "PanelPatch");
  form.PanelPatch->SetBounds(0, 24, 170, 251);
  form.PanelPatch->SetBevelInner(ui::bvRaised);
  form.PanelPatch->SetBevelOuter(ui::bvLowered);
  form.PanelPatch->Hide();
  ui::TPanel* panel = form.PanelPatch;

  form.LabelSite = Make<ui::TLabel>(form, panel, "LabelSite");
  form.LabelSite->SetLeft(8);
  form.LabelSite->SetTop(8);
  form.LabelSite->SetCaption(u8"適用するパッチ"_sj);

  form.SpeedButton1 = Make<ui::TSpeedButton>(form, panel, "SpeedButton1");
  form.SpeedButton1->SetBounds(148, 5, 15, 15);
  form.SpeedButton1->SetFlat(true);
  form.SpeedButton1->SetCaption(u8"×"_sj);
  form.SpeedButton1->Font().SetBold(true);
  form.SpeedButton1->SetHint(u8"閉じる(通常モードに戻ります)"_sj);
  OnClick(form.SpeedButton1, form, &TMainForm::SpeedButton1Click);

  form.ComboBoxPatch = Make<ui::TComboBox>(form, panel, "ComboBoxPatch");
  form.ComboBoxPatch->SetBounds(8, 24, 155, 20);
  form.ComboBoxPatch->SetStyle(ui::csDropDownList);
  form.ComboBoxPatch->OnChange = [&form](ui::TObject* sender) { form.ComboBoxPatchChange(sender); };

  form.LabelSiteInfo = Make<ui::TLabel>(form, panel, "LabelSiteInfo");
  form.LabelSiteInfo->SetLeft(8);
  form.LabelSiteInfo->SetTop(56);
  form.LabelSiteInfo->SetCaption(u8"情報ウィンドウ"_sj);

  form.MemoSite = Make<ui::TListBox>(form, panel, "MemoSite");
  form.MemoSite->SetBounds(8, 72, 153, 113);
  form.MemoSite->SetColor(ui::clBtnFace);
  form.MemoSite->Items().Assign(std::vector<std::string>(6));

  form.LabelSaveFolder = Make<ui::TLabel>(form, panel, "LabelSaveFolder");
  form.LabelSaveFolder->SetLeft(8);
  form.LabelSaveFolder->SetTop(200);
  form.LabelSaveFolder->SetCaption(u8"適用先フォルダ"_sj);

  form.ButtonAssignFolder = Make<ui::TButton>(form, panel, "ButtonAssignFolder");
  form.ButtonAssignFolder->SetBounds(112, 196, 49, 19);
  form.ButtonAssignFolder->SetCaption(u8"参照..."_sj);
  OnClick(form.ButtonAssignFolder, form, &TMainForm::ButtonAssignFolderClick);

  form.EditAssignFolder = Make<ui::TEdit>(form, panel, "EditAssignFolder");
  form.EditAssignFolder->SetBounds(8, 216, 153, 20);
  form.EditAssignFolder->SetReadOnly(true);
}

void BuildRightPanel(TMainForm& form) {
  form.Panel2 = Make<ui::TPanel>(form, &form, "Panel2");
  form.Panel2->SetAlign(ui::alRight);
  form.Panel2->SetWidth(170);
  form.Panel2->SetBevelOuter(ui::bvNone);
  BuildButtonBar(form);
  BuildOperationPanel(form);
  BuildPatchPanel(form);
}

void BuildMenu(TMainForm& form) {
  form.MainMenu1 = new ui::TMainMenu(&form);
  form.MainMenu1->SetName("MainMenu1");
  ui::TMenuItem& bar = form.MainMenu1->Items();

  form.File2 = MakeItem(form, bar, "File2", u8"ファイル(&F)"_sj);
  form.A1 = MakeItem(form, *form.File2, "A1", u8"ファイル追加(&A)"_sj, 16449);
  form.F1 = MakeItem(form, *form.File2, "F1", u8"フォルダ追加(&F)"_sj, 16454);
  form.N3 = MakeItem(form, *form.File2, "N3", "-");
  form.C2 = MakeItem(form, *form.File2, "C2", u8"キューファイルの読み込み(&C)"_sj);
  form.C2->SetEnabled(false);
  form.N4 = MakeItem(form, *form.File2, "N4", "-");
  form.Exit1 = MakeItem(form, *form.File2, "Exit1", u8"終了(&X)"_sj);

  form.Edit4 = MakeItem(form, bar, "Edit4", u8"編集(&E)"_sj);
  form.Delete1 =
      MakeItem(form, *form.Edit4, "Delete1", u8"選択ファイルをリストから削除(&D)"_sj, 46);
  form.C1 = MakeItem(form, *form.Edit4, "C1", u8"リストのクリア(&C)"_sj, 8238);
  form.N2 = MakeItem(form, *form.Edit4, "N2", "-");
  form.L1 = MakeItem(form, *form.Edit4, "L1", u8"ログのクリア(&L)"_sj, 16430);

  form.S1 = MakeItem(form, bar, "S1", u8"設定(&S)"_sj);
  form.P1 = MakeItem(form, *form.S1, "P1", u8"一般設定(&S)"_sj);
  form.P2 = MakeItem(form, *form.S1, "P2", u8"ファイルの取り扱い(&F)"_sj);

  form.Help1 = MakeItem(form, bar, "Help1", u8"ヘルプ(&H)"_sj);
  form.Help1->SetGroupIndex(1);
  form.Contents1 = MakeItem(form, *form.Help1, "Contents1", u8"目次(&C)"_sj);
  form.R1 = MakeItem(form, *form.Help1, "R1", u8"お読みください(&R)"_sj);
  form.N1 = MakeItem(form, *form.Help1, "N1", "-");
  form.About1 = MakeItem(form, *form.Help1, "About1", u8"バージョン情報(&A)..."_sj);

  OnClick(form.A1, form, &TMainForm::A1Click);
  OnClick(form.F1, form, &TMainForm::F1Click);
  OnClick(form.C2, form, &TMainForm::C2Click);
  OnClick(form.Exit1, form, &TMainForm::Exit1Click);
  OnClick(form.Delete1, form, &TMainForm::Delete1Click);
  OnClick(form.C1, form, &TMainForm::C1Click);
  OnClick(form.L1, form, &TMainForm::L1Click);
  OnClick(form.P1, form, &TMainForm::P1Click);
  OnClick(form.P2, form, &TMainForm::P2Click);
  OnClick(form.Contents1, form, &TMainForm::Contents1Click);
  OnClick(form.R1, form, &TMainForm::R1Click);
  OnClick(form.About1, form, &TMainForm::About1Click);

  form.SetMenu(form.MainMenu1);
}

}  // namespace

TMainForm::TMainForm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("MainForm");
  SetCaption("Plyfix ver.1.1.0");
  SetBounds(0, 0, 353, 370);
  SetConstraints({.MinWidth = 256, .MinHeight = 370});
  SetBorderIcons(ui::biSystemMenu | ui::biMinimize);
  Font().SetName(u8"ＭＳ Ｐゴシック"_sj);
  Font().SetHeight(12);
  Font().SetCharset(ui::SHIFTJIS_CHARSET);
  SetPixelsPerInch(96);

  BuildMenu(*this);
  BuildFileList(*this);
  BuildRightPanel(*this);

  OpenDialog1 = new ui::TOpenDialog(this);
  OpenDialog1->SetName("OpenDialog1");
  OpenDialog1->SetFilter(u8"すべてのファイル(*.*)|*.*"_sj);
  OpenDialog1->SetOptions(ui::ofHideReadOnly | ui::ofAllowMultiSelect | ui::ofFileMustExist |
                          ui::ofEnableSizing);

  OnShow = [this](ui::TObject* sender) { FormShow(sender); };
  OnClose = [this](ui::TObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
  OnDropFiles = [this](ui::TObject*, const std::vector<std::string>& names) { WMDropFiles(names); };

  SetAcceptFiles(true);
  FormPPI = static_cast<float>(PixelsPerInch());
}

void TMainForm::FormShow(ui::TObject*) {
  // Only the first showing restores the state; showing the window again must not
  // replace the lists and settings of the running session.
  if (FullPaths != nullptr) return;
  FullPaths = std::make_unique<platform::TStringList>();
  WorkLines = std::make_unique<platform::TTextLines>();
  CueLines = std::make_unique<platform::TStringList>();

  LoadSettings();
  RadioGroup1->SetItemIndex(WorkingMode);
  if (LogEnabled) LoadLogFile();

  const bool log_shown = LogForm->Visible();
  LogButton->SetDown(log_shown);
  LogButton->SetCaption(log_shown ? u8"ログを隠す"_sj : u8"ログを表示"_sj);
  LogForm->LogText->SetHint(LogFilePath());

  // The handler inverts the option back and labels the button for the loaded value.
  ShowFullPath = !ShowFullPath;
  PathButtonClick(this);
  RadioGroup1Click(this);
}

void TMainForm::FormClose(ui::TObject*, ui::TCloseAction&) {
  // Closing never stops half-way: a save that fails is shown, and the remaining
  // steps still run, so the settings are saved after a failed log and the program ends.
  if (LogEnabled) ui::Dispatch([this] { SaveLogFile(); });
  WorkingMode = RadioGroup1->ItemIndex();
  ui::Dispatch([this] { SaveSettings(); });
  CueLines.reset();
  FullPaths.reset();
  WorkLines.reset();
}

void TMainForm::Exit1Click(ui::TObject*) {
  Close();
}

void TMainForm::Contents1Click(ui::TObject*) {
  ui::Application().HelpCommand(ui::HELP_FINDER, 0);
}

void TMainForm::R1Click(ui::TObject*) {
  ui::Application().HelpCommand(ui::HELP_CONTENTS, 0);
}

void TMainForm::P1Click(ui::TObject*) {
  ShowPreferences(1);
}

void TMainForm::P2Click(ui::TObject*) {
  ShowPreferences(2);
}
