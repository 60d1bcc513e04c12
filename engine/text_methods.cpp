// Loading a file into WorkLines and the two text operations on them.

#include "app/Pfmain.h"
#include "engine/text_operations.h"
#include "platform/ansi.h"
#include "platform/text.h"
#include "ui/application.h"

void TMainForm::LoadWorkLines(const std::string& path) {
  WorkLines->LoadFromFile(path);
}

AddOutcome TMainForm::AddToWorkLines(const std::string& path) {
  const std::string text = Edit1->Text();
  const int position = RadioGroup2->ItemIndex();
  const int line_number = position == engine::kAddAtLine && WorkLines->Count() > 0
                              ? platform::StrToInt(Edit3->Text())
                              : 0;

  const engine::AddDecision decision =
      engine::DecideAdd(WorkLines->Lines(), text, position, line_number, CheckBox1->Checked());
  switch (decision.kind) {
    case engine::AddDecision::kInsert:
      WorkLines->Insert(decision.index, text);
      return AddOutcome::Changed;
    case engine::AddDecision::kAlreadyThere:
      return AddOutcome::AlreadyThere;
    case engine::AddDecision::kLeaveUnchanged:
      return AddOutcome::LeftUnchanged;
    case engine::AddDecision::kBeyondEnd:
      break;
  }
  // Line N lies past the end: ask when confirmations are on; otherwise append,
  // as the question proposes.
  if (AlwaysConfirm) {
    const int answer = ui::Application().MessageBox(
        u8"指定された行数は,"_sj + platform::ExtractFileName(path) +
            u8"の実際の行数より多いようです.\n最終行に追加しますか?"_sj,
        u8"確認っす"_sj, ui::MB_YESNOCANCEL | ui::MB_ICONINFORMATION);
    if (answer == ui::IDNO) return AddOutcome::LeftUnchanged;
    if (answer != ui::IDYES) return AddOutcome::Stop;
  }
  WorkLines->Insert(WorkLines->Count(), text);
  return AddOutcome::Changed;
}

int TMainForm::ReplaceAll() {
  engine::Replacer replacer(SearchText, ReplaceText, CapIgnore);
  return replacer.ReplaceInLines(*WorkLines);
}
