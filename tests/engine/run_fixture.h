#pragma once
// The program fixture with a started main window and its log window, a site
// folder for the files of a run, and the executable's folder pointed at a
// folder of its own (where the temporary copies go).

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Pfmain.h"
#include "dialogs/Pfdlg.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "tests/app/program_fixture.h"
#include "tests/platform/temp_folder.h"
#include "ui/application.h"
#include "ui/scripted_backend.h"

namespace engine_test {

using platform_test::Slurp;
using platform_test::Spill;
using Kind = ui::ScriptedBackend::Entry::Kind;

class RunTest : public app_test::ProgramTest {
 protected:
  RunTest() : previous_folder_(std::filesystem::current_path()) {
    platform::SetClock([] { return platform::EncodeDateTime(2000, 12, 24, 13, 5, 9); });
    ui::Application().SetTitle("Plyfix");
    MainForm = ui::Application().CreateForm<TMainForm>();
    LogForm = ui::Application().CreateForm<TLogForm>();
    MainForm->Show();
    LogForm->LogText->Lines().Clear();
    backend_.ClearTranscript();
  }
  ~RunTest() override {
    std::filesystem::current_path(previous_folder_);  // backups change into their folder
    platform::SetClock({});
  }

  TMainForm& main() { return *MainForm; }

  // Writes a file into the site folder and returns its path.
  std::string Site(const std::string& name, const std::string& content) {
    const std::string path = site_.Path(name);
    Spill(path, content);
    return path;
  }
  void List(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
      main().FullPaths->Add(path);
      main().ListBox1->Items().Add(path);
    }
  }
  void Operation(int operation, const std::string& edit1, const std::string& edit2 = "") {
    main().RadioGroup1->SetItemIndex(operation);
    main().Edit1->SetText(edit1);
    main().Edit2->SetText(edit2);
  }
  void Start() { main().Button1->Click(); }

  std::vector<std::string> Log() { return LogForm->LogText->Lines().ToVector(); }
  // The message boxes of the transcript as "caption|text".
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& entry : backend_.Transcript()) {
      if (entry.kind == Kind::MessageBox) out.push_back(entry.caption + "|" + entry.text);
    }
    return out;
  }
  // Files in the executable's folder whose name starts with PFTMP.
  int TemporaryCopies() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
      if (entry.path().filename().string().rfind("PFTMP", 0) == 0) ++count;
    }
    return count;
  }

  std::filesystem::path previous_folder_;
  platform_test::TempFolder site_;
};

// Answers the five-answer dialog by clicking one of its buttons (1 to 5).
inline ui::ScriptedBackend::ModalScript ClickDialogButton(int button) {
  return [button](ui::TForm& form) {
    auto& dialog = dynamic_cast<TDlgForm&>(form);
    ui::TButton* buttons[] = {dialog.Button1, dialog.Button2, dialog.Button3, dialog.Button4,
                              dialog.Button5};
    buttons[button - 1]->Click();
    return dialog.ModalResult();
  };
}

}  // namespace engine_test
