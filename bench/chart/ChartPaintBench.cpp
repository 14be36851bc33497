// A whole 640 x 480 chart drawn on an image: title, foot, legend, the 3-D walls, the axes with
// their grids, and one 10000-point line series; with the legend (listing every point) and without.
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "platform/Bitmap.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int kPoints = 10000;

void BM_ChartPaintLine10000(benchmark::State& state)
{
  chart::TChart chart;
  chart.resize(640, 480);
  chart.SetView3D(true);
  chart.Title().SetText({"A chart title", "over two lines"});
  chart.Foot().SetText({"foot"});
  chart::TLineSeries series;
  series.Pointer().SetVisible(false);
  for (int i = 0; i < kPoints; ++i) {
    const double x = -10 + 20.0 * i / kPoints;
    series.AddXY(x, std::sin(x) * x);
  }
  chart.AddSeries(series);
  chart.Legend().SetVisible(state.range(0) != 0);
  platform::TBitmap image(640, 480);
  chart.Canvas().SetBuffered(false);
  for (auto _ : state)
    chart.Draw(image.Canvas(), chart.GetRectangle());
  state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK(BM_ChartPaintLine10000)->ArgName("legend")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
