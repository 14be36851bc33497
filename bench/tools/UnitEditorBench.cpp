// The unit-table editor on a category of 300 units (90000 factors): the factor grid filled when the
// editor opens, and the whole table saved with the converter reading it again.

#include "tools/units/UnitConverterWindow.h"
#include "tools/units/UnitEditorWindow.h"
#include "tools/units/UnitTableWriter.h"

#include "grid/window/Grid.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

constexpr int kUnits = 300;

struct TEditorOver300Units {
  TEditorOver300Units()
  {
    tools::TUnitTable table;
    tools::TUnitCategory category{"Large", {}, {}};
    for (int j = 0; j < kUnits; ++j)
      category.Units.push_back("unit " + std::to_string(j + 1));
    category.Factors.assign(kUnits, std::vector<double>(kUnits, 0.0));
    for (int j = 0; j < kUnits; ++j)
      for (int k = 0; k < kUnits; ++k)
        category.Factors[j][k] = std::pow(1.001, j - k);
    table.Categories.push_back(category);
    const std::string bytes = tools::WriteUnitTable(table);
    QFile file(folder.filePath("Vexal.unt"));
    if (file.open(QIODevice::WriteOnly))
      file.write(bytes.data(), qint64(bytes.size()));
    converter = std::make_unique<tools::TfmConv>([] { return 12; }, folder.path() + "/");
  }
  QTemporaryDir folder;
  std::unique_ptr<tools::TfmConv> converter;
};

void BM_Open300UnitCategory(benchmark::State& state)
{
  TEditorOver300Units editor;
  for (auto _ : state) {
    editor.converter->UnitEditor().Open(tools::TUnitSet::Custom);
    QApplication::processEvents();
  }
  if (editor.converter->UnitEditor().tsgCoef->Cols() != kUnits + 1)
    state.SkipWithError("the factor grid was not filled");
}
BENCHMARK(BM_Open300UnitCategory)->Unit(benchmark::kMillisecond);

void BM_Save300UnitCategoryAndReload(benchmark::State& state)
{
  TEditorOver300Units editor;
  editor.converter->UnitEditor().Open(tools::TUnitSet::Custom);
  for (auto _ : state)
    editor.converter->UnitEditor().SaveAndReload();
  if (editor.converter->Converter().Custom.Categories.size() != 1)
    state.SkipWithError("the table was not read again");
}
BENCHMARK(BM_Save300UnitCategoryAndReload)->Unit(benchmark::kMillisecond);

}  // namespace
