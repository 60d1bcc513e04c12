// Cue files and the patch panel: loading a cue file, choosing a patch and the
// folder it applies to, and leaving patch mode.

#include <memory>

#include "app/Pfmain.h"
#include "cue/cue_file.h"
#include "platform/ansi.h"
#include "ui/application.h"

void TMainForm::C2Click(ui::TObject*) {
  auto dialog = std::make_unique<ui::TOpenDialog>(this);
  dialog->SetFilter("Plyfix Cue(*.pfc)|*.pfc");
  dialog->SetOptions(ui::ofHideReadOnly | ui::ofFileMustExist | ui::ofEnableSizing);
  if (!dialog->Execute()) return;

  MemoSite->Items().Assign(std::vector<std::string>(6));
  ComboBoxPatch->Items().Clear();
  ComboBoxPatch->SetText("");
  CueLines->LoadFromFile(dialog->FileName());
  if (!cue::IsWellFormed(CueLines->Count())) {
    ui::Application().MessageBox(u8"データ形式を確認してください."_sj, ui::Application().Title(),
                                 ui::MB_OK);
    return;
  }

  PanelPatch->Show();
  RadioGroup1->SetItemIndex(1);
  RadioGroup1Click(this);
  const std::vector<std::string> information = cue::InformationLines(*CueLines);
  for (int line = 0; line < static_cast<int>(information.size()); ++line) {
    MemoSite->Items().SetStrings(line, information[line]);
  }
  for (std::string& name : cue::PatchNames(*CueLines)) ComboBoxPatch->Items().Add(std::move(name));
  ComboBoxPatch->SetItemIndex(0);
  ComboBoxPatchChange(this);
}

void TMainForm::ComboBoxPatchChange(ui::TObject*) {
  cue::PatchStrings patch;
  if (!cue::FindPatch(*CueLines, ComboBoxPatch->ItemIndex(), patch)) return;
  MemoSite->Items().SetStrings(4, patch.search);
  Edit1->SetText(patch.search);
  MemoSite->Items().SetStrings(5, patch.replacement);
  Edit2->SetText(patch.replacement);
}

void TMainForm::ButtonAssignFolderClick(ui::TObject*) {
  const std::string folder = BrowseFolder(this, u8"ドキュメントルートを選んでください."_sj);
  EditAssignFolder->SetText(folder);
  if (folder.size() > 2) ScanFolder(folder);
  UpdateFileCount();
}

void TMainForm::SpeedButton1Click(ui::TObject*) {
  PanelPatch->Hide();
}
