// The user's commands on the file list, folder expansion, and the folder browser.

#include <unordered_set>
#include <utility>
#include <vector>

#include "app/Pfmain.h"
#include "filelist/list_rules.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/folder_identity.h"
#include "platform/text.h"
#include "ui/application.h"

namespace {

// A Yes/No question without icon; false when the user answered No.
bool Confirm(const std::string& text, const std::string& caption) {
  return ui::Application().MessageBox(text, caption, ui::MB_YESNO) != ui::IDNO;
}

// Sets a flag for the lifetime of this object and clears it afterwards, also
// when the scan ends by an error; a flag that was already set is left alone.
class ScanFlag {
 public:
  explicit ScanFlag(bool& flag) : flag_(flag), owner_(!flag) { flag_ = true; }
  ~ScanFlag() {
    if (owner_) flag_ = false;
  }
  ScanFlag(const ScanFlag&) = delete;
  ScanFlag& operator=(const ScanFlag&) = delete;

 private:
  bool& flag_;
  bool owner_;
};

// One folder of a walk: its entries, read whole when the walk entered it, and
// the next one to offer.
struct FolderFrame {
  std::string folder;
  std::vector<platform::FindData> entries;
  std::size_t next = 0;
  bool close_failed = false;
  bool identified = false;
  platform::FolderIdentity identity;
};

// Reads every entry of a folder and releases the enumeration at once, so that a
// deep walk holds no more than one open enumeration at a time. A folder that
// cannot be enumerated has no entries.
FolderFrame ReadFolder(const std::string& folder) {
  FolderFrame frame;
  frame.folder = folder;
  platform::FindData entry;
  std::unique_ptr<platform::FolderSearch> search = platform::Files().FindFirstKinds(folder, entry);
  if (search == nullptr) return frame;
  do {
    frame.entries.push_back(std::move(entry));
  } while (search->Next(entry));
  frame.close_failed = !search->Close();
  return frame;
}

// The folders being expanded, from the one the user gave down to the current
// one, with the identities of those on that path so that a symbolic link back
// to one of them is not entered again.
class FolderWalk {
 public:
  bool Done() const { return frames_.empty(); }
  FolderFrame& Current() { return frames_.back(); }

  // True when the folder is the same as one already on the path.
  bool OnPath(const std::string& folder) const {
    platform::FolderIdentity identity;
    return platform::GetFolderIdentity(folder, identity) && on_path_.contains(identity);
  }

  void Enter(const std::string& folder) {
    FolderFrame frame = ReadFolder(folder);
    frame.identified = platform::GetFolderIdentity(folder, frame.identity);
    if (frame.identified) on_path_.insert(frame.identity);
    frames_.push_back(std::move(frame));
  }

  // Leaves the current folder; true when releasing its enumeration failed.
  bool Leave() {
    const FolderFrame& frame = frames_.back();
    const bool close_failed = frame.close_failed;
    if (frame.identified) on_path_.erase(frame.identity);
    frames_.pop_back();
    return close_failed;
  }

 private:
  std::vector<FolderFrame> frames_;
  std::unordered_set<platform::FolderIdentity, platform::FolderIdentityHash> on_path_;
};

}  // namespace

void TMainForm::AddPath(const std::string& path) {
  const std::uint32_t attributes = platform::Files().GetAttributes(path);
  if (attributes == platform::kInvalidAttributes) return;
  if ((attributes & platform::faDirectory) == 0) {
    AddFileToList(path);
    return;
  }
  if (MayExpandFolder(path)) ScanFolder(path);
}

bool TMainForm::MayExpandFolder(const std::string& folder) {
  if (InFolderScan && !SubDir) return false;
  return !AlwaysConfirm || Confirm(platform::ExtractFileName(folder) +
                                       u8"はフォルダです。フォルダ内の全ファイルを展開しますか?"_sj,
                                   u8"確認っす"_sj);
}

bool TMainForm::PassesFolderGuard(const std::string& folder) {
  return !IsGuardedFolder(folder, platform::WindowsDirectory(), platform::SystemDirectory()) ||
         Confirm(u8"システムフォルダを対象にするのは危険です! > "_sj + folder, u8"続けますか?"_sj);
}

