#include "LayerFence.h"

#include <functional>
#include <regex>
#include <sstream>

namespace fence {
namespace {

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string> SplitCells(std::string_view row) {
  std::vector<std::string> cells;
  std::string cell;
  for (char c : row.substr(1)) {
    if (c != '|') {
      cell += c;
      continue;
    }
    cells.push_back(Trim(cell));
    cell.clear();
  }
  return cells;
}

std::vector<std::string> BacktickedWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while ((at = text.find('`', at)) != std::string_view::npos) {
    const auto end = text.find('`', at + 1);
    if (end == std::string_view::npos) break;
    words.emplace_back(text.substr(at + 1, end - at - 1));
    at = end + 1;
  }
  return words;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      word += c;
      continue;
    }
    if (!word.empty()) words.push_back(word);
    word.clear();
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::string TopFolder(const std::string& path) {
  const auto slash = path.find('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsQtHeader(const Include& include) {
  return include.angled && !include.name.empty() && include.name[0] == 'Q';
}

bool IsWidgetHeader(const Include& include, const std::set<std::string>& widgetHeaders) {
  if (!include.angled) return false;
  if (include.name.rfind("QtWidgets/", 0) == 0) return true;
  return widgetHeaders.count(include.name) > 0;
}

bool IsWidgetFree(const LayerTable& table, const std::string& path) {
  for (const auto& prefix : table.widgetFreePaths)
    if (path.rfind(prefix, 0) == 0) return true;
  return false;
}

}  // namespace

LayerTable ParseLayerTable(std::string_view markdown) {
  LayerTable table;
  std::vector<std::pair<std::string, std::string>> rows;
  std::istringstream lines{std::string(markdown)};
  bool inModelRule = false;  // the rule's bullet goes on over indented lines
  for (std::string line; std::getline(lines, line);) {
    inModelRule = line.rfind("- Model code", 0) == 0 || (inModelRule && line.rfind("  ", 0) == 0);
    if (inModelRule) {
      for (auto& path : BacktickedWords(line)) table.widgetFreePaths.push_back(path);
      continue;
    }
    if (line.rfind("| `", 0) == 0) {
      const auto cells = SplitCells(line);
      const auto folder = BacktickedWords(cells.empty() ? "" : cells[0]);
      if (cells.size() < 4 || folder.size() != 1 || folder[0].empty() || folder[0].back() != '/') continue;
      rows.emplace_back(folder[0].substr(0, folder[0].size() - 1), cells[3]);
    }
  }
  std::set<std::string> folders;
  for (const auto& row : rows) folders.insert(row.first);
  for (const auto& [folder, cell] : rows) {
    auto& uses = table.mayUse[folder];
    for (const auto& word : Words(cell)) {
      if (folders.count(word) && word != folder) uses.insert(word);
      if (word == "Qt" || word == "platform") table.mayUseQt.insert(folder);
    }
  }
  return table;
}

std::vector<Include> ReadIncludes(std::string_view text) {
  static const std::regex pattern(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<Include> includes;
  std::istringstream lines{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    std::smatch match;
    if (!std::regex_search(line, match, pattern)) continue;
    includes.push_back({match[2].str(), match[1].str() == "<", number});
  }
  return includes;
}

std::vector<std::string> FolderViolations(const FenceInput& input) {
  std::vector<std::string> found;
  for (const auto& [path, text] : input.sources) {
    const auto folder = TopFolder(path);
    const auto rule = input.table.mayUse.find(folder);
    if (rule == input.table.mayUse.end()) continue;
    for (const auto& include : ReadIncludes(text)) {
      const auto where = path + ":" + std::to_string(include.line) + ": " + include.name;
      if (IsQtHeader(include) && !input.table.mayUseQt.count(folder)) {
        found.push_back(where + " (" + folder + " may not use Qt)");
        continue;
      }
      if (include.angled) continue;
      const auto target = TopFolder(include.name);
      if (target == folder || rule->second.count(target)) continue;
      found.push_back(where + " (" + folder + " may not use " + (target.empty() ? include.name : target) + ")");
    }
  }
  return found;
}

std::vector<std::string> WidgetViolations(const FenceInput& input) {
  std::vector<std::string> found;
  // A file's first chain of includes to a widget header; "" when it reaches none.
  std::map<std::string, std::string> chainOf;
  std::function<std::string(const std::string&)> chainFrom = [&](const std::string& path) -> std::string {
    if (auto known = chainOf.find(path); known != chainOf.end()) return known->second;
    chainOf[path] = "";  // a cycle reaches nothing new
    const auto source = input.sources.find(path);
    if (source == input.sources.end()) return "";
    for (const auto& include : ReadIncludes(source->second)) {
      if (IsWidgetHeader(include, input.widgetHeaders)) return chainOf[path] = path + " -> <" + include.name + ">";
      if (include.angled) continue;
      if (auto rest = chainFrom(include.name); !rest.empty()) return chainOf[path] = path + " -> " + rest;
    }
    return "";
  };
  for (const auto& entry : input.sources) {
    if (!IsWidgetFree(input.table, entry.first)) continue;
    if (auto chain = chainFrom(entry.first); !chain.empty()) found.push_back(chain);
  }
  return found;
}

std::vector<std::string> DependsViolations(const LayerTable& table, const std::map<std::string, std::string>& cmakeByFolder) {
  static const std::regex library(R"(vexal_library\(\s*(\w+)([^)]*)\))");
  std::vector<std::string> found;
  for (const auto& [folder, cmake] : cmakeByFolder) {
    std::smatch match;
    if (!std::regex_search(cmake, match, library)) continue;
    const auto rule = table.mayUse.find(folder);
    for (const auto& word : Words(match[2].str())) {
      if (!table.mayUse.count(word) || word == folder) continue;
      if (rule != table.mayUse.end() && rule->second.count(word)) continue;
      found.push_back(folder + "/CMakeLists.txt declares " + word);
    }
  }
  return found;
}

}  // namespace fence
