// Scaling of the file list through the main window on the scripted backend: a
// folder tree of N files added by the folder command (ScanFolder), next to
// `find DIR -type f` on the same tree; the same tree offered again (every file a
// duplicate); a run that logs one line per file at the top of the log; every
// other entry selected and removed; the list cleared. N is 10,000 and then
// 100,000, so linear work shows as a tenfold time.
// Usage: list_bench [FOLDER]  (the trees are made in FOLDER, by default /tmp)

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/files.h"
#include "ui/application.h"
#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace {

// Wall-clock and processor seconds (user and system) taken by work, the latter
// counting this process and the commands it waited for. On a shared machine the
// processor time is the steadier figure.
struct Seconds {
  double wall = 0;
  double user = 0;
  double system = 0;
  double Cpu() const { return user + system; }
};

Seconds CpuSeconds() {
  Seconds total;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage usage{};
    getrusage(who, &usage);
    total.user += usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6;
    total.system += usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  }
  return total;
}

template <typename Work>
Seconds Time(Work work) {
  const Seconds before = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  work();
  const Seconds after = CpuSeconds();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          after.user - before.user, after.system - before.system};
}

// Folders of 10 sub-folders of 100 small pages each, files in all.
void MakeTree(const std::filesystem::path& root, int files) {
  for (int made = 0; made < files; ++made) {
    const std::filesystem::path folder = root / ("section" + std::to_string(made / 1000)) /
                                         ("part" + std::to_string(made / 100 % 10));
    if (made % 100 == 0) std::filesystem::create_directories(folder);
    std::ofstream(folder / ("page" + std::to_string(made) + ".html")) << "<p>page</p>\n";
  }
}

void Report(const char* what, int files, Seconds seconds) {
  std::printf("%-36s %7d files  wall %7.3f s  cpu %7.3f s (user %.3f, system %.3f)\n", what, files,
              seconds.wall, seconds.Cpu(), seconds.user, seconds.system);
}

void Measure(const std::filesystem::path& base, int files) {
  const std::filesystem::path root =
      base / ("plyfix-list-bench-" + std::to_string(getpid()) + "-" + std::to_string(files));
  MakeTree(root, files);
  const std::filesystem::path data = root.string() + "-data";
  std::filesystem::create_directories(data);
  platform::SetExeDir(data.string());

  ui::ScriptedBackend backend;
  ui::ScopedBackend use(backend);
  ui::Application().SetTitle("Plyfix");
  TMainForm& form = *ui::Application().CreateForm<TMainForm>();
  MainForm = &form;
  LogForm = ui::Application().CreateForm<TLogForm>();
  form.Show();

  const std::string find = "find '" + root.string() + "' -type f > /dev/null";
  (void)std::system(find.c_str());  // both walks find the folders in the cache
  const Seconds find_seconds = Time([&] { (void)std::system(find.c_str()); });
  Report("find DIR -type f", files, find_seconds);
  // The same walk reading each file's status, as the folder command must.
  const std::string find_stat = "find '" + root.string() + "' -type f -size -1M > /dev/null";
  Report("find DIR -type f -size -1M", files, Time([&] { (void)std::system(find_stat.c_str()); }));

  backend.AnswerFolder(root.string());
  const Seconds scan_seconds = Time([&] { form.F1Click(nullptr); });
  Report("folder command (ScanFolder)", form.FullPaths->Count(), scan_seconds);
  std::printf("%-36s wall %.2f x find, cpu %.2f x find\n", "",
              scan_seconds.wall / find_seconds.wall, scan_seconds.Cpu() / find_seconds.Cpu());

  backend.AnswerFolder(root.string());
  Report("same folder again, all duplicates", files, Time([&] { form.F1Click(nullptr); }));

  // A replace run that finds nothing: one log line per file, newest on top.
  LogForm->LogText->SetMaxLength(0);
  form.RadioGroup1->SetItemIndex(1);
  form.Edit1->SetText("absent");
  form.Edit2->SetText("x");
  Report("run logging a line per file", files, Time([&] { form.Button1->Click(); }));

  for (int i = 0; i < form.ListBox1->Items().Count(); i += 2) form.ListBox1->SetSelected(i, true);
  Report("remove every other entry", files, Time([&] { form.Delete1Click(nullptr); }));
  Report("clear the list", form.FullPaths->Count(), Time([&] { form.C1Click(nullptr); }));

  ui::Application().Reset();
  MainForm = nullptr;
  LogForm = nullptr;
  platform::SetExeDir("");
  std::filesystem::remove_all(root);
  std::filesystem::remove_all(data);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path base = argc > 1 ? argv[1] : "/tmp";
  for (int files : {10000, 100000}) Measure(base, files);
}
