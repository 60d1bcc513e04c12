// The admission gate of the file list and the refreshes after a list command:
// the list's horizontal extent and the file count in the window's caption.

#include <algorithm>
#include <optional>

#include "app/Pfmain.h"
#include "cue/cue_file.h"
#include "filelist/list_rules.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/application.h"

namespace {

// A refused file: reported, with the file name of its path, in a plain notice
// when the user wants every refusal shown. Always false, the result of the
// refused admission.
bool Refuse(bool report, const std::string& message, const std::string& path) {
  if (report) {
    ui::Application().MessageBox(message + platform::ExtractFileName(path),
                                 ui::Application().Title(), ui::MB_OK);
  }
  return false;
}

}  // namespace

bool TMainForm::AddFileToList(const std::string& path) {
  return AdmitFile(path, platform::Files().GetAttributes(path));
}

bool TMainForm::AdmitFile(const std::string& path, std::uint32_t attributes) {
  const std::string_view extension = ExtensionOf(path);
  if (PanelPatch->Visible()) {
    // Patch mode: the cue file's extension line is the allow list; a rejected
    // file too short to hold one admits nothing.
    const std::optional<std::string> cue_extensions = cue::AllowList(*CueLines);
    if (!cue_extensions || !ExtensionInList(extension, *cue_extensions)) return false;
  } else if (Allow && !ExtensionInList(extension, AllowTypes)) {
    return false;
  }

  // A path whose attributes cannot be read (removed meanwhile, a broken link) is
  // passed over without a word.
  if (attributes == platform::kInvalidAttributes) return false;
  if (ProhibSys && (attributes & platform::faSysFile) != 0) {
    return Refuse(AlwaysConfirm, u8"システムファイルなので追加しません : "_sj, path);
  }
  if (ProhibHid && (attributes & platform::faHidden) != 0) {
    return Refuse(AlwaysConfirm, u8"隠しファイルなので追加しません : "_sj, path);
  }
  if (Prohibit && ExtensionInList(extension, ProhibitTypes)) {
    return Refuse(AlwaysConfirm, u8"禁止された拡張子のため、リストに追加しません :"_sj, path);
  }
  // The last test: a path not listed yet is taken into the set at once.
  if (!ListedPaths.insert(platform::AnsiLowerCase(path)).second) {
    return Refuse(AlwaysConfirm, u8"すでにリストにあるので追加しません :"_sj, path);
  }

  FullPaths->Add(path);
  std::string display = ShowFullPath ? path : platform::ExtractFileName(path);
  WidenListExtent(display);
  ListBox1->Items().Add(std::move(display));
  return true;
}

void TMainForm::WidenListExtent(const std::string& text) {
  ListWidest = std::max(ListWidest, ui::Application().TextWidth(Font(), text));
  ListBox1->SetHorizontalExtent(ListWidest + 5);
}

void TMainForm::UpdateListExtent() {
  ListWidest = 0;
  const ui::TItems& items = ListBox1->Items();
  for (int i = 0; i < items.Count(); ++i) {
    ListWidest = std::max(ListWidest, ui::Application().TextWidth(Font(), items[i]));
  }
  ListBox1->SetHorizontalExtent(ListWidest + 5);
}

void TMainForm::UpdateFileCount() {
  std::string caption = Caption();
  const std::size_t count_at = caption.find(" - ");
  if (count_at != std::string::npos) caption.erase(count_at);
  SetCaption(caption + " - " + platform::IntToStr(ListBox1->Items().Count()) + " file(s)");
}
