#include "batch/batch_main.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/report.h"
#include "batch/session.h"

namespace batch {
namespace {

std::vector<std::string> Arguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace

bool IsBatchCommand(int argc, char** argv) {
  return IsBatchCommand(Arguments(argc, argv));
}

int Main(int argc, char** argv) {
  // A write past the file-size limit then fails as a write error instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // A reader that stops early (| head) must not end a run half-way through the files.
  std::signal(SIGPIPE, SIG_IGN);
  const Command command = ParseCommandLine(Arguments(argc, argv));
  switch (command.kind) {
    case Command::Kind::Help:
      std::fputs(HelpText().c_str(), stdout);
      return kExitDone;
    case Command::Kind::Version:
      std::printf("plyfix %s\n", PLYFIX_VERSION);
      return kExitDone;
    case Command::Kind::UsageError:
      std::fprintf(stderr, "plyfix: %s\nTry 'plyfix --help' for more information.\n",
                   command.error.c_str());
      return kExitUsage;
    case Command::Kind::Run:
      break;
  }
  Session session(command, stdout, stderr);
  return session.Run();
}

}  // namespace batch
