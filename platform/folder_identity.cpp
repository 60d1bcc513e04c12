#include "platform/folder_identity.h"

#include <sys/stat.h>

#include "platform/ansi.h"

namespace platform {

bool GetFolderIdentity(const std::string& path, FolderIdentity& identity) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  // A "?" stands for a character the code page could not hold; such a name may
  // address another file than the one meant, as the file services refuse it too.
  const std::string os = Cp932ToUtf8(path);
  struct stat status;
  if (os.find('?') != std::string::npos || stat(os.c_str(), &status) != 0) return false;
  identity = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
  return true;
}

}  // namespace platform
