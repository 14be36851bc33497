#pragma once
// Which folder may include which: the table of docs/ARCHITECTURE.md checked against the sources.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace fence {

struct LayerTable {
  std::map<std::string, std::set<std::string>> mayUse;  // folder -> folders it may include
  std::set<std::string> mayUseQt;                      // folders that may include Qt headers
  std::vector<std::string> widgetFreePaths;            // path prefixes kept free of Qt Widgets
};

// Reads the folder table ("| `folder/` | library | what | may use |") and the "- Model code" rule line.
LayerTable ParseLayerTable(std::string_view markdown);

struct Include {
  std::string name;
  bool angled = false;
  int line = 0;
};
std::vector<Include> ReadIncludes(std::string_view text);

// Source path relative to the root ("plot/axes/Axis.cpp") -> its text.
using SourceTree = std::map<std::string, std::string>;

struct FenceInput {
  const LayerTable& table;
  const SourceTree& sources;
  const std::set<std::string>& widgetHeaders;  // names of the Qt Widgets module's headers
};

// One line per include that breaks the table, naming the file, the line and the include.
std::vector<std::string> FolderViolations(const FenceInput& input);
// One line per widget-free file that reaches a Qt Widgets header, with the chain of includes.
std::vector<std::string> WidgetViolations(const FenceInput& input);
// One line per library whose CMake declares a dependency the table does not allow.
std::vector<std::string> DependsViolations(const LayerTable& table, const std::map<std::string, std::string>& cmakeByFolder);

}  // namespace fence
