#include "batch/dry_run_files.h"

#include "platform/text.h"

namespace batch {

std::uint32_t DryRunFiles::GetAttributes(const std::string& path) {
  if (deleted_.contains(path)) return platform::kInvalidAttributes;
  if (created_.contains(path)) return platform::faArchive;
  return FileService::GetAttributes(path);
}

bool DryRunFiles::SetAttributes(const std::string& path, std::uint32_t) {
  return GetAttributes(path) != platform::kInvalidAttributes;
}

bool DryRunFiles::FileExists(const std::string& path) {
  if (deleted_.contains(path)) return false;
  return created_.contains(path) || FileService::FileExists(path);
}

bool DryRunFiles::ReadFile(const std::string& path, std::string& content) {
  if (deleted_.contains(path)) return false;
  if (const auto found = created_.find(path); found != created_.end()) {
    content = found->second;
    return true;
  }
  return FileService::ReadFile(path, content);
}

bool DryRunFiles::CanPlaceFile(const std::string& path) {
  const std::uint32_t attributes = GetAttributes(path);
  if (attributes != platform::kInvalidAttributes) {
    return (attributes & (platform::faDirectory | platform::faSysFile)) == 0;
  }
  const std::string folder = platform::ExtractFilePath(path);
  return folder.empty() || DirectoryExists(folder);
}

bool DryRunFiles::WriteFile(const std::string& path, std::string_view content) {
  if (!CanPlaceFile(path)) return false;
  // A file on the disk keeps its content; only a file the run creates is remembered.
  if (!FileExists(path) || created_.contains(path)) created_[path] = std::string(content);
  deleted_.erase(path);
  return true;
}

bool DryRunFiles::CopyFile(const std::string& from, const std::string& to) {
  std::string content;
  const bool made_here = created_.contains(from);
  if (made_here) content = created_[from];
  if ((!made_here && !FileService::FileExists(from)) || deleted_.contains(from)) return false;
  if (!CanPlaceFile(to)) return false;
  const std::uint32_t target = GetAttributes(to);
  if (target != platform::kInvalidAttributes && (target & platform::faReadOnly) != 0) return false;
  if (target == platform::kInvalidAttributes || created_.contains(to)) created_[to] = content;
  deleted_.erase(to);
  return true;
}

bool DryRunFiles::DeleteFile(const std::string& path) {
  if (!FileExists(path)) return false;
  created_.erase(path);
  if (FileService::FileExists(path)) deleted_.insert(path);
  return true;
}

}  // namespace batch
