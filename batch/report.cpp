#include "batch/report.h"

#include <algorithm>

#include "batch/terminal_text.h"

namespace batch {

void Report::Add(Severity severity, const std::string& cp932) {
  AddOwn(severity, cp932.empty() ? std::string() : ToTerminal(cp932));
}

void Report::AddOwn(Severity severity, const std::string& utf8) {
  worst_ = std::max(worst_, severity);
  if (utf8.empty()) return;
  std::fprintf(out_, "plyfix: %s\n", utf8.c_str());
  std::fflush(out_);
  ++shown_;
}

int Report::ExitStatus() const {
  switch (worst_) {
    case Severity::None:
    case Severity::Note:
      return kExitDone;
    case Severity::Problem:
      return kExitSomeFilesNotDone;
    case Severity::Usage:
      return kExitUsage;
    case Severity::Fatal:
      return kExitRunEnded;
  }
  return kExitRunEnded;
}

}  // namespace batch
