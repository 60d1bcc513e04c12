#include "ui/application.h"

#include "platform/errors.h"
#include "ui/backend.h"
#include "ui/dispatch.h"
#include "ui/form.h"

namespace ui {

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() = default;

void TApplication::Run() {
  if (main_form_ == nullptr) return;
  terminated_ = false;
  CurrentBackend().Run(*main_form_);
}

void TApplication::Terminate() {
  terminated_ = true;
  CurrentBackend().Terminate();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return CurrentBackend().MessageBox(text, caption, flags);
}

void TApplication::ShowException(const platform::Exception& error) {
  MessageBox(ErrorDisplayText(error.Message()), title_, MB_OK | MB_ICONSTOP);
}

bool TApplication::HelpCommand(int command, int data) {
  return CurrentBackend().Help(help_file_, command, data);
}

void TApplication::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  CurrentBackend().SetCursor(cursor);
}

bool TApplication::ExecuteOpenDialog(const TOpenDialog& dialog, std::vector<std::string>& files) {
  return CurrentBackend().ExecuteOpenDialog(dialog, files);
}

std::string TApplication::BrowseFolder(TForm* owner, const std::string& title) {
  return CurrentBackend().BrowseFolder(owner, title);
}

void TApplication::ShellOpen(const std::string& target) {
  CurrentBackend().ShellOpen(target);
}

int TApplication::TextWidth(const TFont& font, const std::string& text) {
  return CurrentBackend().TextWidth(font, text);
}

void TApplication::Reset() {
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  main_form_ = nullptr;
  title_.clear();
  help_file_.clear();
  terminated_ = false;
  cursor_ = crDefault;
}

void TApplication::Notification(TComponent* component) {
  if (component == main_form_) main_form_ = nullptr;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace ui
