// A 500 x 500 surface series (249001 cells, colour range, outlined) painted by the series itself on
// the chart canvas over a 400 x 300 image, rotated with perspective: its preparation (grid index),
// pixels, colours and quads. Compare with the plain span fill of SurfaceQuadsBench.

#include "tests/chart/series/GridChartDouble.h"

#include "chart/series/SurfaceSeries.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SurfaceSeriesPaint500(benchmark::State& state)
{
  chart::testing::TImageGridChart picture;
  chart::TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  series.FillSampleValues(500);
  picture.Chart.View.SetOrthogonal(false);
  picture.Chart.View.SetZoom(90);
  picture.Chart.View.SetRotation(335);
  picture.Chart.View.SetElevation(340);
  picture.Chart.View.SetPerspective(15);
  picture.Chart.DepthPixels = 300;
  for (auto _ : state) {
    picture.Image.fill(Qt::white);
    picture.Chart.Begin(1, 500, series.YValues().MinValue(), series.YValues().MaxValue(), 1, 500);
    chart::testing::TGridChart::Paint(series);
  }
  state.SetItemsProcessed(state.iterations() * 499 * 499);
}
BENCHMARK(BM_SurfaceSeriesPaint500)->Unit(benchmark::kMillisecond);

}  // namespace
