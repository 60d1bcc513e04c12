#include "platform/shell.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/ansi.h"

namespace platform {
namespace {

// The full path of the executable name in one of the folders of PATH, or empty.
// Only absolute folders count: an empty or relative entry would search the current
// folder, which the program moves into folders of the user's files.
std::string FindOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "";
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders.remove_prefix(colon == std::string_view::npos ? folders.size() : colon + 1);
    if (folder.empty() || folder.front() != '/') continue;
    std::string candidate = std::string(folder) + "/" + std::string(name);
    struct stat status;
    if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
  }
  return "";
}

// Runs in the grandchild: detached from the program's session, with default
// signal handling, no inherited descriptors and its standard streams on
// /dev/null, it becomes the opener. Only async-signal-safe calls are made here.
[[noreturn]] void ExecOpener(const char* opener, char* const argv[]) {
  setsid();
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  for (int signal_number = 1; signal_number < NSIG; ++signal_number) {
    sigaction(signal_number, &default_action, nullptr);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
  }
  close_range(STDERR_FILENO + 1, ~0U, 0);
  execv(opener, argv);
  _exit(127);
}

}  // namespace

void ShellOpen(const std::string& target) {
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) return;
  std::string argument = Cp932ToUtf8(target);
  char program_name[] = "xdg-open";
  char* const argv[] = {program_name, argument.data(), nullptr};
  // The child only starts the grandchild and leaves, so the opener is adopted by
  // init: the program never waits for it and it never becomes a zombie here.
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    if (fork() == 0) ExecOpener(opener.c_str(), argv);
    _exit(0);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace platform
