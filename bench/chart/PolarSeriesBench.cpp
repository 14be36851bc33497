// A polar series of 16001 points (a rose of 0..360 degrees) painted by the series itself on the
// chart canvas over a 400 x 300 image, rings, radial lines and labels included; beside it, the
// same 16001 segments drawn straight on the chart canvas as the floor to compare with.

#include "tests/chart/series/PolarChartDouble.h"

#include "chart/model/SeriesMarks.h"
#include "chart/series/PolarSeries.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kPoints = 16001;

struct TPolarPicture {
  QImage Image{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas Canvas{Image};
  chart::testing::TPolarChart Chart{Canvas};
  chart::TPolarSeries Series;

  TPolarPicture()
  {
    Series.SetParentChart(&Chart);
    Series.Marks().SetVisible(false);
    Series.Pointer().SetVisible(false);
    Series.SetCircled(true);
    Series.SetCircleLabels(true);
    for (int i = 0; i < kPoints; ++i) {
      const double degrees = 360.0 * i / (kPoints - 1);
      Series.AddPolar(degrees, 5 + 4 * std::sin(degrees * std::numbers::pi / 30));
    }
  }
};

void BM_PolarSeriesPaint16001(benchmark::State& state)
{
  TPolarPicture picture;
  for (auto _ : state) {
    picture.Image.fill(Qt::white);
    picture.Chart.BeginFlat(0, 10);
    chart::testing::TPolarChart::PaintSeries(picture.Series);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_PolarSeriesPaint16001)->Unit(benchmark::kMillisecond);

void BM_PolarLineSegments16001(benchmark::State& state)
{
  TPolarPicture picture;
  picture.Chart.BeginFlat(0, 10);
  chart::testing::TPolarChart::PaintSeries(picture.Series);
  std::vector<platform::TPoint> pixels;
  for (int i = 0; i < kPoints; ++i) pixels.push_back({picture.Series.CalcXPos(i), picture.Series.CalcYPos(i)});
  chart::TTeeCanvas3D& canvas = picture.Chart.Canvas();
  for (auto _ : state) {
    picture.Image.fill(Qt::white);
    canvas.MoveToPoint(pixels[0].X, pixels[0].Y);
    for (const platform::TPoint& p : pixels) canvas.LineToPoint(p.X, p.Y);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_PolarLineSegments16001)->Unit(benchmark::kMillisecond);

}  // namespace
