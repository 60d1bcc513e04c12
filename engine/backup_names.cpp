#include "engine/backup_names.h"

#include "platform/text.h"

namespace engine {

std::string BackupFileName(const std::string& path, int place, const std::string& folder) {
  if (place == 0) return path + ".bak";
  return folder + platform::ExtractFileName(path) + ".bak";
}

std::string FreeTemporaryCopyName(const std::string& exe_dir, platform::TDateTime now,
                                  const std::function<bool(const std::string&)>& taken) {
  const std::string base = exe_dir + "PFTMP" + platform::FloatToStr(now);
  std::string name = base;
  for (int suffix = 2; taken(name); ++suffix) name = base + "_" + platform::IntToStr(suffix);
  return name;
}

}  // namespace engine
