#pragma once
// HeadlessBackend: the backend of batch mode. No window is ever shown; every
// question gets its fixed batch answer (fixed_answers.h), the five-answer
// dialog keeps or replaces an existing backup as the command says, the open
// dialog and the folder browser return what the command named, and everything
// worth reporting goes to the Report.

#include <string>
#include <vector>

#include "batch/fixed_answers.h"
#include "batch/report.h"
#include "ui/backend.h"

namespace batch {

class HeadlessBackend : public ui::Backend {
 public:
  HeadlessBackend(Report& report, BatchChoices choices, bool overwrite_backups)
      : report_(report), choices_(choices), overwrite_backups_(overwrite_backups) {}

  // What the next open dialog and folder browser return (patch mode's cue file
  // and document root); unset, they count as cancelled.
  void SetOpenDialogFiles(std::vector<std::string> files) { open_files_ = std::move(files); }
  void SetBrowsedFolder(std::string folder) { folder_ = std::move(folder); }

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowForm(ui::TForm&) override {}
  void HideForm(ui::TForm&) override {}
  // The five-answer question about an existing backup: Yes with
  // --overwrite-backups, else No. Any other modal form is cancelled.
  int ShowModal(ui::TForm& form) override;
  bool ExecuteOpenDialog(const ui::TOpenDialog& dialog, std::vector<std::string>& files) override;
  std::string BrowseFolder(ui::TForm* owner, const std::string& title) override;
  bool Help(const std::string&, int, int) override { return false; }
  void ShellOpen(const std::string&) override {}
  void SetCursor(ui::TCursor) override {}
  // Nothing is drawn: every text is as wide as its bytes.
  int TextWidth(const ui::TFont&, const std::string& text) override {
    return static_cast<int>(text.size());
  }
  void Run(ui::TForm&) override {}
  void Terminate() override {}

 private:
  Report& report_;
  BatchChoices choices_;
  bool overwrite_backups_;
  std::vector<std::string> open_files_;
  std::string folder_;
};

}  // namespace batch
