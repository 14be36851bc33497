// A pie of 1000 slices painted by the series on a 640 x 480 image, flat and in 3-D with one slice
// exploded (the back-to-front order), marks hidden; and the 3-D paint of 4000 slices, to show the
// time grows with the count and not its square.

#include "tests/chart/series/PolarChartDouble.h"

#include "chart/model/SeriesMarks.h"
#include "chart/series/PieSeries.h"

#include <benchmark/benchmark.h>

namespace {

struct TPiePicture {
  QImage Image{640, 480, QImage::Format_RGB32};
  platform::TImageCanvas Canvas{Image};
  chart::testing::TPolarChart Chart{Canvas};
  chart::TPieSeries Series;

  TPiePicture(int slices, bool is3D)
  {
    Chart.Plot = {0, 0, 640, 480};
    Series.SetParentChart(&Chart);
    Series.Marks().SetVisible(false);
    for (int i = 0; i < slices; ++i) Series.Add(1 + (i * 37) % 101);
    Chart.Is3D = is3D;
    Series.DepthStart = 0;
    Series.DepthEnd = is3D ? 40 : 0;
    if (is3D) Series.SetExplodeBiggest(20);
  }
  void Paint()
  {
    Image.fill(Qt::white);
    Chart.Begin(0, 360, 0, 10, 0, 1, Chart.Is3D);
    chart::testing::TPolarChart::PaintSeries(Series);
  }
};

void PaintPie(benchmark::State& state, bool is3D)
{
  const int slices = int(state.range(0));
  TPiePicture picture(slices, is3D);
  for (auto _ : state) picture.Paint();
  state.SetItemsProcessed(state.iterations() * slices);
}

void BM_PieSeriesPaintFlat(benchmark::State& state) { PaintPie(state, false); }
BENCHMARK(BM_PieSeriesPaintFlat)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_PieSeriesPaint3DExploded(benchmark::State& state) { PaintPie(state, true); }
BENCHMARK(BM_PieSeriesPaint3DExploded)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
