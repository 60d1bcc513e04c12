// Throughput of the per-line text work that every conversion run repeats: cutting
// a file into lines, lowering a text for case-insensitive search, joining lines.
#include <cstdio>
#include <string>

#include "bench/seconds.h"
#include "platform/ansi.h"
#include "platform/string_list.h"

namespace {

// About 64 MiB of mixed ASCII and double-byte text with CR LF breaks.
std::string MakeContent() {
  const std::string line =
      "<P>Index \x82\x60\x82\x61 \x83\x41\x83\x43 \x95\x5C <A HREF=\"Page.HTM\">Next</A></P>\r\n";
  std::string content;
  content.reserve(64u << 20);
  while (content.size() + line.size() <= content.capacity()) content += line;
  return content;
}

template <typename Work>
void Measure(const char* name, std::size_t bytes, Work work) {
  std::printf("%-14s %8.1f MiB/s\n", name, bytes / SecondsOf(work) / (1 << 20));
}

}  // namespace

int main() {
  const std::string content = MakeContent();
  std::vector<std::string> lines;
  Measure("SplitLines", content.size(), [&] { lines = platform::SplitLines(content); });
  Measure("AnsiLowerBuff", content.size(), [&] {
    for (std::string& line : lines) platform::AnsiLowerBuff(line.data(), line.size());
  });
  std::string joined;
  Measure("JoinLines", content.size(), [&] { joined = platform::JoinLines(lines); });
  std::printf("%zu lines, %zu bytes\n", lines.size(), joined.size());
}