// The walk is depth first, a sub-folder expanded completely when it is met and
// before the next entry of its parent, as a recursive walk would go; it keeps its
// own stack of folders, so the depth of a tree is no limit.
void TMainForm::ScanFolder(const std::string& folder) {
  if (!PassesFolderGuard(folder)) return;
  const ScanFlag scanning(InFolderScan);
  FolderWalk walk;
  walk.Enter(folder);
  while (!walk.Done()) {
    FolderFrame& frame = walk.Current();
    if (frame.next == frame.entries.size()) {
      if (walk.Leave()) {
        ui::Application().MessageBox(u8"検索ハンドルの破棄に失敗しました!"_sj,
                                     ui::Application().Title(), ui::MB_OK);
      }
      continue;
    }
    const platform::FindData& entry = frame.entries[frame.next++];
    if (entry.name == "." || entry.name == "..") continue;
    const std::string path = JoinPath(frame.folder, entry.name);
    if ((entry.attributes & platform::faDirectory) == 0) {
      // The enumeration read a file's attributes already; only an entry that is
      // neither file nor folder is asked again, so that a broken link (which the
      // enumeration reports as a system entry) reads as unreadable.
      if ((entry.attributes & platform::faSysFile) != 0) {
        AddFileToList(path);
      } else {
        AdmitFile(path, entry.attributes);
      }
      continue;
    }
    // A sub-folder goes the way AddPath takes it, entered here instead of by a call.
    const std::uint32_t attributes = platform::Files().GetAttributes(path);
    if (attributes == platform::kInvalidAttributes) continue;
    if ((attributes & platform::faDirectory) == 0) {
      AddFileToList(path);
    } else if (!walk.OnPath(path) && MayExpandFolder(path) && PassesFolderGuard(path)) {
      walk.Enter(path);
    }
  }
}

std::string TMainForm::BrowseFolder(ui::TForm* owner, const std::string& title) {
  return ui::Application().BrowseFolder(owner, title);
}

void TMainForm::A1Click(ui::TObject*) {
  OpenDialog1->SetFilter(u8"すべてのファイル(*.*)|*.*"_sj);
  if (OpenDialog1->Execute()) {
    for (const std::string& file : OpenDialog1->Files()) AddPath(file);
  }
  UpdateFileCount();
}

void TMainForm::F1Click(ui::TObject*) {
  const std::string folder = BrowseFolder(this, u8"フォルダを選んでください."_sj);
  if (folder.size() > 2) ScanFolder(folder);
  UpdateFileCount();
}

void TMainForm::WMDropFiles(const std::vector<std::string>& names) {
  for (const std::string& name : names) AddPath(name);
  UpdateFileCount();
}

void TMainForm::Delete1Click(ui::TObject*) {
  const int selected = ListBox1->SelCount();
  if (selected == 0) return;
  if (selected >= 2) {
    if (AlwaysConfirm && !Confirm(u8"選択された項目をリストから削除します."_sj, u8"確認"_sj)) {
      return;
    }
    RemoveSelectedEntries();
  } else {
    int index = 0;
    while (!ListBox1->Selected(index)) ++index;
    if (AlwaysConfirm &&
        !Confirm(ListBox1->Items()[index] + u8"をリストから削除します."_sj, u8"確認"_sj)) {
      return;
    }
    ListedPaths.erase(platform::AnsiLowerCase((*FullPaths)[index]));
    FullPaths->Delete(index);
    ListBox1->Items().Delete(index);
  }
  UpdateFileCount();
  UpdateListExtent();
}

// The result is that of removing each selected entry at its index while walking
// from the first; both sequences are compacted in one pass instead, and the list
// control gets its remaining entries at once.
void TMainForm::RemoveSelectedEntries() {
  std::vector<std::string>& paths = FullPaths->Lines();
  const ui::TItems& items = ListBox1->Items();
  std::vector<std::string> kept_texts;
  std::size_t kept = 0;
  for (int i = 0; i < items.Count(); ++i) {
    if (ListBox1->Selected(i)) {
      ListedPaths.erase(platform::AnsiLowerCase(paths[i]));
      continue;
    }
    kept_texts.push_back(items[i]);
    if (kept != static_cast<std::size_t>(i)) paths[kept] = std::move(paths[i]);
    ++kept;
  }
  paths.resize(kept);
  ListBox1->Items().Assign(std::move(kept_texts));
}

void TMainForm::C1Click(ui::TObject*) {
  if (AlwaysConfirm && !Confirm(u8"リストの内容をクリアします."_sj, u8"確認"_sj)) return;
  ListBox1->Items().Clear();
  FullPaths->Clear();
  ListedPaths.clear();
  UpdateFileCount();
  UpdateListExtent();
}

// The Delete key reaches the list as the menu's shortcut, which runs Delete1Click
// once; should it arrive as the character it types (DEL) instead, it removes the
// same way and is swallowed. Every other character, "." (the Delete key's
// virtual-key number) included, is left to the list.
void TMainForm::ListBox1KeyPress(ui::TObject* sender, char& key) {
  if (key != '\x7f') return;
  key = 0;
  Delete1Click(sender);
}

void TMainForm::PathButtonClick(ui::TObject*) {
  ui::TItems& items = ListBox1->Items();
  for (int i = 0; i < items.Count(); ++i) {
    const std::string& path = (*FullPaths)[i];
    items.SetStrings(i, ShowFullPath ? platform::ExtractFileName(path) : path);
  }
  ShowFullPath = !ShowFullPath;
  PathButton->SetCaption(ShowFullPath ? u8"フルPath表示"_sj : u8"Path非表示"_sj);
  UpdateListExtent();
}
