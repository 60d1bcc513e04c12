// Writing a converted file back: the backup with its questions, the read-only
// policy, and the replacement of the file.
//
// A changed file is replaced by a new file renamed over it, so its old inode (old
// content, old attributes) can itself become the backup: it is linked under a
// temporary name beside the backup and renamed over the backup's name. Where a
// link cannot give the same result (a backup folder on another file system, a
// file rewritten in place because it has several names, a file that will not be
// replaced) the backup is a copy, also made under a temporary name and renamed.
// So every name holds its old or its new content at any moment, never a part,
// and a backup never shares its inode with a file that keeps its content.

#include <sys/stat.h>

#include <functional>

#include "app/Pfmain.h"
#include "dialogs/Pfdlg.h"
#include "engine/backup_names.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/application.h"

namespace {

// Runs an action when the scope ends, also when an error ends it, unless
// dismissed. The action is a clean-up: should it fail with an error of its own
// (out of memory), the error already on its way out is the one reported.
class ScopeExit {
 public:
  explicit ScopeExit(std::function<void()> action) : action_(std::move(action)) {}
  ~ScopeExit() {
    try {
      if (action_) action_();
    } catch (...) {
      // The clean-up is left undone: a temporary file stays, a backup stays linked.
    }
  }
  void Dismiss() { action_ = nullptr; }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  std::function<void()> action_;
};

bool ReadOnly(const platform::FileState& state) {
  return (state.mode & S_IWUSR) == 0 || !state.writable;
}

// Whether a write replaces the file by a new one renamed over it, so that its old
// inode survives: not for a file with several names (all must see the new
// content) nor for another user's file (the new one would become this user's);
// those are rewritten in place.
bool ReplacedByRename(const platform::FileState& state) {
  return state.links == 1 && state.may_change_mode;
}

// Puts what make_temp creates under a temporary name beside target in target's
// place; removes the temporary name when anything fails.
bool PutByRename(const std::string& target,
                 const std::function<bool(const std::string&)>& make_temp) {
  platform::FileService& files = platform::Files();
  const std::string temp = platform::TemporaryNameBeside(target);
  if (!make_temp(temp)) return false;
  if (files.RenameFile(temp, target)) return true;
  files.RemoveFile(temp);
  return false;
}

// A copy of the file at source (its content, permissions and modification time)
// in place of backup.
bool CopyBackup(const std::string& source, const std::string& backup) {
  return PutByRename(backup, [&source](const std::string& temp) {
    return platform::Files().CopyFile(source, temp);
  });
}

}  // namespace

CommitOutcome TMainForm::CommitFile(const std::string& path) {
  platform::FileService& files = platform::Files();
  platform::FileState state;
  if (!files.Inspect(path, state) || state.identity != WorkLines->Identity()) {
    AddLogLine(u8"読み込み後に変更されたため書き込みません:"_sj + path);
    return CommitOutcome::NotWritten;
  }
  const bool replaced = !ReadOnly(state) || ReadOnlyMode == 1 || ReadOnlyMode == 2;
  engine::MadeBackup made;
  if (Backup && !MakeBackup(path, state, replaced && ReplacedByRename(state), made)) {
    const int answer = ui::Application().MessageBox(
        path +
            u8"のバックアップを取ることができませんでした.\nバックアップ先に指定したフォルダが存在しない可能性があります.\nこのまま本体を書き換えてもいいですか?"_sj,
        u8"確認っす"_sj, ui::MB_YESNOCANCEL);
    if (answer == ui::IDNO) return CommitOutcome::NotWritten;
    if (answer != ui::IDYES) {
      AddLogLine(u8"中断します."_sj);
      return CommitOutcome::Stop;
    }
  }
  // Unless the file is replaced, a backup linked to it becomes a copy of its own.
  ScopeExit not_written([&] {
    if (made.linked) DetachBackup(state.target, made);
    if (made.made) BackupsOfRun.Add(made.key, engine::KeyOf(state.identity));
  });
  if (!WriteWorkLines(path, state)) return CommitOutcome::NotWritten;
  not_written.Dismiss();
  platform::FileState now;
  if (made.made && files.Inspect(path, now)) {
    BackupsOfRun.Add(made.key, engine::KeyOf(now.identity));
  }
  return CommitOutcome::Written;
}

