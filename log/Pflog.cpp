// The log window: its layout and what closing it does.

#include "log/Pflog.h"

#include "app/Pfmain.h"
#include "platform/ansi.h"

TLogForm* LogForm = nullptr;

TLogForm::TLogForm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("LogForm");
  SetCaption(u8"Plyfix ログブラウザ"_sj);
  SetBounds(573, 139, 270, 370);
  SetConstraints({.MinWidth = 160, .MinHeight = 160});
  SetBorderIcons(ui::biSystemMenu | ui::biMinimize);
  Font().SetName(u8"ＭＳ Ｐゴシック"_sj);
  Font().SetHeight(12);
  Font().SetCharset(ui::SHIFTJIS_CHARSET);
  SetPixelsPerInch(96);

  LogText = new ui::TMemo(this);
  LogText->SetName("LogText");
  LogText->SetParent(this);
  LogText->SetAlign(ui::alClient);
  LogText->SetReadOnly(true);
  LogText->SetScrollBars(ui::ssBoth);
  LogText->SetWordWrap(false);
  LogText->SetMaxLength(1048576);
  LogText->SetShowHint(true);

  OnClose = [this](ui::TObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
}

void TLogForm::FormClose(ui::TObject*, ui::TCloseAction&) {
  MainForm->LogButton->SetDown(false);
  MainForm->LogButton->SetCaption(u8"ログを表示"_sj);
}
