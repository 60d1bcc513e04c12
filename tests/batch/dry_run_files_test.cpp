// The file service of a dry run: the disk never changes.

#include "batch/dry_run_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/temp_folder.h"

namespace {

using platform_test::Slurp;
using platform_test::Spill;

// Every entry of a folder tree with its permissions and content, as one text.
std::string Snapshot(const std::string& folder) {
  std::string all;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    all += entry.path().string() + "|" +
           std::to_string(static_cast<int>(entry.status().permissions())) + "|" +
           (entry.is_regular_file() ? Slurp(entry.path().string()) : "") + "\n";
  }
  return all;
}

TEST(BatchDryRunFiles, NothingReachesTheDisk) {
  platform_test::TempFolder folder;
  const std::string file = folder.Path("a.htm");
  Spill(file, "old\r\n");
  const std::string before = Snapshot(folder.Path());

  batch::DryRunFiles files;
  // A whole-file write reads back for the rest of the run.
  const std::string log = folder.Path("PFlog.txt");
  EXPECT_TRUE(files.WriteFile(log, ""));
  EXPECT_TRUE(files.FileExists(log));
  std::string content = "x";
  EXPECT_TRUE(files.ReadFile(log, content));
  EXPECT_EQ(content, "");
  EXPECT_TRUE(files.WriteFile(file, "new\r\n"));
  EXPECT_TRUE(files.ReadFile(file, content));
  EXPECT_EQ(content, "new\r\n");
  // Every other change is refused.
  EXPECT_FALSE(files.SetAttributes(file, 0));
  EXPECT_FALSE(files.CopyFile(file, file + ".bak"));
  EXPECT_FALSE(files.DeleteFile(file));
  EXPECT_FALSE(files.LinkFile(file, file + ".bak"));
  EXPECT_FALSE(files.RenameFile(file, file + ".bak"));
  EXPECT_FALSE(files.RemoveFile(file));
  const std::vector<std::string_view> lines = {"new"};
  EXPECT_FALSE(files.WriteNewFile(folder.Path("b.htm"), lines, "\r\n", 0644, 0, 0));
  EXPECT_FALSE(files.OverwriteFile(file, lines, "\r\n"));
  EXPECT_FALSE(files.CopyExtendedAttributes(file, file, 0));

  EXPECT_EQ(Snapshot(folder.Path()), before);
}

}  // namespace
