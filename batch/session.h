#pragma once
// Session: one batch command carried out by the program itself. It creates the
// main window and the log window on the headless backend without showing them,
// reads the settings as the window does, lets the options given override them,
// hands the paths over as a drop (or loads the cue file and assigns the
// document root as patch mode does) and clicks the start button: the window's
// own run. It never writes the settings file.

#include <cstdio>
#include <optional>
#include <string>

#include "batch/command_line.h"
#include "batch/dry_run_files.h"
#include "batch/headless_backend.h"
#include "batch/log_echo.h"
#include "batch/report.h"
#include "ui/scoped_backend.h"

namespace batch {

class Session {
 public:
  // out and err: where log lines and reports go.
  Session(const Command& command, std::FILE* out, std::FILE* err);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the command; returns the exit status.
  int Run();

 private:
  // The command's texts in code page 932; false (reported) when one cannot be.
  bool ConvertTexts();
  void Start();
  // The options given, over the settings just read; false when one is unusable.
  bool ApplyOptions();
  void SetOperation();
  void AddPaths();
  // Loads the cue file, selects the patch and adds the document root's files;
  // false when the command cannot go on.
  bool PreparePatch();
  // What the run would do to each listed file, told with the run's own log
  // lines: the same loading and the same text operations, with nothing committed.
  void DryRun();
  // Whether the read-only policy would leave the file at path unwritten.
  bool Refused(const std::string& path);
  // A path argument as the program names it: absolute, in code page 932; empty
  // (reported with severity `missing`) when it cannot be named or does not exist.
  std::string ProgramPath(const std::string& argument, Severity missing);

  const Command& command_;
  std::vector<std::string> texts_;
  std::FILE* out_;
  Report report_;
  HeadlessBackend backend_;
  ui::ScopedBackend installed_backend_;
  DryRunFiles dry_run_files_;
  std::optional<platform::ScopedFileService> installed_files_;
  std::string start_folder_;
  std::optional<LogEcho> log_echo_;
};

}  // namespace batch
