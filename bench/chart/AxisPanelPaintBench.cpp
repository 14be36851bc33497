// A 640 x 480 2-D chart with four axes and their grids and a 16001-point line series, drawn on an
// image, against the plot library's paint of a 16001-point line series on an image of that size.
#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"
#include "plot/graph/Graph.h"
#include "plotui/series/Series.h"

#include "platform/Bitmap.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

constexpr int kSteps = 16000;

double Curve(int i, double& x)
{
  x = -10 + 20.0 * i / kSteps;
  return std::sin(x) * x;
}

// A series drawn as a line through its points.
class TLineBenchSeries : public chart::TChartSeries {
public:
  void DrawValue(int valueIndex) override
  {
    chart::TTeeCanvas3D& canvas = ParentChart()->Canvas();
    const int x = CalcXPos(valueIndex);
    const int y = CalcYPos(valueIndex);
    if (valueIndex == FirstVisibleIndex()) {
      platform::TPen& pen = canvas.Pen();
      pen.SetColor(SeriesColor());
      pen.SetWidth(1);
      pen.SetStyle(platform::TPenStyle::psSolid);
      pen.SetMode(platform::TPenMode::pmCopy);
      canvas.MoveToPoint3D(x, y, DepthMiddle);
    } else {
      canvas.LineToPoint3D(x, y, DepthMiddle);
    }
  }
};

class TBenchAxisPanel : public chart::TCustomAxisPanel {};

void BM_AxisPanelPaintLine16001(benchmark::State& state)
{
  TBenchAxisPanel panel;
  panel.resize(640, 480);
  panel.SetView3D(false);
  TLineBenchSeries series;
  series.SetHorizAxis(chart::THorizAxis::aBothHorizAxis);
  series.SetVertAxis(chart::TVertAxis::aBothVertAxis);
  for (int i = 0; i <= kSteps; ++i) {
    double x = 0;
    const double y = Curve(i, x);
    series.AddXY(x, y);
  }
  panel.AddSeries(series);
  platform::TBitmap image(640, 480);
  panel.Canvas().SetBuffered(false);
  for (auto _ : state)
    panel.Draw(image.Canvas(), panel.GetRectangle());
  state.SetItemsProcessed(state.iterations() * (kSteps + 1));
}

class TBenchImage : public plot::TGraphImage {
public:
  TBenchImage(int width, int height) : picture_(width, height) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }

private:
  platform::TBitmap picture_;
};

void BM_PlotPaintLine16001(benchmark::State& state)
{
  TBenchImage image(640, 480);
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  auto series = std::make_unique<plotui::TSeries>(graph, "f(x)", plot::kStyleLine, platform::clRed);
  for (int i = 0; i <= kSteps; ++i) {
    double x = 0;
    const double y = Curve(i, x);
    series->AddPoint(x, y, platform::clRed, {});
  }
  graph.AddLayer(std::move(series));
  for (auto _ : state)
    graph.Paint();
  state.SetItemsProcessed(state.iterations() * (kSteps + 1));
}

BENCHMARK(BM_AxisPanelPaintLine16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotPaintLine16001)->Unit(benchmark::kMillisecond);

}  // namespace
