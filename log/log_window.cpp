// Showing and hiding the log window from the main window.

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/ansi.h"

void TMainForm::LogButtonClick(ui::TObject*) {
  LogForm->SetVisible(!LogForm->Visible());
  const bool shown = LogForm->Visible();
  LogButton->SetDown(shown);
  LogButton->SetCaption(shown ? u8"ログを隠す"_sj : u8"ログを表示"_sj);
}
