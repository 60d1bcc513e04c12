// The user's commands on the file list, the way files enter it, and the folder browser.

#include "app/Pfmain.h"
#include "platform/ansi.h"
#include "platform/text.h"

bool TMainForm::AddFileToList(const std::string&) {
  return false;
}

void TMainForm::AddPath(const std::string&) {}

void TMainForm::ScanFolder(const std::string&) {}

std::string TMainForm::BrowseFolder(ui::TForm*, const std::string&) {
  return {};
}

void TMainForm::A1Click(ui::TObject*) {}

void TMainForm::F1Click(ui::TObject*) {}

void TMainForm::Delete1Click(ui::TObject*) {}

void TMainForm::C1Click(ui::TObject*) {}

void TMainForm::ListBox1KeyPress(ui::TObject*, char&) {}

void TMainForm::WMDropFiles(const std::vector<std::string>&) {}

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
