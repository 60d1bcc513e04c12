#include "settings/extension_list.h"

std::vector<std::string> SplitExtensionList(std::string_view list) {
  std::vector<std::string> pieces;
  for (std::size_t comma = list.find(','); comma != std::string_view::npos;
       comma = list.find(',')) {
    pieces.emplace_back(list.substr(0, comma));
    list.remove_prefix(comma + 1);
  }
  pieces.emplace_back(list);
  return pieces;
}

std::string JoinExtensionList(const std::vector<std::string>& items) {
  std::string list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += ',';
    list += items[i];
  }
  return list;
}
