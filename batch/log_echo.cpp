#include "batch/log_echo.h"

#include "batch/terminal_text.h"

namespace batch {

LogEcho::LogEcho(ui::TMemo& memo, std::FILE* out, bool quiet, Report& report)
    : memo_(memo), out_(out), quiet_(quiet), report_(report) {
  memo_.SetPeer(this);
}

void LogEcho::ItemsInserted(int index, int count) {
  for (int row = index; row < index + count; ++row) {
    const std::string& line = memo_.Lines()[row];
    // The empty line that separates runs in the window means nothing here.
    if (line.empty()) continue;
    if (!quiet_) {
      const std::string shown = ToTerminal(line) + "\n";
      std::fwrite(shown.data(), 1, shown.size(), out_);
    }
    const Reply reply = ClassifyLogLine(line);
    if (reply.severity != Severity::None) {
      std::fflush(out_);
      report_.Add(reply.severity, reply.report);
    }
  }
}

}  // namespace batch
