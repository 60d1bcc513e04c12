// The preferences dialog: its two pages, the enable rules that keep the
// controls in step with their check boxes, and the editing of both extension rows.

#include "settings/Pfpref.h"

#include <initializer_list>

#include "app/Pfmain.h"
#include "platform/ansi.h"
#include "settings/extension_list.h"
#include "settings/settings_file.h"

TPrefForm* PrefForm = nullptr;

namespace {

struct Place {
  int left, top, width, height;
};

// A control of kind T owned by the dialog, named, placed in parent and captioned.
template <class T>
T* Make(TPrefForm& form, ui::TWinControl* parent, const char* name, Place place,
        const std::string& caption = "", const std::string& hint = "") {
  T* control = new T(&form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(place.left, place.top, place.width, place.height);
  if (!caption.empty()) control->SetCaption(caption);
  if (!hint.empty()) control->SetHint(hint);
  return control;
}

// Wires a control's click to a handler of the dialog.
template <class Target>
void WireClick(Target* target, TPrefForm& form, void (TPrefForm::*handler)(ui::TObject*)) {
  target->OnClick = [&form, handler](ui::TObject* sender) { (form.*handler)(sender); };
}

void EnableAll(std::initializer_list<ui::TControl*> controls, bool enabled) {
  for (ui::TControl* control : controls) control->SetEnabled(enabled);
}

constexpr unsigned short kEnterKey = 13;

}  // namespace

TPrefForm::TPrefForm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("PrefForm");
  SetCaption(u8"設定"_sj);
  SetBorderStyle(ui::bsDialog);
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::poDesigned);
  SetClientWidth(322);
  SetClientHeight(286);
  Font().SetName(u8"ＭＳ Ｐゴシック"_sj);
  Font().SetHeight(12);
  Font().SetCharset(ui::SHIFTJIS_CHARSET);
  SetPixelsPerInch(96);

  PageControl1 = Make<ui::TPageControl>(*this, this, "PageControl1", {4, 4, 314, 250});
  TabSheet1 = new ui::TTabSheet(this);
  TabSheet1->SetName("TabSheet1");
  TabSheet1->SetCaption(u8"一般設定"_sj);
  TabSheet1->SetPageControl(PageControl1);
  TabSheet2 = new ui::TTabSheet(this);
  TabSheet2->SetName("TabSheet2");
  TabSheet2->SetCaption(u8"ファイルの取り扱い"_sj);
  TabSheet2->SetPageControl(PageControl1);
  BuildGeneralPage();
  BuildFilePage();

  Button1 = Make<ui::TButton>(*this, this, "Button1", {240, 258, 75, 24}, u8"閉じる"_sj);
  WireClick(Button1, *this, &TPrefForm::Button1Click);
  OnShow = [this](ui::TObject* sender) { FormShow(sender); };
}

