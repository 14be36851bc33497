// Filling an f(x) series: 100000 points added one by one to a new series, as the function plot
// adds its samples.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "platform/Bitmap.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

class TBenchImage : public plot::TGraphImage {
public:
  TBenchImage(int width, int height) : picture_(width, height) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }

private:
  platform::TBitmap picture_;
};

void BM_AddPoints100000(benchmark::State& state)
{
  constexpr int kPoints = 100000;
  TBenchImage image(640, 480);
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  for (auto _ : state) {
    plotui::TSeries series(graph, "f(x)", plot::kStyleLineAndPoint, platform::clBlue);
    series.SetMarkerStyle(3);
    for (int i = 0; i < kPoints; ++i) {
      const double x = -10 + 20.0 * i / kPoints;
      series.AddPoint(x, std::sin(x) * x, platform::clBlue, QString());
    }
    benchmark::DoNotOptimize(series.GetCount());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_AddPoints100000)->Unit(benchmark::kMillisecond);

}  // namespace
