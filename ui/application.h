#pragma once
// TApplication: the one application object (Application()). It owns the forms
// created through CreateForm (the first becomes the main form), holds the title
// and help file, and forwards message boxes, help, the busy cursor, dialogs and
// the message loop to the backend in force.

#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/types.h"

namespace platform {
class Exception;
}

namespace ui {

class TFont;
class TForm;
class TOpenDialog;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  const std::string& HelpFile() const { return help_file_; }
  void SetHelpFile(const std::string& help_file) { help_file_ = help_file; }

  // Creates a form of type T owned by the application; the first one created
  // becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (main_form_ == nullptr) main_form_ = form;
    return form;
  }
  TForm* MainForm() const { return main_form_; }

  // Runs the message loop: the main form is shown first (firing its OnShow);
  // returns when the main form has closed.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // A message box: flags are MB_… buttons and icon; returns IDOK, IDYES, …
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags = MB_OK);
  // The error display: a box captioned with the title, error icon, OK only,
  // showing ErrorDisplayText of the error's message.
  void ShowException(const platform::Exception& error);
  // Hands the help file and command to the help viewer.
  bool HelpCommand(int command, int data);

  // The cursor for the whole application, as the screen's cursor setting.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  bool ExecuteOpenDialog(const TOpenDialog& dialog, std::vector<std::string>& files);
  std::string BrowseFolder(TForm* owner, const std::string& title);
  void ShellOpen(const std::string& target);
  int TextWidth(const TFont& font, const std::string& text);

  // Destroys every form and returns to the state of a new application (tests).
  void Reset();

 protected:
  void Notification(TComponent* component) override;

 private:
  std::string title_;
  std::string help_file_;
  TForm* main_form_ = nullptr;
  bool terminated_ = false;
  TCursor cursor_ = crDefault;
};

TApplication& Application();

}  // namespace ui