void TPrefForm::BuildGeneralPage() {
  ui::TTabSheet* page = TabSheet1;
  GroupBox1 = Make<ui::TGroupBox>(*this, page, "GroupBox1", {2, 0, 302, 52}, u8"変換時の設定"_sj);
  CheckBox1 =
      Make<ui::TCheckBox>(*this, GroupBox1, "CheckBox1", {8, 14, 290, 17},
                          u8"確認のダイアログを常に表示する (初期設定はOFF)"_sj,
                          u8"ここにチェックしておくと、細かく確認のダイアログを出します"_sj);
  CheckBox4 = Make<ui::TCheckBox>(
      *this, GroupBox1, "CheckBox4", {8, 32, 290, 17},
      u8"大文字/小文字の区別をせずに変換 (初期設定はON)"_sj,
      u8"半角英字が検索・置換対象のとき、大文字と小文字を区別せずに検索します"_sj);

  GroupBox2 =
      Make<ui::TGroupBox>(*this, page, "GroupBox2", {2, 54, 302, 64}, u8"変換のログファイル"_sj);
  CheckBoxLog =
      Make<ui::TCheckBox>(*this, GroupBox2, "CheckBoxLog", {8, 14, 68, 17}, u8"記録する"_sj,
                          u8"変換対象ファイル、変更箇所の数をファイルに記録します"_sj);
  WireClick(CheckBoxLog, *this, &TPrefForm::CheckBoxLogClick);
  RadioButtonU2D =
      Make<ui::TRadioButton>(*this, GroupBox2, "RadioButtonU2D", {76, 14, 80, 17},
                             u8"上から下へ"_sj, u8"最新の結果が下方に記録されていきます"_sj);
  RadioButtonU2D->SetChecked(true);
  RadioButtonD2U = Make<ui::TRadioButton>(*this, GroupBox2, "RadioButtonD2U", {156, 14, 142, 17},
                                          u8"下から上へ (初期設定)"_sj,
                                          u8"最新の結果が上方に記録されていきます"_sj);
  PanelSize = Make<ui::TPanel>(*this, GroupBox2, "PanelSize", {6, 34, 290, 25},
                               u8" ログファイルの最大サイズ"_sj,
                               u8"ログ記録する\"PFlog.txt\"の最大サイズを指定します"_sj);
  PanelSize->SetAlignment(ui::taLeftJustify);
  EditSize = Make<ui::TEdit>(*this, PanelSize, "EditSize", {146, 2, 41, 20});
  EditSize->SetMaxLength(4);
  UpDownLogSize = Make<ui::TUpDown>(*this, PanelSize, "UpDownLogSize", {187, 2, 15, 20});
  UpDownLogSize->SetMin(1);
  UpDownLogSize->SetMax(32767);
  UpDownLogSize->SetWrap(false);
  UpDownLogSize->SetAssociate(EditSize);
  Label1 = Make<ui::TLabel>(*this, PanelSize, "Label1", {206, 6, 64, 12}, "KB (1-32767)");

  GroupBox3 = Make<ui::TGroupBox>(*this, page, "GroupBox3", {2, 120, 302, 96}, u8"バックアップ"_sj);
  CheckBox2 = Make<ui::TCheckBox>(*this, GroupBox3, "CheckBox2", {8, 14, 290, 17},
                                  u8"変換したファイルのバックアップを保存"_sj,
                                  u8"変換するファイルのバックアップを作成します"_sj);
  WireClick(CheckBox2, *this, &TPrefForm::CheckBox2Click);
  RBSelfDir = Make<ui::TRadioButton>(*this, GroupBox3, "RBSelfDir", {16, 32, 282, 17},
                                     u8"ファイルのあるフォルダ (初期設定)"_sj);
  RBSelectedDir = Make<ui::TRadioButton>(*this, GroupBox3, "RBSelectedDir", {16, 50, 282, 17},
                                         u8"一カ所にまとめて保存"_sj);
  BUfolder = Make<ui::TEdit>(*this, GroupBox3, "BUfolder", {16, 70, 218, 20});
  BUfolder->SetReadOnly(true);
  BUfolder->SetColor(ui::clBtnFace);
  Button2 = Make<ui::TButton>(*this, GroupBox3, "Button2", {238, 69, 58, 22}, u8"参照..."_sj);
  WireClick(Button2, *this, &TPrefForm::Button2Click);
}

