#include "filelist/list_rules.h"

#include "platform/text.h"

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string_view::npos ? path : path.substr(dot + 1);
}

bool ExtensionInList(std::string_view extension, std::string_view list) {
  // The pieces of platform::SplitCommaList, walked in place: the list is read
  // once per offered file.
  std::string_view rest = list;
  for (;;) {
    const std::size_t comma = rest.find(',');
    if (platform::AnsiSameText(rest.substr(0, comma), extension)) return true;
    if (comma == std::string_view::npos) return false;
    rest.remove_prefix(comma + 1);
    if (rest.empty()) return false;
  }
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
