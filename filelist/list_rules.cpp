#include "filelist/list_rules.h"

#include "platform/text.h"

std::string ExtensionOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return std::string(dot == std::string_view::npos ? path : path.substr(dot + 1));
}

bool ExtensionInList(std::string_view extension, std::string_view list) {
  for (const std::string& item : platform::SplitCommaList(list)) {
    if (platform::AnsiSameText(item, extension)) return true;
  }
  return false;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != platform::kPathDelim) path += platform::kPathDelim;
  path += name;
  return path;
}

bool IsGuardedFolder(std::string_view folder, std::string_view windows_folder,
                     std::string_view system_folder) {
  return folder == windows_folder || folder == system_folder || folder.size() < 3;
}