void TPrefForm::BuildFilePage() {
  ui::TTabSheet* page = TabSheet2;
  GroupExt = Make<ui::TGroupBox>(*this, page, "GroupExt", {2, 0, 302, 148},
                                 u8"ファイルをリストに追加するかどうかの判断"_sj);
  ButtonAll = Make<ui::TButton>(*this, GroupExt, "ButtonAll", {8, 14, 286, 21},
                                u8"全種類のファイルを追加(チェックのクリア)"_sj,
                                u8"下記４項目のチェックをクリアします"_sj);
  WireClick(ButtonAll, *this, &TPrefForm::ButtonAllClick);
  CheckSys = Make<ui::TCheckBox>(
      *this, GroupExt, "CheckSys", {8, 39, 144, 17}, u8"システムファイルを禁止"_sj,
      u8"「システムファイル」属性のついたファイルはリストに追加しません"_sj);
  CheckHid = Make<ui::TCheckBox>(*this, GroupExt, "CheckHid", {156, 39, 140, 17},
                                 u8"隠しファイルを禁止"_sj,
                                 u8"「隠しファイル｣属性のついたファイルはリストに追加しません"_sj);

  CheckExt = Make<ui::TCheckBox>(*this, GroupExt, "CheckExt", {8, 60, 142, 17},
                                 u8"拡張子による禁止・・・・・・"_sj,
                                 u8"リストに追加時にここで指定した拡張子のファイルを省きます"_sj);
  WireClick(CheckExt, *this, &TPrefForm::CheckExtClick);
  ComboExt = Make<ui::TComboBox>(
      *this, GroupExt, "ComboExt", {150, 58, 50, 20}, "",
      u8"追加したい拡張子を入力して(Enter)を押せば、禁止する拡張子として追加されます."_sj);
  ComboExt->OnKeyDown = [this](ui::TObject* sender, unsigned short& key, ui::TShiftState shift) {
    ComboExtKeyDown(sender, key, shift);
  };
  ButtonAdd = Make<ui::TButton>(*this, GroupExt, "ButtonAdd", {201, 58, 28, 20}, u8"追加"_sj,
                                u8"入力した拡張子を禁止リストに加えます"_sj);
  WireClick(ButtonAdd, *this, &TPrefForm::ButtonAddClick);
  ButtonDel = Make<ui::TButton>(*this, GroupExt, "ButtonDel", {229, 58, 28, 20}, u8"削除"_sj,
                                u8"現在選択中の拡張子を禁止一覧から削除します."_sj);
  WireClick(ButtonDel, *this, &TPrefForm::ButtonDelClick);
  ButtonReset =
      Make<ui::TButton>(*this, GroupExt, "ButtonReset", {257, 58, 40, 20}, u8"リセット"_sj);
  WireClick(ButtonReset, *this, &TPrefForm::ButtonResetClick);

  CheckExtOk = Make<ui::TCheckBox>(
      *this, GroupExt, "CheckExtOk", {8, 83, 142, 17}, u8"以下の拡張子のみ許可・"_sj,
      u8"リストに追加時にここで指定した拡張子のファイルのみを選別します"_sj);
  WireClick(CheckExtOk, *this, &TPrefForm::CheckExtOkClick);
  ComboExtOk = Make<ui::TComboBox>(*this, GroupExt, "ComboExtOk", {150, 81, 50, 20});
  ComboExtOk->OnKeyDown = [this](ui::TObject* sender, unsigned short& key, ui::TShiftState shift) {
    ComboExtOkKeyDown(sender, key, shift);
  };
  ButtonAddOk = Make<ui::TButton>(*this, GroupExt, "ButtonAddOk", {201, 81, 28, 20}, u8"追加"_sj);
  WireClick(ButtonAddOk, *this, &TPrefForm::ButtonAddOkClick);
  ButtonDelOk = Make<ui::TButton>(*this, GroupExt, "ButtonDelOk", {229, 81, 28, 20}, u8"削除"_sj);
  WireClick(ButtonDelOk, *this, &TPrefForm::ButtonDelOkClick);
  ButtonResetOk =
      Make<ui::TButton>(*this, GroupExt, "ButtonResetOk", {257, 81, 40, 20}, u8"リセット"_sj);
  WireClick(ButtonResetOk, *this, &TPrefForm::ButtonResetOkClick);

  GroupBoxSubDir = Make<ui::TGroupBox>(
      *this, GroupExt, "GroupBoxSubDir", {6, 104, 290, 38}, u8"サブディレクトリの扱い"_sj,
      u8"ディレクトリ単位で追加したときに、さらに下位のディレクトリも追加するかどうかを指定します"_sj);
  CheckBoxSubDir = Make<ui::TCheckBox>(*this, GroupBoxSubDir, "CheckBoxSubDir", {8, 15, 276, 17},
                                       u8"サブディレクトリも読み込む (初期設定はON)"_sj);

  GroupReadOnly = Make<ui::TRadioGroup>(
      *this, page, "GroupReadOnly", {2, 150, 302, 68}, u8"読み取り専用ファイル"_sj,
      u8"「読み取り専用｣属性のついたファイルに対する操作を指定します"_sj);
  GroupReadOnly->Items().Assign({u8"書き換えない (初期設定)"_sj, u8"属性を解除して書き換え"_sj,
                                 u8"書き換えた後属性を元に戻す"_sj});
}

