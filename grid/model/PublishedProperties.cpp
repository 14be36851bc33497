#include "grid/model/PublishedProperties.h"

namespace grid {

std::vector<std::string> SplitPropertyNames(std::string_view names)
{
  std::vector<std::string> list;
  while (!names.empty()) {
    const std::size_t end = names.find(';');
    std::string_view name = names.substr(0, end);
    names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos)
      continue;
    name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    list.emplace_back(name);
  }
  return list;
}

}  // namespace grid
