#pragma once
// Report: what a batch run tells its caller besides the log lines. Each reported
// text goes to standard error at once, as UTF-8; the worst severity met decides
// the exit status.

#include <cstdio>
#include <string>

#include "batch/fixed_answers.h"

namespace batch {

inline constexpr int kExitDone = 0;
inline constexpr int kExitSomeFilesNotDone = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRunEnded = 3;

class Report {
 public:
  explicit Report(std::FILE* out) : out_(out) {}

  // Reports a code page 932 text with its severity; an empty text is not shown.
  void Add(Severity severity, const std::string& cp932);
  // Reports a message of batch mode itself, already in UTF-8.
  void AddOwn(Severity severity, const std::string& utf8);

  // How many texts were shown so far.
  int Shown() const { return shown_; }
  Severity Worst() const { return worst_; }
  int ExitStatus() const;

 private:
  std::FILE* out_;
  int shown_ = 0;
  Severity worst_ = Severity::None;
};

}  // namespace batch
