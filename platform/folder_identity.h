#pragma once
// The identity of a folder on its file system (device and inode number,
// following symbolic links): two paths with one identity name the same folder,
// which lets a folder walk notice that it is about to enter a folder it is
// already inside.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

struct FolderIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FolderIdentity&) const = default;
};

struct FolderIdentityHash {
  std::size_t operator()(const FolderIdentity& identity) const {
    return static_cast<std::size_t>(identity.inode * 0x9E3779B97F4A7C15ull ^ identity.device);
  }
};

// The identity of the code page 932 path; false when it cannot be queried (a
// missing path, a broken link, or a name the code page could not hold).
bool GetFolderIdentity(const std::string& path, FolderIdentity& identity);

}  // namespace platform
