// The five-answer question dialog: five buttons, each closing it with its answer.

#include "dialogs/Pfdlg.h"

#include <initializer_list>
#include <memory>

#include "platform/ansi.h"

TDlgForm* DlgForm = nullptr;

namespace {

struct Place {
  int left, top, width, height;
};

ui::TButton* MakeButton(TDlgForm& form, const char* name, const std::string& caption, Place place,
                        ui::TModalResult answer) {
  auto* button = new ui::TButton(&form);
  button->SetName(name);
  button->SetParent(&form);
  button->SetBounds(place.left, place.top, place.width, place.height);
  button->SetCaption(caption);
  button->SetModalResult(answer);
  return button;
}

}  // namespace

TDlgForm::TDlgForm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("DlgForm");
  SetCaption(u8"確認っす"_sj);
  SetBorderStyle(ui::bsDialog);
  SetBorderIcons(0);
  SetPosition(ui::poDesigned);
  SetLeft(319);
  SetTop(200);
  SetClientWidth(218);
  SetClientHeight(123);
  Font().SetName(u8"ＭＳ Ｐゴシック"_sj);
  Font().SetHeight(12);
  Font().SetCharset(ui::SHIFTJIS_CHARSET);
  SetPixelsPerInch(96);

  Button1 = MakeButton(*this, "Button1", u8"はい(&Y)"_sj, {0, 72, 65, 25}, ui::mrYes);
  Button2 = MakeButton(*this, "Button2", u8"以降はい(&A)"_sj, {64, 72, 81, 25}, ui::mrYesToAll);
  Button3 = MakeButton(*this, "Button3", u8"いいえ(&N)"_sj, {0, 96, 65, 25}, ui::mrNo);
  Button4 = MakeButton(*this, "Button4", u8"以降いいえ(&L)"_sj, {64, 96, 81, 25}, ui::mrNoToAll);
  Button5 = MakeButton(*this, "Button5", u8"ｷｬﾝｾﾙ(&C)"_sj, {144, 72, 73, 49}, ui::mrCancel);

  StaticText1 = new ui::TStaticText(this);
  StaticText1->SetName("StaticText1");
  StaticText1->SetParent(this);
  StaticText1->SetBounds(2, 4, 214, 61);
  StaticText1->SetBorderStyle(ui::sbsSunken);

  int order = 0;
  for (ui::TWinControl* control : std::initializer_list<ui::TWinControl*>{
           Button1, Button2, Button3, Button4, Button5, StaticText1}) {
    control->SetTabOrder(order++);
  }
  SetActiveControl(Button1);
}

int AskFiveAnswers(ui::TComponent* owner, const std::string& question) {
  auto dialog = std::make_unique<TDlgForm>(owner);
  dialog->StaticText1->SetCaption(question);
  return dialog->ShowModal();
}
