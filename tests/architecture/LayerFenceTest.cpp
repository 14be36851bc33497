#include "LayerFence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using fence::FenceInput;
using fence::LayerTable;
using fence::SourceTree;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

LayerTable DocumentTable() { return fence::ParseLayerTable(ReadAll(fs::path(VEXAL_SOURCE_DIR) / "docs/ARCHITECTURE.md")); }

SourceTree ProjectSources(const LayerTable& table) {
  SourceTree sources;
  const fs::path root(VEXAL_SOURCE_DIR);
  for (const auto& entry : table.mayUse) {
    if (!fs::is_directory(root / entry.first)) continue;
    for (const auto& file : fs::recursive_directory_iterator(root / entry.first)) {
      const auto extension = file.path().extension();
      if (extension != ".h" && extension != ".cpp") continue;
      sources[fs::relative(file.path(), root).generic_string()] = ReadAll(file.path());
    }
  }
  return sources;
}

std::set<std::string> WidgetHeaders() {
  std::set<std::string> names;
  for (const auto& file : fs::directory_iterator(VEXAL_QT_WIDGETS_DIR)) names.insert(file.path().filename().string());
  return names;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

const char* const kSmallDocument = R"(# Architecture
| folder | library | what it is | may use |
|---|---|---|---|
| `platform/` | platform | layer | Qt 6 |
| `engine/` | engine | engine | nothing (the C++ standard library only) |
| `plot/` | plot | plot engine | platform |
| `plotui/` | plotui | component | plot, platform |
| `app/` | app | main window | platform, engine, plot, plotui |

- Model code without Qt Widgets, even through the headers it includes: `engine/`,
  `plot/axes/`.
- Errors are data.
)";

TEST(LayerFenceTest, TheDocumentTableReadsAsTheLayersOfTheProgram) {
  const auto table = DocumentTable();
  ASSERT_GE(table.mayUse.size(), 9u);
  EXPECT_TRUE(table.mayUse.at("engine").empty());
  EXPECT_FALSE(table.mayUseQt.count("engine"));
  EXPECT_EQ(table.mayUse.at("plotui"), (std::set<std::string>{"plot", "platform"}));
  EXPECT_TRUE(table.mayUse.at("app").count("tools"));
  EXPECT_FALSE(table.mayUse.at("tools").count("app"));
  EXPECT_TRUE(table.mayUseQt.count("platform"));
  EXPECT_TRUE(std::count(table.widgetFreePaths.begin(), table.widgetFreePaths.end(), "plot/contour/"));
}

struct PlantedCase {
  const char* what;
  SourceTree sources;
  const char* violation;  // "" when the tree keeps the fence
};

TEST(LayerFenceTest, PlantedIncludesAreCaughtByTheirFolderAndLine) {
  const auto table = fence::ParseLayerTable(kSmallDocument);
  const std::set<std::string> widgets{"QWidget", "QLabel"};
  const PlantedCase cases[] = {
      {"engine on platform", {{"engine/A.cpp", "#include \"engine/A.h\"\n#include \"platform/Canvas.h\"\n"}},
       "engine/A.cpp:2: platform/Canvas.h (engine may not use platform)"},
      {"engine on Qt", {{"engine/A.cpp", "#include <cmath>\n#include <QString>\n"}}, "engine/A.cpp:2: QString (engine may not use Qt)"},
      {"plot up to plotui", {{"plot/B.h", "  #  include \"plotui/Plot.h\"\n"}}, "plot/B.h:1: plotui/Plot.h (plot may not use plotui)"},
      {"plot up to the tests", {{"plot/B.h", "#include \"tests/support/KeyInput.h\"\n"}}, "plot/B.h:1: tests/support/KeyInput.h (plot may not use tests)"},
      {"plotui down to plot", {{"plotui/C.cpp", "#include \"plot/graph/Graph.h\"\n#include <QWidget>\n"}}, ""},
      {"app on everything", {{"app/D.cpp", "#include \"plotui/Plot.h\"\n#include \"engine/Engine.h\"\n"}}, ""},
      {"model file through a header to widgets",
       {{"plot/axes/Axis.cpp", "#include \"plot/graph/Layer.h\"\n"},
        {"plot/graph/Layer.h", "#include <QString>\n#include \"platform/CustomControl.h\"\n"},
        {"platform/CustomControl.h", "#include <QLabel>\n"}},
       "plot/axes/Axis.cpp -> plot/graph/Layer.h -> platform/CustomControl.h -> <QLabel>"},
      {"model file on the module path", {{"plot/axes/Axis.cpp", "#include <QtWidgets/QLabel>\n"}}, "plot/axes/Axis.cpp -> <QtWidgets/QLabel>"},
      {"model file on Qt Core only", {{"plot/axes/Axis.cpp", "#include <QString>\n#include \"plot/axes/Axis.h\"\n"}, {"plot/axes/Axis.h", "#include \"plot/axes/Axis.cpp\"\n"}}, ""},
      {"window file of the same folder on widgets", {{"plot/graph/Graph.cpp", "#include <QWidget>\n"}}, ""},
  };
  for (const auto& planted : cases) {
    const FenceInput input{table, planted.sources, widgets};
    auto found = fence::FolderViolations(input);
    const auto widgetFound = fence::WidgetViolations(input);
    found.insert(found.end(), widgetFound.begin(), widgetFound.end());
    if (*planted.violation == '\0') {
      EXPECT_TRUE(found.empty()) << planted.what << ":\n" << Joined(found);
      continue;
    }
    ASSERT_EQ(found.size(), 1u) << planted.what << ":\n" << Joined(found);
    EXPECT_EQ(found[0], planted.violation) << planted.what;
  }
}

TEST(LayerFenceTest, ALibraryDeclaringALayerAboveItIsCaught) {
  const auto table = fence::ParseLayerTable(kSmallDocument);
  const std::map<std::string, std::string> cmake{{"plot", "vexal_library(plot DEPENDS platform plotui)\n"},
                                                 {"plotui", "vexal_library(plotui QT DEPENDS plot platform)\n"}};
  EXPECT_EQ(fence::DependsViolations(table, cmake), std::vector<std::string>{"plot/CMakeLists.txt declares plotui"});
}

TEST(LayerFenceTest, TheSourceTreeKeepsTheTable) {
  const auto table = DocumentTable();
  const auto sources = ProjectSources(table);
  ASSERT_GT(sources.size(), 500u);
  const auto widgets = WidgetHeaders();
  ASSERT_TRUE(widgets.count("QWidget"));
  const FenceInput input{table, sources, widgets};
  EXPECT_EQ(Joined(fence::FolderViolations(input)), "");
  EXPECT_EQ(Joined(fence::WidgetViolations(input)), "");

  std::map<std::string, std::string> cmake;
  for (const auto& entry : table.mayUse) {
    const auto file = fs::path(VEXAL_SOURCE_DIR) / entry.first / "CMakeLists.txt";
    if (fs::exists(file)) cmake[entry.first] = ReadAll(file);
  }
  EXPECT_EQ(Joined(fence::DependsViolations(table, cmake)), "");
}

}  // namespace
