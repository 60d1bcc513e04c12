#include "ui/scripted_backend.h"

#include "platform/ansi.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/open_dialog.h"
#include "ui/script_error.h"

namespace ui {
namespace {

using Kind = ScriptedBackend::Entry::Kind;

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::MessageBox:
      return "message box";
    case Kind::ModalForm:
      return "modal form";
    case Kind::OpenDialog:
      return "open dialog";
    case Kind::BrowseFolder:
      return "folder browser";
    case Kind::Help:
      return "help request";
    case Kind::ShellOpen:
      return "shell request";
  }
  return "question";
}

// A question as a test reader sees it, in UTF-8.
std::string Describe(const ScriptedBackend::Entry& entry) {
  return std::string(KindName(entry.kind)) + " \"" + platform::Cp932ToUtf8(entry.caption) +
         "\": " + platform::Cp932ToUtf8(entry.text);
}

// Whether a message box with these buttons offers the answer id.
bool Offers(unsigned buttons, int id) {
  switch (buttons) {
    case MB_OK:
      return id == IDOK;
    case MB_OKCANCEL:
      return id == IDOK || id == IDCANCEL;
    case MB_ABORTRETRYIGNORE:
      return id == IDABORT || id == IDRETRY || id == IDIGNORE;
    case MB_YESNOCANCEL:
      return id == IDYES || id == IDNO || id == IDCANCEL;
    case MB_YESNO:
      return id == IDYES || id == IDNO;
    case MB_RETRYCANCEL:
      return id == IDRETRY || id == IDCANCEL;
    default:
      return false;
  }
}

}  // namespace

ScriptedBackend::ScriptedBackend() = default;
ScriptedBackend::~ScriptedBackend() = default;

void ScriptedBackend::AnswerMessage(int id) {
  Answer answer;
  answer.kind = Kind::MessageBox;
  answer.id = id;
  answers_.push_back(std::move(answer));
}

void ScriptedBackend::AnswerModal(ModalScript script) {
  Answer answer;
  answer.kind = Kind::ModalForm;
  answer.script = std::move(script);
  answers_.push_back(std::move(answer));
}

void ScriptedBackend::AnswerOpenDialog(std::vector<std::string> files) {
  Answer answer;
  answer.kind = Kind::OpenDialog;
  answer.confirmed = true;
  answer.files = std::move(files);
  answers_.push_back(std::move(answer));
}

void ScriptedBackend::CancelOpenDialog() {
  Answer answer;
  answer.kind = Kind::OpenDialog;
  answers_.push_back(std::move(answer));
}

void ScriptedBackend::AnswerFolder(std::string path) {
  Answer answer;
  answer.kind = Kind::BrowseFolder;
  answer.path = std::move(path);
  answers_.push_back(std::move(answer));
}

ScriptedBackend::Answer ScriptedBackend::TakeAnswer(Entry::Kind kind, const Entry& question) {
  if (answers_.empty()) throw ScriptError("No answer queued for " + Describe(question));
  if (answers_.front().kind != kind) {
    throw ScriptError("The next answer is for a " + std::string(KindName(answers_.front().kind)) +
                      ", but the program asks " + Describe(question));
  }
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

int ScriptedBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
  transcript_.push_back({Kind::MessageBox, caption, text, flags, 0, IDOK});
  const std::size_t at = transcript_.size() - 1;
  if ((flags & MB_TYPEMASK) == MB_OK) return IDOK;
  const Answer answer = TakeAnswer(Kind::MessageBox, transcript_[at]);
  if (!Offers(flags & MB_TYPEMASK, answer.id)) {
    throw ScriptError("Answer " + std::to_string(answer.id) + " is not a button of " +
                      Describe(transcript_[at]));
  }
  transcript_[at].answer = answer.id;
  return answer.id;
}

void ScriptedBackend::ShowForm(TForm&) {}
void ScriptedBackend::HideForm(TForm&) {}

int ScriptedBackend::ShowModal(TForm& form) {
  transcript_.push_back({Kind::ModalForm, form.Caption(), form.Name(), 0, 0, 0});
  const std::size_t at = transcript_.size() - 1;
  const Answer answer = TakeAnswer(Kind::ModalForm, transcript_[at]);
  const int returned = answer.script(form);
  if (form.ModalResult() == mrNone && returned != mrNone) form.SetModalResult(returned);
  if (form.ModalResult() == mrNone) {
    throw ScriptError("The script left the " + Describe(transcript_[at]) +
                      " open without a modal result");
  }
  transcript_[at].answer = form.ModalResult();
  return form.ModalResult();
}

bool ScriptedBackend::ExecuteOpenDialog(const TOpenDialog& dialog,
                                        std::vector<std::string>& files) {
  transcript_.push_back(
      {Kind::OpenDialog, dialog.Filter(), dialog.Title(), dialog.Options(), 0, 0});
  const std::size_t at = transcript_.size() - 1;
  Answer answer = TakeAnswer(Kind::OpenDialog, transcript_[at]);
  if (!answer.confirmed) return false;
  files = std::move(answer.files);
  transcript_[at].answer = 1;
  return true;
}

std::string ScriptedBackend::BrowseFolder(TForm* owner, const std::string& title) {
  transcript_.push_back(
      {Kind::BrowseFolder, owner != nullptr ? owner->Caption() : std::string(), title, 0, 0, 0});
  const std::size_t at = transcript_.size() - 1;
  Answer answer = TakeAnswer(Kind::BrowseFolder, transcript_[at]);
  transcript_[at].answer = answer.path.empty() ? 0 : 1;
  return answer.path;
}

bool ScriptedBackend::Help(const std::string& help_file, int command, int data) {
  transcript_.push_back(
      {Kind::Help, std::string(), help_file, static_cast<unsigned>(command), data, 1});
  return true;
}

void ScriptedBackend::ShellOpen(const std::string& target) {
  transcript_.push_back({Kind::ShellOpen, std::string(), target, 0, 0, 1});
}

void ScriptedBackend::SetCursor(TCursor cursor) {
  cursors_.push_back(cursor);
}

int ScriptedBackend::TextWidth(const TFont&, const std::string& text) {
  return 6 * static_cast<int>(text.size());
}

void ScriptedBackend::Run(TForm& main_form) {
  terminated_ = false;
  main_form.Show();
  if (session_) session_(main_form);
  if (!terminated_) Dispatch([&] { main_form.Close(); });
}

}  // namespace ui