bool TMainForm::MakeBackup(const std::string& path, const platform::FileState& state, bool may_link,
                           engine::MadeBackup& made) {
  platform::FileService& files = platform::Files();
  const std::string backup = engine::BackupFileName(path, BUPlace, BUFolder);
  const bool exists = files.FileExists(backup);
  const auto make = [&] { return PutBackup(state, backup, exists, may_link, made); };

  if (!exists) return make();
  platform::FileState existing;
  if (!BackupsOfRun.Empty() && files.Inspect(backup, existing)) {
    // Made earlier in this run: kept whatever the answers, since it holds the only
    // copy of a file's content before the run.
    const engine::FileKey* owner = BackupsOfRun.FileOf(engine::KeyOf(existing.identity));
    if (owner != nullptr && *owner == engine::KeyOf(state.identity)) {
      AddLogLine(u8"今回作成したバックアップを残します:"_sj + backup);
      return true;
    }
    if (owner != nullptr) {
      AddLogLine(u8"バックアップがとれません:"_sj + backup);
      return false;
    }
  }
  if (!AskBackupOverwrite) return OverwriteAllBackups ? make() : true;

  const int answer =
      AskFiveAnswers(this, u8"バックアップファイル\n"_sj + platform::ExtractFileName(backup) +
                               u8"\nはすでに存在しています.\n上書きしてよろしいですか?"_sj);
  switch (answer) {
    case ui::mrYes:
      if (make()) return true;
      AddLogLine(u8"バックアップがとれません:"_sj + backup);
      return false;
    case ui::mrYesToAll:
      AskBackupOverwrite = false;
      OverwriteAllBackups = true;
      return make();
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

bool TMainForm::PutBackup(const platform::FileState& state, const std::string& backup, bool exists,
                          bool may_link, engine::MadeBackup& made) {
  platform::FileService& files = platform::Files();
  // An existing read-only backup is not replaced, as a copy over it would fail.
  if (exists && (files.GetAttributes(backup) & platform::faReadOnly) != 0) return false;
  const auto link = [&](const std::string& temp) { return files.LinkFile(state.target, temp); };
  if (may_link && PutByRename(backup, link)) {
    made = {backup, engine::KeyOf(state.identity), true, true};
    return true;
  }
  platform::FileState copy;
  if (!CopyBackup(state.target, backup) || !files.Inspect(backup, copy)) return false;
  made = {backup, engine::KeyOf(copy.identity), false, true};
  return true;
}

void TMainForm::DetachBackup(const std::string& target, engine::MadeBackup& made) {
  platform::FileService& files = platform::Files();
  platform::FileState file;
  platform::FileState linked;
  if (!files.Inspect(target, file) || !files.Inspect(made.name, linked) ||
      engine::KeyOf(file.identity) != engine::KeyOf(linked.identity)) {
    return;
  }
  platform::FileState copy;
  if (CopyBackup(target, made.name) && files.Inspect(made.name, copy)) {
    made.key = engine::KeyOf(copy.identity);
    made.linked = false;
  }
}

bool TMainForm::WriteWorkLines(const std::string& path, const platform::FileState& state) {
  const bool read_only = ReadOnly(state);
  if (read_only && ReadOnlyMode != 1 && ReadOnlyMode != 2) {
    AddLogLine(u8"書き込み禁止:"_sj + path);
    return false;
  }
  const bool written = ReplacedByRename(state) ? ReplaceFile(path, state, read_only)
                                               : OverwriteFile(path, state, read_only);
  if (written && read_only) {
    AddLogLine(ReadOnlyMode == 1 ? u8"書き込み禁止属性を解除:"_sj + path
                                 : u8"書き換えたあと属性を回復:"_sj + path);
  }
  return written;
}

bool TMainForm::StillAsRead(const std::string& path) {
  platform::FileState now;
  if (platform::Files().Inspect(path, now) && now.identity == WorkLines->Identity()) return true;
  AddLogLine(u8"読み込み後に変更されたため書き込みません:"_sj + path);
  return false;
}

bool TMainForm::ReplaceFile(const std::string& path, const platform::FileState& state,
                            bool read_only) {
  platform::FileService& files = platform::Files();
  // The read-only policies act on the new file alone: 1 gives it the owner's write
  // bit, 2 takes every write bit away; the old inode keeps its attributes.
  mode_t mode = state.mode;
  if (read_only) mode = ReadOnlyMode == 1 ? mode | S_IWUSR : mode & ~mode_t{0222};
  const std::string temp = platform::TemporaryNameBeside(state.target);
  if (!files.WriteNewFile(temp, WorkLines->Lines(), "\r\n", mode, state.owner, state.group)) {
    throw platform::EFCreateError(path);
  }
  ScopeExit remove_temp([&files, &temp] { files.RemoveFile(temp); });
  if (!files.CopyExtendedAttributes(state.target, temp, WorkLines->FsFlags())) {
    AddLogLine(u8"属性を引き継げないため書き込みません:"_sj + path);
    return false;
  }
  if (!StillAsRead(path)) return false;
  if (!files.RenameFile(temp, state.target)) throw platform::EFCreateError(path);
  remove_temp.Dismiss();
  return true;
}

bool TMainForm::OverwriteFile(const std::string& path, const platform::FileState& state,
                              bool read_only) {
  if (!StillAsRead(path)) return false;
  if (read_only) ClearAttributes(path);
  if (!platform::Files().OverwriteFile(state.target, WorkLines->Lines(), "\r\n")) {
    if (read_only && ReadOnlyMode == 2) SetReadOnlyAttribute(path);
    throw platform::EFCreateError(path);
  }
  if (read_only && ReadOnlyMode == 2) SetReadOnlyAttribute(path);
  return true;
}

bool TMainForm::ClearAttributes(const std::string& path) {
  return platform::Files().SetAttributes(path, 0);
}

bool TMainForm::SetReadOnlyAttribute(const std::string& path) {
  const std::uint32_t attributes = platform::Files().GetAttributes(path);
  if (attributes == platform::kInvalidAttributes) return false;
  return platform::Files().SetAttributes(path, attributes | platform::faReadOnly);
}
