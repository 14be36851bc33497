#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/series/BarSeries.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/HorizBarSeries.h"
#include "platform/CanvasImage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <utility>

namespace chart {
namespace {

using platform::clRed;
using platform::clWhite;
using testing::TLineTestChart;

// The chart's canvas drawing on a white image of the plot's size (400 x 300; bottom axis 0..10,
// left axis 0..100).
struct BarImageTest : ::testing::Test {
  QImage Image{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas Target{Image};
  TLineTestChart Chart;

  BarImageTest()
  {
    Image.fill(Qt::white);
    Chart.Canvas().SetTargetCanvas(Target);
  }
  void Paint(TChartSeries& series, bool is3D = false)
  {
    Chart.Is3D = is3D;
    Chart.SliceWidth = Chart.SliceHeight = is3D ? 20 : 0;
    series.DepthStart = is3D ? 10 : 0;
    series.DepthMiddle = is3D ? 20 : 0;
    series.DepthEnd = is3D ? 30 : 0;
    Chart.Canvas().BeginDrawing(Target, &Chart.View, clWhite, is3D, Chart.Plot);
    Chart.Canvas().SetProjection(is3D ? 100 : 0, Chart.Plot, Chart.Plot);
    series.CalcVisibleRange();
    series.DrawAllValues();
  }
  platform::TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
};

// Bars of 40 pixels at x 2 and 6 (pixels 80 and 240), values 50 and 80 (pixels 150 and 60).
void AddTwo(TCustomBarSeries& s)
{
  s.SetSeriesColor(clRed);
  s.BarPen().SetVisible(false);
  s.AddXY(2, 50);
  s.AddXY(6, 80);
}

TEST_F(BarImageTest, FlatBarsFillFromTheAxisToTheirValues)
{
  TBarSeries s;
  Chart.InsertSeries(s);
  s.SetCustomBarWidth(40);
  AddTwo(s);
  Paint(s);
  for (auto [x, y] : {std::pair{62, 160}, {98, 298}, {230, 70}}) EXPECT_EQ(At(x, y), clRed) << x << "," << y;
  for (auto [x, y] : {std::pair{80, 140}, {55, 200}, {105, 200}, {240, 50}}) EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
}

TEST_F(BarImageTest, GradientRisesFromWhiteAtTheOriginToTheColour)
{
  TBarSeries s;
  Chart.InsertSeries(s);
  s.SetCustomBarWidth(40);
  s.SetBarStyle(TBarStyle::bsRectGradient);
  AddTwo(s);
  Paint(s);
  const QColor top(Image.pixel(80, 152));
  const QColor bottom(Image.pixel(80, 297));
  EXPECT_LT(top.green(), 20);
  EXPECT_GT(top.red(), 240);
  EXPECT_GT(bottom.green(), 230);
}

TEST_F(BarImageTest, BoxesIn3DShowAFrontAndADarkerSide)
{
  TBarSeries s;
  Chart.InsertSeries(s);
  s.SetCustomBarWidth(40);
  AddTwo(s);
  Paint(s, true);
  // The front face at depth 10 and the right side reaching back to depth 30.
  int front = 0, darker = 0;
  for (int x = 40; x < 140; ++x)
    for (int y = 100; y < 300; ++y) {
      const QColor c(Image.pixel(x, y));
      if (c == QColor(Qt::red)) ++front;
      else if (c.red() > 60 && c.red() < 250 && c.green() < 10) ++darker;
    }
  EXPECT_GT(front, 30 * 130);
  EXPECT_GT(darker, 100);
}

TEST_F(BarImageTest, HorizontalBarsIn3DAndFlat)
{
  THorizBarSeries s;
  Chart.InsertSeries(s);
  Chart.SetAxisRange(Chart.Left, 0, 10);
  Chart.SetAxisRange(Chart.Bottom, 0, 100);
  s.SetCustomBarHeight(30);
  s.SetSeriesColor(clRed);
  s.BarPen().SetVisible(false);
  s.AddXY(50, 2);  // from x 0 to 200 at y 240
  s.AddXY(80, 6);  // to x 320 at y 120
  Paint(s);
  for (auto [x, y] : {std::pair{10, 245}, {195, 235}, {300, 125}}) EXPECT_EQ(At(x, y), clRed) << x << "," << y;
  for (auto [x, y] : {std::pair{210, 245}, {100, 200}, {330, 125}}) EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
  Image.fill(Qt::white);
  Paint(s, true);
  EXPECT_NE(At(100, 240), clWhite);
}

TEST_F(BarImageTest, FastLineFlatAndIn3D)
{
  TFastLineSeries s;
  Chart.InsertSeries(s);
  s.SetSeriesColor(clRed);
  for (int i = 0; i <= 10; ++i) s.AddXY(i, (i % 2) * 50 + 20);
  Paint(s);
  EXPECT_EQ(At(20, 165), clRed);  // half way from (0, 240) to (40, 90)
  EXPECT_EQ(At(20, 120), clWhite);
  Image.fill(Qt::white);
  Paint(s, true);
  int red = 0;
  for (int x = 0; x < 400; ++x)
    for (int y = 0; y < 300; ++y) red += At(x, y) == clRed;
  EXPECT_GT(red, 400);
}

}  // namespace
}  // namespace chart
