// The unit converter: the shipped table read and the window made over it, a category of 1000 units
// (10^6 factors) read, and one value converted into its 1000 rows of the window's grid.

#include "tools/units/UnitConverterWindow.h"
#include "tools/units/UnitTable.h"

#include "grid/window/Grid.h"
#include "platform/Menus.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const QString kShippedTable = QStringLiteral(VEXAL_SOURCE_DIR "data/Vexal.gun");

std::string ReadBytes(const QString& path)
{
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One category of n units, unit j worth 1.001^j of unit 0, in the editor's 24-character fields.
std::string LargeTable(int n)
{
  std::string text = "1\r\nLarge\r\n" + std::to_string(n) + "\r\n";
  for (int j = 0; j < n; ++j)
    text += "unit " + std::to_string(j + 1) + "\r\n";
  char field[32];
  for (int k = 0; k < n; ++k) {
    for (int j = 0; j < n; ++j) {
      std::snprintf(field, sizeof field, " %.14E ", std::pow(1.001, j - k));
      text += field;
    }
    text += "\r\n";
  }
  return text;
}

struct TLargeFolder {
  TLargeFolder()
  {
    const std::string bytes = LargeTable(1000);
    QFile file(folder.filePath("Vexal.gun"));
    if (file.open(QIODevice::WriteOnly))
      file.write(bytes.data(), qint64(bytes.size()));
  }
  QTemporaryDir folder;
};

void BM_ReadShippedTable(benchmark::State& state)
{
  const std::string bytes = ReadBytes(kShippedTable);
  for (auto _ : state)
    benchmark::DoNotOptimize(tools::ReadUnitTable(bytes));
}
BENCHMARK(BM_ReadShippedTable)->Unit(benchmark::kMillisecond);

// The window's creation: both tables read from the folder and the menus built.
void BM_CreateConverterOverShippedTable(benchmark::State& state)
{
  QTemporaryDir folder;
  QFile::copy(kShippedTable, folder.filePath("Vexal.gun"));
  for (auto _ : state) {
    tools::TfmConv window([] { return 12; }, folder.path() + "/");
    benchmark::DoNotOptimize(window.mmiGCat->Count());
  }
}
BENCHMARK(BM_CreateConverterOverShippedTable)->Unit(benchmark::kMillisecond);

void BM_Load1000UnitCategory(benchmark::State& state)
{
  const TLargeFolder large;
  const std::string path = large.folder.filePath("Vexal.gun").toStdString();
  for (auto _ : state)
    benchmark::DoNotOptimize(tools::LoadUnitTable(path));
}
BENCHMARK(BM_Load1000UnitCategory)->Unit(benchmark::kMillisecond);

// A value typed into row 1 of the 1000-unit category, converted into the other rows and painted.
void BM_Convert1000Rows(benchmark::State& state)
{
  const TLargeFolder large;
  tools::TfmConv window([] { return 12; }, large.folder.path() + "/");
  window.show();
  window.mmiGCat->Item(0).Click();
  QApplication::processEvents();
  int typed = 0;
  for (auto _ : state) {
    window.tsgUnit->SetCell(2, 1, std::to_string(++typed % 97 + 1));
    window.ValueEdited(1);
    QApplication::processEvents();
  }
  if (window.tsgUnit->Cell(2, 1000).AsString().empty())
    state.SkipWithError("no results written");
}
BENCHMARK(BM_Convert1000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
