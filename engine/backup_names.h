#pragma once
// The name of a file's backup, and the backups one run has made.

#include <sys/types.h>

#include <compare>
#include <map>
#include <string>

#include "platform/files.h"

namespace engine {

// With place 0 the file's own path with ".bak" appended; otherwise folder, the
// file's name and ".bak". The extension is never replaced.
std::string BackupFileName(const std::string& path, int place, const std::string& folder);

// A file by its device and inode, whatever name reaches it.
struct FileKey {
  dev_t device = 0;
  ino_t inode = 0;
  auto operator<=>(const FileKey&) const = default;
};
FileKey KeyOf(const platform::FileIdentity& identity);

// The backup one file got: its name, its key, and whether it is a second name of
// the file's old inode rather than a copy.
struct MadeBackup {
  std::string name;
  FileKey key;
  bool linked = false;
  bool made = false;
};

// The backups made in one run, each with the file whose old content it keeps, so
// that no later pass of the same run replaces one.
class RunBackups {
 public:
  void Clear() { made_.clear(); }
  bool Empty() const { return made_.empty(); }
  void Add(FileKey backup, FileKey file) { made_[backup] = file; }
  // The file whose backup this is, or null when this run did not make it.
  const FileKey* FileOf(FileKey backup) const {
    const auto found = made_.find(backup);
    return found != made_.end() ? &found->second : nullptr;
  }

 private:
  std::map<FileKey, FileKey> made_;
};

}  // namespace engine
