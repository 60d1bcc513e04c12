#include "ui/open_dialog.h"

#include "ui/application.h"

namespace ui {

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
  std::vector<std::string> files;
  if (!Application().ExecuteOpenDialog(*this, files) || files.empty()) return false;
  files_ = std::move(files);
  file_name_ = files_.front();
  return true;
}

}  // namespace ui
