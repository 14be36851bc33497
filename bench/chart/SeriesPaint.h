#pragma once
// One series kind of 16001 points painted flat or in 3-D on an image of a plot window's size, to set
// beside the plot library's paints of the same curve.

#include "tests/chart/model/ChartDouble.h"

#include "platform/CanvasImage.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>

namespace chart_bench {

class TSeriesBenchChart : public chart::testing::TTestChart {
public:
  int SeriesWidth3D() const override { return Is3D ? 30 : 0; }
  int SeriesHeight3D() const override { return Is3D ? 30 : 0; }
};

template <class Series>
inline void PaintSeries(benchmark::State& state, bool is3D)
{
  constexpr int kSteps = 16000;
  QImage image(640, 480, QImage::Format_RGB32);
  platform::TImageCanvas target(image);
  Series series;
  TSeriesBenchChart chart;
  chart.Plot = {0, 0, 640, 480};
  chart.Canvas().SetTargetCanvas(target);
  chart.InsertSeries(series);
  series.SetSeriesColor(platform::clRed);
  for (int i = 0; i <= kSteps; ++i) {
    const double x = -10 + 20.0 * i / kSteps;
    series.AddXY(x, std::sin(x) * x);
  }
  chart.SetAxisRange(chart.Bottom, -10, 10);
  chart.SetAxisRange(chart.Left, -6, 9);
  chart.Is3D = is3D;
  series.DepthStart = 0;
  series.DepthMiddle = chart.SeriesWidth3D() / 2;
  series.DepthEnd = chart.SeriesWidth3D();
  for (auto _ : state) {
    image.fill(Qt::white);
    chart.Canvas().BeginDrawing(target, &chart.View, platform::clWhite, is3D, chart.Plot);
    chart.Canvas().SetProjection(is3D ? 60 : 0, chart.Plot, chart.Plot);
    series.CalcVisibleRange();
    series.DrawAllValues();
  }
  state.SetItemsProcessed(state.iterations() * (kSteps + 1));
}

}  // namespace chart_bench
