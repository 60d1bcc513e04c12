#pragma once
// The program fixture with a shown main window and its log window, default
// options, and a site folder whose files and folders the tests list.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "tests/app/program_fixture.h"
#include "tests/platform/temp_folder.h"
#include "ui/application.h"
#include "ui/scripted_backend.h"

namespace filelist_test {

using Kind = ui::ScriptedBackend::Entry::Kind;

class ListTest : public app_test::ProgramTest {
 protected:
  ListTest() {
    ui::Application().SetTitle("Plyfix");
    MainForm = ui::Application().CreateForm<TMainForm>();
    LogForm = ui::Application().CreateForm<TLogForm>();
    MainForm->Show();
    backend_.ClearTranscript();
  }

  TMainForm& main() { return *MainForm; }

  // Creates a file (and its folders) under the site folder; returns its path.
  std::string File(const std::string& name, const std::string& content = "x") {
    const std::string path = site_.Path(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    platform_test::Spill(path, content);
    return path;
  }
  // Creates a folder under the site folder; returns its path.
  std::string Folder(const std::string& name) {
    const std::string path = site_.Path(name);
    std::filesystem::create_directories(path);
    return path;
  }
  std::string Site() const { return site_.Path(); }
  std::string Site(const std::string& name) const { return site_.Path(name); }

  void Drop(const std::vector<std::string>& names) { main().WMDropFiles(names); }

  std::vector<std::string> Listed() const { return MainForm->FullPaths->Lines(); }
  std::vector<std::string> Shown() const { return MainForm->ListBox1->Items().ToVector(); }
  // The listed paths relative to the site folder, in list order.
  std::vector<std::string> ListedNames() const {
    std::vector<std::string> names;
    for (const std::string& path : Listed()) names.push_back(path.substr(Site().size() + 1));
    return names;
  }

  // The message boxes of the transcript as "caption|text".
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& entry : backend_.Transcript()) {
      if (entry.kind == Kind::MessageBox) out.push_back(entry.caption + "|" + entry.text);
    }
    return out;
  }

  std::string CountCaption() const {
    const std::string caption = MainForm->Caption();
    return caption.substr(caption.find(" - "));
  }

  platform_test::TempFolder site_;
};

}  // namespace filelist_test
