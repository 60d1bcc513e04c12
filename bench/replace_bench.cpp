// Times real replace runs through the main window on the scripted backend over a
// folder tree. MODE "both" (the default) runs once without backups, then once with
// backups beside the files replacing back, so the tree ends as it started; "off"
// and "on" make one run without or with backups. Ends with the peak memory.
// Usage: replace_bench FOLDER [MODE [SEARCH REPLACEMENT]]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace {

struct Listed {
  int files = 0;
  unsigned long long bytes = 0;
};

Listed ListTree(TMainForm& form, const std::filesystem::path& root) {
  Listed listed;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".bak") continue;
    form.FullPaths->Add(entry.path().string());
    form.ListBox1->Items().Add(entry.path().string());
    ++listed.files;
    listed.bytes += entry.file_size();
  }
  return listed;
}

void TimeRun(TMainForm& form, ui::ScriptedBackend& backend, const Listed& listed, bool backup,
             const std::string& search, const std::string& replacement) {
  form.Backup = backup;
  form.RadioGroup1->SetItemIndex(1);
  form.Edit1->SetText(search);
  form.Edit2->SetText(replacement);
  backend.AnswerModal([](ui::TForm&) { return ui::mrYesToAll; });  // if old backups are there
  const auto start = std::chrono::steady_clock::now();
  form.Button1->Click();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("backups %-3s  files %d  bytes %llu  seconds %.3f  MB/s %.1f\n",
              backup ? "on" : "off", listed.files, listed.bytes, seconds,
              listed.bytes / 1e6 / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[2] : "both";
  if (argc < 2 || (mode != "both" && mode != "on" && mode != "off")) {
    std::fprintf(stderr, "usage: %s FOLDER [both|on|off [SEARCH REPLACEMENT]]\n", argv[0]);
    return 2;
  }
  const std::string search = argc > 4 ? argv[3] : "old-domain.example";
  const std::string replacement = argc > 4 ? argv[4] : "new-domain.example";

  ui::ScriptedBackend backend;
  ui::ScopedBackend scoped(backend);
  platform::SetExeDir(std::filesystem::temp_directory_path().string());
  ui::Application().SetTitle("Plyfix");
  MainForm = ui::Application().CreateForm<TMainForm>();
  LogForm = ui::Application().CreateForm<TLogForm>();
  MainForm->Show();

  const Listed listed = ListTree(*MainForm, std::filesystem::absolute(argv[1]));
  if (mode == "both") {
    TimeRun(*MainForm, backend, listed, false, search, replacement);
    TimeRun(*MainForm, backend, listed, true, replacement, search);
  } else {
    TimeRun(*MainForm, backend, listed, mode == "on", search, replacement);
  }

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %ld KB\n", usage.ru_maxrss);
  return 0;
}
