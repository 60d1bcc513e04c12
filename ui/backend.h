#pragma once
// Backend: how forms, message boxes and dialogs reach a person. The Qt backend
// renders the model; the ScriptedBackend records and answers for tests. One
// backend is in force at a time (SetBackend, ScopedBackend).

#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {

class TFont;
class TForm;
class TOpenDialog;

class Backend {
 public:
  virtual ~Backend() = default;

  // Shows a message box with the buttons and icon of flags; returns IDOK, IDYES, …
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // A form became visible (its OnShow has run), or hidden. A renderer builds the
  // form's peers when it first sees the form here or in ShowModal.
  virtual void ShowForm(TForm& form) = 0;
  virtual void HideForm(TForm& form) = 0;
  // Runs a modal loop for form, already marked visible and modal, until
  // form.ModalResult() is nonzero (the form's peer is told of every change), and
  // returns it. Returning with no result counts as mrCancel.
  virtual int ShowModal(TForm& form) = 0;
  // Shows the file-open dialog; true with the chosen names when confirmed.
  virtual bool ExecuteOpenDialog(const TOpenDialog& dialog, std::vector<std::string>& files) = 0;
  // The shell's folder browser: the chosen folder's path, or "" when cancelled.
  virtual std::string BrowseFolder(TForm* owner, const std::string& title) = 0;
  // The help viewer with a help file and a command (HELP_FINDER, HELP_CONTENTS).
  virtual bool Help(const std::string& help_file, int command, int data) = 0;
  // The desktop's default action for a web address or a mailto: link.
  virtual void ShellOpen(const std::string& target) = 0;
  // The cursor for the whole application (crHourGlass while busy).
  virtual void SetCursor(TCursor cursor) = 0;
  // The width in pixels of text drawn in font.
  virtual int TextWidth(const TFont& font, const std::string& text) = 0;
  // The message loop: shows the main form (main_form.Show()), then runs until
  // Terminate is called.
  virtual void Run(TForm& main_form) = 0;
  // Ends the message loop.
  virtual void Terminate() = 0;
};

// The backend in force: the one installed last, else a process-wide ScriptedBackend.
Backend& CurrentBackend();
// Installs backend (not owned); null restores the default.
void SetBackend(Backend* backend);

}  // namespace ui
