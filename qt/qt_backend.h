#pragma once
// QtBackend: the real desktop behind ui::Backend. Forms are rendered as Qt
// widgets (Renderer), keys and focus reach the model (InputRouter), and message
// boxes, the open dialog, the folder browser, the busy cursor and the message
// loop are Qt's. Needs a QApplication for its whole life.

#include <QEventLoop>
#include <memory>
#include <string>
#include <vector>

#include "qt/input_router.h"
#include "qt/renderer.h"
#include "ui/backend.h"

namespace qtui {

class QtBackend : public ui::Backend {
 public:
  // Makes the model's default font the application's font.
  QtBackend();
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowForm(ui::TForm& form) override;
  void HideForm(ui::TForm& form) override;
  int ShowModal(ui::TForm& form) override;
  bool ExecuteOpenDialog(const ui::TOpenDialog& dialog, std::vector<std::string>& files) override;
  std::string BrowseFolder(ui::TForm* owner, const std::string& title) override;
  // Opens the help file with the desktop's opener when it exists; otherwise says
  // that it cannot be found.
  bool Help(const std::string& help_file, int command, int data) override;
  void ShellOpen(const std::string& target) override;
  void SetCursor(ui::TCursor cursor) override;
  int TextWidth(const ui::TFont& font, const std::string& text) override;
  void Run(ui::TForm& main_form) override;
  void Terminate() override;

 private:
  // The window a dialog belongs to: the modal one, else the active one, else the main form's.
  QWidget* DialogParent() const;

  Renderer renderer_;
  std::unique_ptr<InputRouter> router_;
  std::vector<QEventLoop*> modal_loops_;
  bool running_ = false;
  bool terminated_ = false;
  bool cursor_set_ = false;
};

}  // namespace qtui
