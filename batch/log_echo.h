#pragma once
// LogEcho: watches the log window's text and passes every line a run writes to
// standard output (UTF-8) as it is written, reporting the lines that mean a file
// was left unwritten.

#include <cstdio>

#include "batch/report.h"
#include "ui/memo.h"
#include "ui/peer.h"

namespace batch {

class LogEcho : public ui::ControlPeer {
 public:
  // Attaches itself to memo; quiet passes no line to out.
  LogEcho(ui::TMemo& memo, std::FILE* out, bool quiet, Report& report);

  void ItemsInserted(int index, int count) override;

 private:
  ui::TMemo& memo_;
  std::FILE* out_;
  bool quiet_;
  Report& report_;
};

}  // namespace batch
