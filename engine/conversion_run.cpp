// The conversion run behind the start button: input checks, the run's log block,
// the add run and the replace and delete runs, the summary and the input histories.

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "ui/application.h"

namespace {

std::string DateTimeStamp(platform::TDateTime now) {
  return platform::FormatShortDate(now) + " " + platform::FormatLongTime(now);
}

std::string EndLine(const std::string& stamp) {
  return u8"***** 終了:"_sj + stamp + u8" *****"_sj;
}

void ShowNotice(const std::string& text) {
  ui::Application().MessageBox(text, ui::Application().Title(), ui::MB_OK);
}

// Shows the hourglass for the whole application while it lives, so that a run
// ended by an error does not leave it behind.
class BusyCursor {
 public:
  BusyCursor() { ui::Application().SetCursor(ui::crHourGlass); }
  ~BusyCursor() { ui::Application().SetCursor(ui::crDefault); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void TMainForm::AddLogLine(const std::string& text) {
  if (LogEnabled == 0) return;
  ui::TItems& lines = LogForm->LogText->Lines();
  if (LogDownToUp) {
    lines.Insert(std::min(LogInsertRow, lines.Count()), text);
    ++LogInsertRow;
  } else {
    lines.Add(text);
  }
}

void TMainForm::UpdateInputHistory() {
  for (ui::TComboBox* box : {Edit1, Edit2}) {
    const std::string text = box->Text();
    if (!text.empty()) {
      const int found = box->Items().IndexOf(text);
      if (found >= 0) box->Items().Delete(found);
      box->Items().Insert(0, text);
    }
    box->SetText(text);
  }
}

void TMainForm::Button1Click(ui::TObject* /*sender*/) {
  AskBackupOverwrite = true;
  LogInsertRow = 0;
  BackupsOfRun.Clear();
  if (Edit1->Text().empty()) {
    ShowNotice(u8"対象文字列をなにか入力してください."_sj);
    return;
  }
  if (ListBox1->Items().Count() == 0) {
    ShowNotice(u8"変換対象のファイルがリストされていません."_sj);
    return;
  }
  OpenRunLogBlock();

  const int operation = RadioGroup1->ItemIndex();
  if (operation == 0) {
    RunAdd();
  } else if (operation == 1 || operation == 2) {
    RunReplace(operation == 2);
  } else {
    // No operation or an unknown one: refuse rather than fall into a delete run.
    ShowNotice(u8"不正なパラメータです:処理方法"_sj);
    AddLogLine(EndLine(DateTimeStamp(platform::Now())));
  }
}

void TMainForm::OpenRunLogBlock() {
  if (LogEnabled == 0) return;
  const std::string start = u8"***** 開始:"_sj + DateTimeStamp(platform::Now()) + u8" *****"_sj;
  ui::TItems& lines = LogForm->LogText->Lines();
  if (LogDownToUp) {
    lines.Insert(0, "");
    lines.Insert(std::min(LogInsertRow, lines.Count()), start);
    LogInsertRow = 1;
  } else {
    lines.Add("");
    lines.Add(start);
  }
}

void TMainForm::RunAdd() {
  AddLogLine(u8"[追加] ... Started."_sj);
  for (int i = 0; i < ListBox1->Items().Count(); ++i) {
    const std::string path = (*FullPaths)[i];
    LoadWorkLines(path);
    switch (AddToWorkLines(path)) {
      case AddOutcome::AlreadyThere:
        AddLogLine(u8"既に文字列があったので追加せず: "_sj + path);
        break;
      case AddOutcome::LeftUnchanged:
        break;
      case AddOutcome::Stop:
        return;
      case AddOutcome::Changed:
        switch (CommitFile(path)) {
          case CommitOutcome::Written:
            AddLogLine(path);
            break;
          case CommitOutcome::NotWritten:
            AddLogLine(u8"ファイルの書き込みに失敗しました:"_sj + path);
            break;
          case CommitOutcome::Stop:
            return;
        }
        break;
    }
  }
  const std::string summary = u8"合計"_sj + platform::IntToStr(ListBox1->Items().Count()) +
                              u8"ファイルに対し、文字列の挿入操作を行いました."_sj;
  AddLogLine(u8"操作が完了しました."_sj);
  AddLogLine(summary);
  FinishRun(summary);
}

void TMainForm::RunReplace(bool delete_run) {
  SearchText = Edit1->Text();
  if (delete_run) {
    ReplaceText.clear();
  } else {
    ReplaceText = Edit2->Text();
    if (SearchText == ReplaceText &&
        ui::Application().MessageBox(
            u8"元と変換後の文字列が同じだと、変換の意味がないのではないですか？\nそれでも処理を実行しますか？"_sj,
            u8"確認"_sj, ui::MB_YESNO) == ui::IDNO) {
      AddLogLine(EndLine(DateTimeStamp(platform::Now())));
      return;
    }
  }
  AddLogLine(delete_run ? u8"[削除] ... OK."_sj : u8"[置換] ... OK."_sj);
  if (!delete_run && ReplaceText.empty() &&
      ui::Application().MessageBox(
          u8"置換文字列が空白のときは削除と同じ働きをします.\n続行しますか?"_sj, u8"確認っす"_sj,
          ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDNO) {
    AddLogLine(u8"操作を中止しました."_sj);
    return;
  }

  int total = 0;
  {
    BusyCursor busy;
    for (int i = 0; i < ListBox1->Items().Count(); ++i) {
      const std::string path = (*FullPaths)[i];
      LoadWorkLines(path);
      if (WorkLines->Count() == 0) {
        AddLogLine(path + u8" : 空のファイルです."_sj);
        continue;
      }
      bool written = false;
      const int count = ReplaceAll();
      if (count > 0) {
        const CommitOutcome outcome = CommitFile(path);
        if (outcome == CommitOutcome::Stop) return;
        written = outcome == CommitOutcome::Written;
      }
      if (written) {
        total += count;
        AddLogLine(path + " : " + platform::IntToStr(count) + u8"ヶ所"_sj);
      } else {
        AddLogLine(u8"処理しませんでした:"_sj + path);
      }
    }
  }

  const std::string files = platform::IntToStr(ListBox1->Items().Count());
  const std::string summary =
      ReplaceText.empty() ? files + u8"個のファイルから,\n"_sj + platform::IntToStr(total) +
                                u8"個の文字列を削除しました."_sj
                          : files + u8"個のファイルに対し,\n"_sj + platform::IntToStr(total) +
                                u8"個の文字列を置換しました."_sj;
  AddLogLine(u8"操作が完了しました."_sj);
  AddLogLine(summary);
  FinishRun(summary);
}

void TMainForm::FinishRun(const std::string& summary) {
  UpdateInputHistory();
  AddLogLine(EndLine(platform::FormatLongTime(platform::Now())));
  ui::Application().MessageBox(summary, u8"完了"_sj, ui::MB_OK);
}
