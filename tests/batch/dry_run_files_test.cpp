// The file service of a dry run: the disk never changes, while the run sees
// the success (or failure) that the real writes would have had.

#include "batch/dry_run_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/platform/temp_folder.h"

namespace {

using platform_test::Slurp;
using platform_test::Spill;

// Every entry of a folder tree with its content, as one text.
std::string Snapshot(const std::string& folder) {
  std::string all;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    all += entry.path().string() + "|" +
           std::to_string(static_cast<int>(entry.status().permissions())) + "|" +
           (entry.is_regular_file() ? Slurp(entry.path().string()) : "") + "\n";
  }
  return all;
}

TEST(BatchDryRunFiles, WritesSucceedOrFailAsOnDiskButLeaveTheDiskAlone) {
  platform_test::TempFolder folder;
  const std::string file = folder.Path("a.htm");
  const std::string locked = folder.Path("locked.htm.bak");
  Spill(file, "old\r\n");
  Spill(locked, "kept\r\n");
  chmod(locked.c_str(), 0444);
  std::filesystem::create_directory(folder.Path("sub"));
  const std::string before = Snapshot(folder.Path());

  batch::DryRunFiles files;
  EXPECT_TRUE(files.WriteFile(file, "new\r\n"));
  EXPECT_TRUE(files.SetAttributes(file, 0));
  // A new file exists for the rest of the run, with what was written.
  const std::string made = folder.Path("made.txt");
  EXPECT_TRUE(files.WriteFile(made, "made"));
  std::string content;
  EXPECT_TRUE(files.FileExists(made));
  EXPECT_TRUE(files.ReadFile(made, content));
  EXPECT_EQ(content, "made");
  // A copy exists afterwards; a copy onto a read-only file, into a missing
  // folder or from a missing file fails, as on the disk.
  const std::string copy = folder.Path("a.htm.bak");
  EXPECT_FALSE(files.FileExists(copy));
  EXPECT_TRUE(files.CopyFile(file, copy));
  EXPECT_TRUE(files.FileExists(copy));
  EXPECT_FALSE(files.CopyFile(file, locked));
  EXPECT_FALSE(files.CopyFile(file, folder.Path("missing/a.htm.bak")));
  EXPECT_FALSE(files.CopyFile(folder.Path("missing.htm"), folder.Path("x.bak")));
  EXPECT_FALSE(files.WriteFile(folder.Path("sub"), "a folder is no file"));
  // A deleted file is gone for the run.
  EXPECT_TRUE(files.DeleteFile(copy));
  EXPECT_FALSE(files.FileExists(copy));
  EXPECT_TRUE(files.DeleteFile(file));
  EXPECT_FALSE(files.FileExists(file));
  EXPECT_FALSE(files.ReadFile(file, content));

  EXPECT_EQ(Snapshot(folder.Path()), before);
}

}  // namespace
