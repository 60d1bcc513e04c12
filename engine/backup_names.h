#pragma once
// The names of a file's backup and of the temporary copy a backup is taken from.

#include <functional>
#include <string>

#include "platform/clock.h"

namespace engine {

// With place 0 the file's own path with ".bak" appended; otherwise folder, the
// file's name and ".bak". The extension is never replaced.
std::string BackupFileName(const std::string& path, int place, const std::string& folder);

// exe_dir + "PFTMP" + the date-time number; when that name is taken (another
// instance at work in the same folder), the first free name with "_2", "_3", …
// appended instead.
std::string FreeTemporaryCopyName(const std::string& exe_dir, platform::TDateTime now,
                                  const std::function<bool(const std::string&)>& taken);

}  // namespace engine
