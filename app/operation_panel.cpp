// The operation panel: its controls follow the chosen operation and add position.
// Nothing here clears a text; the run reads the controls' values when it starts.

#include "app/Pfmain.h"
#include "platform/ansi.h"

namespace {

void ShowLineNumber(TMainForm& form, bool shown) {
  form.Edit3->SetVisible(shown);
  form.UpDown1->SetVisible(shown);
}

}  // namespace

void TMainForm::RadioGroup1Click(ui::TObject*) {
  switch (RadioGroup1->ItemIndex()) {
    case 0:
      GroupBox1->SetCaption(u8"文字列の追加"_sj);
      Label1->SetCaption(u8"追加する文字列"_sj);
      Label2->Hide();
      Edit2->Hide();
      RadioGroup2->Show();
      CheckBox1->Show();
      if (RadioGroup2->ItemIndex() == 2) ShowLineNumber(*this, true);
      break;
    case 1:
      GroupBox1->SetCaption(u8"文字列の置換"_sj);
      Label1->SetCaption(u8"元の文字列"_sj);
      Label2->Show();
      Edit2->Show();
      RadioGroup2->Hide();
      CheckBox1->Hide();
      ShowLineNumber(*this, false);
      break;
    case 2:
      GroupBox1->SetCaption(u8"文字列の削除"_sj);
      Label1->SetCaption(u8"削除する文字列"_sj);
      Label2->Hide();
      Edit2->Hide();
      RadioGroup2->Hide();
      CheckBox1->Hide();
      ShowLineNumber(*this, false);
      break;
    default:
      GroupBox1->SetCaption("");
      break;
  }
  GroupBox1->Show();
}

void TMainForm::RadioGroup2Click(ui::TObject*) {
  switch (RadioGroup2->ItemIndex()) {
    case 0:
    case 1:
      ShowLineNumber(*this, false);
      break;
    case 2:
      ShowLineNumber(*this, true);
      break;
    default:
      break;
  }
}
