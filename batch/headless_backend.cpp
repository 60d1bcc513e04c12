#include "batch/headless_backend.h"

#include "dialogs/Pfdlg.h"
#include "ui/application.h"
#include "ui/form.h"

namespace batch {

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
  const Reply reply = AnswerMessage(text, caption, flags, ui::Application().Title(), choices_);
  report_.Add(reply.severity, reply.report);
  return reply.answer;
}

int HeadlessBackend::ShowModal(ui::TForm& form) {
  if (dynamic_cast<TDlgForm*>(&form) == nullptr) return ui::mrCancel;
  return overwrite_backups_ ? ui::mrYes : ui::mrNo;
}

bool HeadlessBackend::ExecuteOpenDialog(const ui::TOpenDialog&, std::vector<std::string>& files) {
  if (open_files_.empty()) return false;
  files = std::move(open_files_);
  open_files_.clear();
  return true;
}

std::string HeadlessBackend::BrowseFolder(ui::TForm*, const std::string&) {
  return std::exchange(folder_, {});
}

}  // namespace batch
