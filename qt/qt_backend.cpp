#include "qt/qt_backend.h"

#include <QApplication>
#include <QFontMetrics>

#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "qt/file_dialogs.h"
#include "qt/form_peer.h"
#include "qt/message_box.h"
#include "qt/style.h"
#include "qt/text.h"
#include "ui/application.h"

namespace qtui {

QtBackend::QtBackend() : router_(std::make_unique<InputRouter>()) {
  QApplication::setFont(ToQFont(ui::TFont()));
  // Only the model ends the program (Terminate), never the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() {
  if (cursor_set_) QApplication::restoreOverrideCursor();
}

int QtBackend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return ShowMessageBox(DialogParent(), ToQString(text), ToQString(caption), flags);
}

void QtBackend::ShowForm(ui::TForm& form) {
  renderer_.Render(form).Show(false);
}

void QtBackend::HideForm(ui::TForm& form) {
  if (auto* peer = dynamic_cast<FormPeer*>(form.Peer())) peer->Hide();
}

int QtBackend::ShowModal(ui::TForm& form) {
  FormPeer& peer = renderer_.Render(form);
  peer.Show(true);
  if (form.ModalResult() == ui::mrNone && !terminated_) {
    QEventLoop loop;
    peer.SetModalLoop(&loop);
    modal_loops_.push_back(&loop);
    loop.exec(QEventLoop::DialogExec);
    modal_loops_.pop_back();
    if (auto* still = dynamic_cast<FormPeer*>(form.Peer())) still->SetModalLoop(nullptr);
  }
  return form.ModalResult();
}

bool QtBackend::ExecuteOpenDialog(const ui::TOpenDialog& dialog, std::vector<std::string>& files) {
  return RunOpenDialog(DialogParent(), dialog, files);
}

std::string QtBackend::BrowseFolder(ui::TForm* owner, const std::string& title) {
  QWidget* parent = owner != nullptr ? RenderedWidget(*owner) : nullptr;
  return RunFolderBrowser(parent != nullptr ? parent : DialogParent(), title);
}

bool QtBackend::Help(const std::string& help_file, int, int) {
  if (platform::Files().FileExists(help_file)) {
    platform::ShellOpen(help_file);
    return true;
  }
  MessageBox(u8"ヘルプファイルが見つかりません: "_sj + help_file, ui::Application().Title(),
             ui::MB_OK);
  return false;
}

void QtBackend::ShellOpen(const std::string& target) {
  platform::ShellOpen(target);
}

void QtBackend::SetCursor(ui::TCursor cursor) {
  if (cursor == ui::crDefault) {
    if (cursor_set_) QApplication::restoreOverrideCursor();
    cursor_set_ = false;
    return;
  }
  const QCursor shape(ToCursorShape(cursor));
  if (cursor_set_) {
    QApplication::changeOverrideCursor(shape);
  } else {
    QApplication::setOverrideCursor(shape);
  }
  cursor_set_ = true;
}

int QtBackend::TextWidth(const ui::TFont& font, const std::string& text) {
  return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
}

void QtBackend::Run(ui::TForm& main_form) {
  terminated_ = false;
  main_form.Show();
  if (terminated_) return;
  running_ = true;
  QApplication::exec();
  running_ = false;
}

void QtBackend::Terminate() {
  terminated_ = true;
  for (QEventLoop* loop : modal_loops_) loop->quit();
  // exit, not quit: quit first asks every window to close and gives up when one
  // refuses. A form's window always refuses and leaves closing to the model, so
  // with quit the program would end or not depending on which window Qt asked first.
  if (running_) QApplication::exit(0);
}

QWidget* QtBackend::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  const ui::TForm* main = ui::Application().MainForm();
  QWidget* window = main != nullptr ? RenderedWidget(*main) : nullptr;
  return window != nullptr && window->isVisible() ? window : nullptr;
}

}  // namespace qtui
