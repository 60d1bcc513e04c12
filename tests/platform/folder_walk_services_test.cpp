// The services behind folder walks: enumeration by kind and folder identities.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "platform/files.h"
#include "platform/folder_identity.h"
#include "tests/platform/temp_folder.h"

namespace {

using namespace platform;
using platform_test::Spill;
using platform_test::TempFolder;

TEST(FolderWalkServicesTest, EnumerationByKindLooksUpOnlyLinksAndOddEntries) {
  TempFolder folder;
  FileService files;
  Spill(folder.Path("a.txt"), "x");
  Spill(folder.Path("locked.txt"), "x");
  chmod(folder.Path("locked.txt").c_str(), 0444);
  Spill(folder.Path(".h"), "x");
  std::filesystem::create_directory(folder.Path("sub"));
  std::filesystem::create_directory_symlink("sub", folder.Path("to-sub"));
  std::filesystem::create_symlink("nowhere", folder.Path("broken"));
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);

  std::map<std::string, std::uint32_t> seen;
  FindData entry;
  auto search = files.FindFirstKinds(folder.Path(), entry);
  ASSERT_NE(search, nullptr);
  do seen[entry.name] = entry.attributes;
  while (search->Next(entry));
  EXPECT_TRUE(search->Close());

  const std::map<std::string, std::uint32_t> expected = {
      {".", faDirectory},        {"..", faDirectory},          {"a.txt", faArchive},
      {"locked.txt", faArchive}, {".h", faArchive | faHidden}, {"sub", faDirectory},
      {"to-sub", faDirectory},   {"broken", faSysFile},        {"pipe", faSysFile}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(files.FindFirstKinds(folder.Path("missing"), entry), nullptr);
}

TEST(FolderWalkServicesTest, LinksToAFolderShareItsIdentity) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("sub"));
  std::filesystem::create_directory_symlink("..", folder.Path("sub/up"));
  FolderIdentity top;
  FolderIdentity up;
  FolderIdentity sub;
  ASSERT_TRUE(GetFolderIdentity(folder.Path(), top));
  ASSERT_TRUE(GetFolderIdentity(folder.Path("sub/up"), up));
  ASSERT_TRUE(GetFolderIdentity(folder.Path("sub"), sub));
  EXPECT_EQ(top, up);
  EXPECT_NE(top, sub);
  EXPECT_FALSE(GetFolderIdentity(folder.Path("missing"), sub));
}

}  // namespace
