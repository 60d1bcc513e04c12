// Cost of the settings file's key-by-key writes and reads as the input histories
// grow: every write replaces the whole file, so a close writes N keys into a file
// of about N lines. Each size is ten times the last.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/seconds.h"
#include "platform/profile.h"

namespace {

template <typename Work>
void Measure(const char* name, int count, Work work) {
  std::printf("%-28s %6d  %9.3f ms\n", name, count, SecondsOf(work) * 1000);
}

}  // namespace

int main() {
  std::string folder = (std::filesystem::temp_directory_path() / "plyfix-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  const std::string path = folder + "/Plyfix.ini";
  const std::string entry = "old-domain.example";
  for (int count : {10, 100, 1000}) {
    std::filesystem::remove(path);
    platform::TIniFile ini(path);
    Measure("write history keys", count, [&] {
      ini.WriteInteger("Box1", "Count", count);
      for (int i = 0; i < count; ++i) ini.WriteString("Box1", "Box1-" + std::to_string(i), entry);
    });
    const platform::TIniFile reread(path);
    Measure("read history keys", count, [&] {
      for (int i = 0; i < count; ++i) reread.ReadString("Box1", "Box1-" + std::to_string(i), "");
    });
  }
  std::filesystem::remove_all(folder);
  return 0;
}
