// Painting a graph with one line-and-point series of 16001 points (a marker on every 800th), and
// the same series as a line alone and as an area, on an image of a plot window's size.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "platform/Bitmap.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

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

void PaintSeries(benchmark::State& state, plot::TSeriesStyle style)
{
  TBenchImage image(640, 480);
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  constexpr int kSteps = 16000;
  auto series = std::make_unique<plotui::TSeries>(graph, "f(x)", style, platform::clRed);
  series->SetMarkerStyle(3);
  series->MarkerInterval = kSteps / 20;
  for (int i = 0; i <= kSteps; ++i) {
    const double x = -10 + 20.0 * i / kSteps;
    series->AddPoint(x, std::sin(x) * x, platform::clRed, {});
  }
  graph.AddLayer(std::move(series));
  for (auto _ : state)
    graph.Paint();
  state.SetItemsProcessed(state.iterations() * (kSteps + 1));
}

void BM_PaintLineAndPointSeries16001(benchmark::State& state) { PaintSeries(state, plot::kStyleLineAndPoint); }
void BM_PaintLineSeries16001(benchmark::State& state) { PaintSeries(state, plot::kStyleLine); }
void BM_PaintAreaSeries16001(benchmark::State& state) { PaintSeries(state, plot::kStyleArea); }

BENCHMARK(BM_PaintLineAndPointSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLineSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintAreaSeries16001)->Unit(benchmark::kMillisecond);

}  // namespace