void TPrefForm::FormShow(ui::TObject* sender) {
  CheckExtClick(sender);
  CheckExtOkClick(sender);
  CheckBox2Click(sender);
  CheckBoxLogClick(sender);
}

void TPrefForm::Button1Click(ui::TObject*) {
  Close();
}

void TPrefForm::Button2Click(ui::TObject*) {
  auto* main_form = static_cast<TMainForm*>(Owner());
  const std::string folder = main_form->BrowseFolder(this, u8"フォルダを選んでください."_sj);
  if (folder.size() > 2) BUfolder->SetText(folder + "/");
}

void TPrefForm::CheckBox2Click(ui::TObject*) {
  EnableAll({RBSelfDir, RBSelectedDir, BUfolder, Button2}, CheckBox2->Checked());
}

void TPrefForm::CheckBoxLogClick(ui::TObject*) {
  EnableAll({RadioButtonD2U, RadioButtonU2D}, CheckBoxLog->Checked());
  PanelSize->SetVisible(CheckBoxLog->Checked());
}

void TPrefForm::CheckExtClick(ui::TObject*) {
  EnableAll({ComboExt, ButtonAdd, ButtonDel, ButtonReset}, CheckExt->Checked());
}

void TPrefForm::CheckExtOkClick(ui::TObject*) {
  EnableAll({ComboExtOk, ButtonAddOk, ButtonDelOk, ButtonResetOk}, CheckExtOk->Checked());
}

void TPrefForm::ButtonAllClick(ui::TObject*) {
  CheckSys->SetChecked(false);
  CheckHid->SetChecked(false);
  CheckExt->SetChecked(false);
  CheckExtOk->SetChecked(false);
}

void TPrefForm::ButtonAddClick(ui::TObject*) {
  AddExtension(*ComboExt);
}

void TPrefForm::ButtonAddOkClick(ui::TObject*) {
  AddExtension(*ComboExtOk);
}

void TPrefForm::ButtonDelClick(ui::TObject*) {
  DeleteExtension(*ComboExt);
}

void TPrefForm::ButtonDelOkClick(ui::TObject*) {
  DeleteExtension(*ComboExtOk);
}

void TPrefForm::ButtonResetClick(ui::TObject*) {
  ResetExtensions(*ComboExt, u8"禁止拡張子を初期設定に戻していいですか?"_sj, kDefaultProhibitTypes);
}

void TPrefForm::ButtonResetOkClick(ui::TObject*) {
  ResetExtensions(*ComboExtOk, u8"許可拡張子を初期設定に戻していいですか?"_sj, kDefaultAllowTypes);
}

void TPrefForm::ComboExtKeyDown(ui::TObject* sender, unsigned short& key, ui::TShiftState) {
  if (key == kEnterKey) ButtonAddClick(sender);
}

void TPrefForm::ComboExtOkKeyDown(ui::TObject* sender, unsigned short& key, ui::TShiftState) {
  if (key == kEnterKey) ButtonAddOkClick(sender);
}

void TPrefForm::AddExtension(ui::TComboBox& combo) {
  const std::string text = combo.Text();
  if (text.empty() || combo.Items().IndexOf(text) >= 0) return;
  combo.Items().Add(text);
  combo.SelectAll();
}

void TPrefForm::DeleteExtension(ui::TComboBox& combo) {
  const std::string text = combo.Text();
  const int found = combo.Items().IndexOf(text);
  if (found < 0) return;
  if (CheckBox1->Checked() &&
      ui::Application().MessageBox(
          u8"拡張子 ."_sj + text + u8"を書き換えファイルの対象から外します."_sj, u8"確認っす"_sj,
          ui::MB_YESNO) != ui::IDYES) {
    return;
  }
  combo.Items().Delete(found);
}

void TPrefForm::ResetExtensions(ui::TComboBox& combo, const std::string& question,
                                std::string_view defaults) {
  if (ui::Application().MessageBox(question, u8"確認っす"_sj, ui::MB_YESNO) != ui::IDYES) return;
  combo.Items().Clear();
  combo.SetText("");
  combo.Items().Assign(SplitExtensionList(defaults));
}
