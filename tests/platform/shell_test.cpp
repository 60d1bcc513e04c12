#include "platform/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/ansi.h"
#include "tests/platform/temp_folder.h"

namespace platform {
namespace {

using platform_test::Slurp;
using platform_test::Spill;
using platform_test::TempFolder;

// Sets PATH for the lifetime of the object.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path) {
    const char* saved = std::getenv("PATH");
    had_path_ = saved != nullptr;
    if (had_path_) saved_ = saved;
    setenv("PATH", path.c_str(), 1);
  }
  ~ScopedPath() {
    if (had_path_) {
      setenv("PATH", saved_.c_str(), 1);
    } else {
      unsetenv("PATH");
    }
  }

 private:
  bool had_path_ = false;
  std::string saved_;
};

TEST(ShellOpenTest, DoesNothingWithoutAnOpener) {
  TempFolder folder;
  ScopedPath path(folder.Path());
  ShellOpen("https://example.com/");
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// Writes a stand-in opener into folder that records its arguments in record.
void WriteRecordingOpener(const std::string& folder, const std::string& record,
                          const std::string& tag) {
  const std::string opener = folder + "/xdg-open";
  Spill(opener, "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '" + tag + "%s|%s' \"$1\" \"$#\" > '" +
                    record + ".tmp' && mv '" + record + ".tmp' '" + record + "'\n");
  chmod(opener.c_str(), 0755);
}

// The opener gets one argument, in UTF-8, exactly as given, with no shell having
// seen it. An opener in the current folder is never taken, even when PATH names it.
TEST(ShellOpenTest, HandsTheTargetToTheOpenerAsOneArgument) {
  TempFolder folder;
  TempFolder current;
  const std::string record = folder.Path("argument");
  WriteRecordingOpener(folder.Path(), record, "");
  WriteRecordingOpener(current.Path(), record, "current folder:");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(current.Path());
  ScopedPath path(".::" + folder.Path());

  const std::string target = "mailto:a b;$(touch " + folder.Path("pwned") + ")" + u8"様"_sj;
  ShellOpen(target);
  for (int wait = 0; wait < 500 && !std::filesystem::exists(record); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::filesystem::current_path(previous);
  EXPECT_EQ(Slurp(record), "mailto:a b;$(touch " + folder.Path("pwned") + ")様|1");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("pwned")));
}

}  // namespace
}  // namespace platform
