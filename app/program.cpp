// The program's start and end.

#include "app/program.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "app/Pfmain.h"
#include "app/help_file.h"
#include "log/Pflog.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "ui/application.h"
#include "ui/dispatch.h"

namespace {

// After the main window's own show handler, drops paths on it once, as a file
// manager would.
void DropOnFirstShow(TMainForm& form, std::vector<std::string> paths) {
  if (paths.empty()) return;
  auto pending = std::make_shared<std::vector<std::string>>(std::move(paths));
  form.OnShow = [&form, show = form.OnShow, pending](ui::TObject* sender) {
    ui::Dispatch([&] {
      if (show) show(sender);
    });
    if (pending->empty()) return;
    const std::vector<std::string> dropped = std::move(*pending);
    pending->clear();
    form.DropFiles(dropped);
  };
}

}  // namespace

int PlyfixMain(std::vector<std::string> start_paths) {
  try {
    ui::TApplication& application = ui::Application();
    application.SetTitle("Plyfix");
    application.SetHelpFile(platform::Utf8ToCp932(kHelpFilePath));
    MainForm = application.CreateForm<TMainForm>();
    LogForm = application.CreateForm<TLogForm>();
    DropOnFirstShow(*MainForm, std::move(start_paths));
    application.Run();
  } catch (const platform::Exception& error) {
    ui::Application().ShowException(error);
  }
  return 0;
}

std::vector<std::string> CommandLinePaths(int argc, const char* const* argv) {
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string_view given = argv[i];
    if (given.empty()) continue;
    std::error_code no_current_folder;
    std::filesystem::path path = std::filesystem::absolute(given, no_current_folder);
    if (no_current_folder) path = given;
    std::string name = path.lexically_normal().string();
    // A folder named with a final separator is dropped as the folder itself.
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    paths.push_back(platform::Utf8ToCp932(name));
  }
  return paths;
}
