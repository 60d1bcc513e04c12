// The About box and the Help menu command that opens it.

#include "dialogs/Pfabout.h"

#include <memory>

#include "app/Pfmain.h"
#include "platform/ansi.h"
#include "ui/application.h"

TAboutForm* AboutForm = nullptr;

namespace {

// The team's web page as shown, and its e-mail address.
constexpr const char* kWebPage = "https://plyfix.example.org";
constexpr const char* kMailAddress = "plyfix@example.org";

template <class T>
T* Make(TAboutForm& form, ui::TWinControl* parent, const char* name) {
  T* control = new T(&form);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

void ClosesTheBox(TAboutForm& form, ui::TControl* control) {
  control->OnClick = [&form](ui::TObject* sender) { form.FormClick(sender); };
}

// A label at (left, top) in the rights group that closes the box when clicked.
ui::TLabel* MakeCaption(TAboutForm& form, const char* name, int left, int top,
                        const std::string& caption) {
  auto* label = Make<ui::TLabel>(form, form.GroupBox1, name);
  label->SetLeft(left);
  label->SetTop(top);
  label->SetCaption(caption);
  ClosesTheBox(form, label);
  return label;
}

// A blue, underlined link label with a hand cursor.
ui::TLabel* MakeLink(TAboutForm& form, const char* name, int top, const std::string& caption,
                     int font_height, const std::string& hint) {
  auto* label = Make<ui::TLabel>(form, form.GroupBox1, name);
  label->SetLeft(56);
  label->SetTop(top);
  label->Font().SetHeight(font_height);
  label->Font().SetColor(ui::clBlue);
  label->Font().SetUnderline(true);
  label->SetCursor(ui::crHandPoint);
  label->SetHint(hint);
  label->SetCaption(caption);
  return label;
}

void BuildTitle(TAboutForm& form) {
  form.TitlePanel = Make<ui::TPanel>(form, form.Panel1, "TitlePanel");
  form.TitlePanel->SetAlign(ui::alTop);
  form.TitlePanel->SetHeight(28);
  form.TitlePanel->SetAlignment(ui::taLeftJustify);
  form.TitlePanel->SetColor(ui::clNavy);
  form.TitlePanel->Font().SetHeight(24);
  form.TitlePanel->Font().SetColor(ui::clYellow);
  form.TitlePanel->SetCaption("Plyfix");
  ClosesTheBox(form, form.TitlePanel);

  form.Panel3 = Make<ui::TPanel>(form, form.Panel1, "Panel3");
  form.Panel3->SetAlign(ui::alClient);
  form.Panel3->SetBevelOuter(ui::bvNone);

  form.VerLabel = Make<ui::TLabel>(form, form.Panel3, "VerLabel");
  form.VerLabel->SetAlign(ui::alTop);
  form.VerLabel->SetAutoSize(false);
  form.VerLabel->SetHeight(16);
  form.VerLabel->SetAlignment(ui::taRightJustify);
  form.VerLabel->SetColor(ui::clWhite);
  form.VerLabel->Font().SetHeight(16);
  form.VerLabel->SetCaption("V e r .  1 . 1 . 0 ");
  ClosesTheBox(form, form.VerLabel);
}

void BuildRights(TAboutForm& form) {
  form.GroupBox1 = Make<ui::TGroupBox>(form, form.Panel3, "GroupBox1");
  form.GroupBox1->SetAlign(ui::alBottom);
  form.GroupBox1->SetHeight(93);
  form.GroupBox1->SetCaption(u8"著作権など"_sj);
  ClosesTheBox(form, form.GroupBox1);

  form.StaticText1 = Make<ui::TStaticText>(form, form.GroupBox1, "StaticText1");
  form.StaticText1->SetBounds(16, 14, 201, 24);
  form.StaticText1->SetCaption(u8"Copyright (C) 2026 Plyfix 開発チーム\nAll rights reserved."_sj);
  ClosesTheBox(form, form.StaticText1);

  form.LabelTC = Make<ui::TLabel>(form, form.GroupBox1, "LabelTC");
  form.LabelTC->SetLeft(16);
  form.LabelTC->SetTop(37);
  form.LabelTC->Font().SetColor(ui::clMaroon);
  form.LabelTC->SetCaption(u8"Plyfix 開発チーム"_sj);
  form.LabelTC->OnClick = [&form](ui::TObject* sender) { form.LabelTCClick(sender); };

  form.Label1 = MakeCaption(form, "Label1", 8, 57, "URL :");
  form.UrlLabel = MakeLink(form, "UrlLabel", 56, kWebPage, 13, u8"作者のWebページに移動"_sj);
  form.UrlLabel->OnClick = [&form](ui::TObject* sender) { form.UrlLabelClick(sender); };
  form.UrlLabel->OnMouseDown = [&form](ui::TObject* sender, ui::TMouseButton button,
                                       ui::TShiftState shift, int x, int y) {
    form.UrlLabelMouseDown(sender, button, shift, x, y);
  };
  form.UrlLabel->OnMouseUp = [&form](ui::TObject* sender, ui::TMouseButton button,
                                     ui::TShiftState shift, int x,
                                     int y) { form.UrlLabelMouseUp(sender, button, shift, x, y); };

  form.Label2 = MakeCaption(form, "Label2", 8, 73, "E-mail :");
  form.MailLabel = MakeLink(form, "MailLabel", 73, kMailAddress, 12, u8"メール待ってます！"_sj);
  form.MailLabel->OnClick = [&form](ui::TObject* sender) { form.MailLabelClick(sender); };
  form.MailLabel->OnMouseDown = [&form](ui::TObject* sender, ui::TMouseButton button,
                                        ui::TShiftState shift, int x, int y) {
    form.MailLabelMouseDown(sender, button, shift, x, y);
  };
  form.MailLabel->OnMouseUp = [&form](ui::TObject* sender, ui::TMouseButton button,
                                      ui::TShiftState shift, int x, int y) {
    form.MailLabelMouseUp(sender, button, shift, x, y);
  };
}

}  // namespace

TAboutForm::TAboutForm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("AboutForm");
  SetCaption(u8"Plyfix について"_sj);
  SetBorderStyle(ui::bsNone);
  SetFormStyle(ui::fsStayOnTop);
  SetClientWidth(231);
  SetClientHeight(145);
  SetColor(ui::clBtnFace);
  Font().SetName(u8"ＭＳ Ｐゴシック"_sj);
  Font().SetHeight(12);
  Font().SetCharset(ui::SHIFTJIS_CHARSET);
  SetPixelsPerInch(96);
  OnClick = [this](ui::TObject* sender) { FormClick(sender); };

