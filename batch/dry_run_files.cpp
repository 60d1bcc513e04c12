#include "batch/dry_run_files.h"

namespace batch {

std::uint32_t DryRunFiles::GetAttributes(const std::string& path) {
  return written_.contains(path) ? platform::faArchive : FileService::GetAttributes(path);
}

bool DryRunFiles::FileExists(const std::string& path) {
  return written_.contains(path) || FileService::FileExists(path);
}

bool DryRunFiles::ReadFile(const std::string& path, std::string& content) {
  if (const auto found = written_.find(path); found != written_.end()) {
    content = found->second;
    return true;
  }
  return FileService::ReadFile(path, content);
}

bool DryRunFiles::WriteFile(const std::string& path, std::string_view content) {
  written_[path] = std::string(content);
  return true;
}

}  // namespace batch
