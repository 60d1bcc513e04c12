#pragma once
// DryRunFiles: the file service of a dry run. Reading goes to the disk; every
// write (content, copy, attributes, deletion) is only recorded in memory and
// reports the success the disk would most likely give, so that the run takes
// the same course as a real one while nothing on the disk changes. Files that
// a write would create exist for the rest of the run (a second file finds the
// first one's backup); their content is kept only when written whole, a copy
// of a file on the disk reads as empty.

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/files.h"

namespace batch {

class DryRunFiles : public platform::FileService {
 public:
  std::uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool FileExists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& content) override;
  bool WriteFile(const std::string& path, std::string_view content) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;

 private:
  // Whether a new file could be made at path: its folder exists and nothing
  // but a file stands there.
  bool CanPlaceFile(const std::string& path);

  std::unordered_map<std::string, std::string> created_;
  std::unordered_set<std::string> deleted_;
};

}  // namespace batch