  Panel1 = Make<ui::TPanel>(*this, this, "Panel1");
  Panel1->SetAlign(ui::alClient);
  Panel1->SetBevelWidth(2);
  BuildTitle(*this);
  BuildRights(*this);
}

void TAboutForm::FormClick(ui::TObject*) {
  Close();
}

void TAboutForm::UrlLabelClick(ui::TObject*) {
  ui::Application().ShellOpen(std::string(kWebPage) + "/");
}

void TAboutForm::MailLabelClick(ui::TObject*) {
  ui::Application().ShellOpen(std::string("mailto:") + kMailAddress);
}

void TAboutForm::UrlLabelMouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  UrlLabel->Font().SetColor(ui::clRed);
}

void TAboutForm::UrlLabelMouseUp(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  UrlLabel->Font().SetColor(ui::clBlue);
}

void TAboutForm::MailLabelMouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  MailLabel->Font().SetColor(ui::clRed);
}

void TAboutForm::MailLabelMouseUp(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  MailLabel->Font().SetColor(ui::clBlue);
}

void TAboutForm::LabelTCClick(ui::TObject*) {
  LabelTC->Font().SetColor(LabelTC->Font().Color() == ui::clRed ? ui::clMaroon : ui::clRed);
}

void TMainForm::About1Click(ui::TObject*) {
  auto box = std::make_unique<TAboutForm>(this);
  box->SetTop(Top() + (Height() - box->Height()) / 2);
  box->SetLeft(Left() + (Width() - box->Width()) / 2);
  box->LabelTC->Font().SetColor(C2->Enabled() ? ui::clRed : ui::clMaroon);
  box->ShowModal();
  C2->SetEnabled(box->LabelTC->Font().Color() == ui::clRed);
}
