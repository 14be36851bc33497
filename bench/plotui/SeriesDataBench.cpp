// Series data of a million points: text-file columns into the import grid and its points, the
// export lines, and one hit test of the mouse over the series.
#include "plotui/data/ExportText.h"
#include "plotui/data/ImportText.h"
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "platform/Bitmap.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr int kRows = 1000000;

class TBenchImage : public plot::TGraphImage {
public:
  TBenchImage(int width, int height) : picture_(width, height) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }

private:
  platform::TBitmap picture_;
};

void BM_ImportColumnsOfAMillionLines(benchmark::State& state)
{
  std::vector<std::string> lines;
  lines.reserve(kRows);
  for (int i = 0; i < kRows; ++i)
    lines.push_back(std::to_string(i * 0.001) + " " + std::to_string(i % 977));
  for (auto _ : state) {
    plotui::TImportGrid grid;
    grid.ReadColumns(plotui::TDelimiterTable(), lines, 1, 2);
    const plotui::TGridPoints points = plotui::ReadGridPoints(grid);
    benchmark::DoNotOptimize(points.X.size());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ImportColumnsOfAMillionLines)->Unit(benchmark::kMillisecond);

struct TMillionSeries {
  TBenchImage image{640, 480};
  plot::TGraph graph{nullptr, image, nullptr};
  plotui::TSeries series{graph, "data", plot::kStyleLine, platform::clBlue};
  TMillionSeries()
  {
    graph.ProcessMessages = [] {};
    for (int i = 0; i < kRows; ++i)
      series.AddPoint(i * 0.001, (i % 977) * 0.5, platform::clBlue, QString());
  }
};

void BM_ExportLinesOfAMillionPoints(benchmark::State& state)
{
  TMillionSeries data;
  const plotui::TExportOptions options;
  const plotui::TExportSource source{{}, {}, QStringLiteral("X"), QStringLiteral("Y")};
  for (auto _ : state) {
    QStringList lines;
    plotui::BuildExportLines({&data.series}, options, source, lines);
    benchmark::DoNotOptimize(lines.size());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ExportLinesOfAMillionPoints)->Unit(benchmark::kMillisecond);

void BM_HitTestOverAMillionPoints(benchmark::State& state)
{
  TMillionSeries data;
  data.graph.Paint();
  for (auto _ : state) {
    data.series.MouseMoveActive(0, 320, 240);
    benchmark::DoNotOptimize(data.series.HitIndex);
  }
}
BENCHMARK(BM_HitTestOverAMillionPoints)->Unit(benchmark::kMillisecond);

}  // namespace
