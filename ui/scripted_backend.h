#pragma once
// ScriptedBackend: the backend of tests and headless runs. It records every
// message box, modal form, open dialog, folder browser, help request and shell
// request in a transcript, and answers questions from a queue the test fills, in
// the order they are asked. A notice with only an OK button is answered IDOK
// without an answer. A question with no fitting answer throws ScriptError with
// its text, so the handler stops and the test fails visibly.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class TForm;

class ScriptedBackend : public Backend {
 public:
  struct Entry {
    enum class Kind { MessageBox, ModalForm, OpenDialog, BrowseFolder, Help, ShellOpen };
    Kind kind = Kind::MessageBox;
    // MessageBox: caption; ModalForm: the form's caption; OpenDialog: its filter;
    // BrowseFolder: the owner's caption (empty without owner).
    std::string caption;
    // MessageBox: text; ModalForm: the form's name; BrowseFolder: the title;
    // Help: the help file; ShellOpen: the target.
    std::string text;
    // MessageBox: the flags; OpenDialog: the options; Help: the command.
    unsigned flags = 0;
    // Help: the data.
    int data = 0;
    // The answer given: a message box's id, a form's modal result, 1 or 0 for a
    // confirmed or cancelled dialog.
    int answer = 0;

    unsigned Buttons() const { return flags & 0x0F; }
    unsigned Icon() const { return flags & 0xF0; }
  };
  using ModalScript = std::function<int(TForm&)>;

  ScriptedBackend();
  ~ScriptedBackend() override;

  // Queue answers, in the order the questions will come.
  void AnswerMessage(int id);
  void AnswerModal(ModalScript script);
  void AnswerOpenDialog(std::vector<std::string> files);
  void CancelOpenDialog();
  // "" answers as a cancelled browser.
  void AnswerFolder(std::string path);
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }

  const std::vector<Entry>& Transcript() const { return transcript_; }
  void ClearTranscript() { transcript_.clear(); }
  // Every cursor set, in order.
  const std::vector<TCursor>& CursorHistory() const { return cursors_; }

  // What Run does after showing the main form, standing for the user's session;
  // afterwards Run closes the main form unless the session terminated already.
  void SetSession(std::function<void(TForm& main_form)> session) { session_ = std::move(session); }

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowForm(TForm& form) override;
  void HideForm(TForm& form) override;
  int ShowModal(TForm& form) override;
  bool ExecuteOpenDialog(const TOpenDialog& dialog, std::vector<std::string>& files) override;
  std::string BrowseFolder(TForm* owner, const std::string& title) override;
  bool Help(const std::string& help_file, int command, int data) override;
  void ShellOpen(const std::string& target) override;
  void SetCursor(TCursor cursor) override;
  // 6 pixels per byte.
  int TextWidth(const TFont& font, const std::string& text) override;
  void Run(TForm& main_form) override;
  void Terminate() override { terminated_ = true; }

 private:
  struct Answer {
    Entry::Kind kind = Entry::Kind::MessageBox;
    int id = 0;
    bool confirmed = false;
    std::vector<std::string> files;
    std::string path;
    ModalScript script;
  };
  // The next answer, which must be of kind; throws ScriptError naming the question otherwise.
  Answer TakeAnswer(Entry::Kind kind, const Entry& question);

  std::deque<Answer> answers_;
  std::vector<Entry> transcript_;
  std::vector<TCursor> cursors_;
  std::function<void(TForm&)> session_;
  bool terminated_ = false;
};

}  // namespace ui
