#pragma once
// DryRunFiles: the file service of a dry run and of starting without --log.
// Reading goes to the disk. A whole-file write (the empty log file that showing
// the window creates when there is none) is kept in memory and reads back for
// the rest of the run; every other change of the disk is refused.

#include <string>
#include <unordered_map>

#include "platform/files.h"

namespace batch {

class DryRunFiles : public platform::FileService {
 public:
  std::uint32_t GetAttributes(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& content) override;
  bool WriteFile(const std::string& path, std::string_view content) override;

  bool SetAttributes(const std::string&, std::uint32_t) override { return false; }
  bool CopyFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }
  bool LinkFile(const std::string&, const std::string&) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return false; }
  bool RemoveFile(const std::string&) override { return false; }
  bool WriteNewFile(const std::string&, std::span<const std::string_view>, std::string_view, mode_t,
                    uid_t, gid_t) override {
    return false;
  }
  bool OverwriteFile(const std::string&, std::span<const std::string_view>,
                     std::string_view) override {
    return false;
  }
  bool CopyExtendedAttributes(const std::string&, const std::string&, std::uint32_t) override {
    return false;
  }

 private:
  std::unordered_map<std::string, std::string> written_;
};

}  // namespace batch
