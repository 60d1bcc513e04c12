#include "engine/backup_names.h"

#include "platform/text.h"

namespace engine {

std::string BackupFileName(const std::string& path, int place, const std::string& folder) {
  if (place == 0) return path + ".bak";
  return folder + platform::ExtractFileName(path) + ".bak";
}

FileKey KeyOf(const platform::FileIdentity& identity) {
  return {identity.device, identity.inode};
}

}  // namespace engine
