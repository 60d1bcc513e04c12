// Writing a converted file back: the temporary copy, the backup with its
// questions, and the read-only policy.

#include <functional>

#include "app/Pfmain.h"
#include "dialogs/Pfdlg.h"
#include "engine/backup_names.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/application.h"

namespace {

// Runs an action when the scope ends, also when an error ends it.
class ScopeExit {
 public:
  explicit ScopeExit(std::function<void()> action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  std::function<void()> action_;
};

}  // namespace

CommitOutcome TMainForm::CommitFile(const std::string& path) {
  const auto written = [this, &path] {
    return WriteWorkLines(path) ? CommitOutcome::Written : CommitOutcome::NotWritten;
  };
  if (!Backup) return written();

  platform::FileService& files = platform::Files();
  const std::string temp = engine::FreeTemporaryCopyName(
      platform::DataDir(), platform::Now(),
      [&files](const std::string& name) { return files.FileExists(name); });
  files.CopyFile(path, temp);
  // The temporary copy goes when the file is done, also when an error ends the run.
  const ScopeExit remove_temp([this, &files, &temp] {
    if (ClearAttributes(temp)) files.DeleteFile(temp);
  });
  if (MakeBackup(path, temp)) return written();

  const int answer = ui::Application().MessageBox(
      path +
          u8"のバックアップを取ることができませんでした.\nバックアップ先に指定したフォルダが存在しない可能性があります.\nこのまま本体を書き換えてもいいですか?"_sj,
      u8"確認っす"_sj, ui::MB_YESNOCANCEL);
  if (answer == ui::IDYES) return written();
  if (answer == ui::IDNO) return CommitOutcome::NotWritten;
  AddLogLine(u8"中断します."_sj);
  return CommitOutcome::Stop;
}

bool TMainForm::MakeBackup(const std::string& path, const std::string& temp_path) {
  platform::FileService& files = platform::Files();
  const std::string backup = engine::BackupFileName(path, BUPlace, BUFolder);
  files.SetCurrentDir(platform::ExtractFilePath(backup));
  const auto copy = [&] { return files.CopyFile(temp_path, backup); };

  if (!files.FileExists(backup)) return copy();
  if (!AskBackupOverwrite) return OverwriteAllBackups ? copy() : true;

  const int answer =
      AskFiveAnswers(this, u8"バックアップファイル\n"_sj + platform::ExtractFileName(backup) +
                               u8"\nはすでに存在しています.\n上書きしてよろしいですか?"_sj);
  switch (answer) {
    case ui::mrYes:
      if (copy()) return true;
      AddLogLine(u8"バックアップがとれません:"_sj + backup);
      return false;
    case ui::mrYesToAll:
      AskBackupOverwrite = false;
      OverwriteAllBackups = true;
      return copy();
    case ui::mrNo:
      return true;
    case ui::mrNoToAll:
      AskBackupOverwrite = false;
      OverwriteAllBackups = false;
      return true;
    default:
      return false;
  }
}

bool TMainForm::WriteWorkLines(const std::string& path) {
  const std::uint32_t attributes = platform::Files().GetAttributes(path);
  const bool read_only =
      attributes == platform::kInvalidAttributes || (attributes & platform::faReadOnly) != 0;
  if (!read_only) {
    WorkLines->SaveToFile(path);
    return true;
  }
  switch (ReadOnlyMode) {
    case 1:
      ClearAttributes(path);
      WorkLines->SaveToFile(path);
      AddLogLine(u8"書き込み禁止属性を解除:"_sj + path);
      return true;
    case 2:
      ClearAttributes(path);
      try {
        WorkLines->SaveToFile(path);
      } catch (...) {
        // The file keeps its old content; give it its read-only attribute back too.
        SetReadOnlyAttribute(path);
        throw;
      }
      AddLogLine(u8"書き換えたあと属性を回復:"_sj + path);
      SetReadOnlyAttribute(path);
      return true;
    default:
      AddLogLine(u8"書き込み禁止:"_sj + path);
      return false;
  }
}

bool TMainForm::ClearAttributes(const std::string& path) {
  return platform::Files().SetAttributes(path, 0);
}

bool TMainForm::SetReadOnlyAttribute(const std::string& path) {
  const std::uint32_t attributes = platform::Files().GetAttributes(path);
  if (attributes == platform::kInvalidAttributes) return false;
  return platform::Files().SetAttributes(path, attributes | platform::faReadOnly);
}
