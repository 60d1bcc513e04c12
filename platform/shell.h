#pragma once
// The desktop's opener for web addresses, mailto: links and help files: spawned
// with an argument vector, never through a shell command line, never waited for.

#include <string>

namespace platform {

// Opens target with the desktop's default action (xdg-open); does nothing when no
// opener is installed.
void ShellOpen(const std::string& target);

}  // namespace platform
