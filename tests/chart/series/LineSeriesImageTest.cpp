#include "tests/chart/series/LineChart.h"

#include "chart/series/AreaSeries.h"
#include "chart/series/LineSeries.h"
#include "platform/CanvasImage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <utility>

namespace chart {
namespace {

using platform::clRed;
using platform::clWhite;
using testing::TLineTestChart;

// The chart's canvas drawing on a white image of the plot's size.
struct LineImageTest : ::testing::Test {
  QImage Image{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas Target{Image};
  TLineTestChart Chart;

  LineImageTest()
  {
    Image.fill(Qt::white);
    Chart.Canvas().SetTargetCanvas(Target);
  }
  void Paint(TChartSeries& series, bool is3D = false)
  {
    Chart.Canvas().BeginDrawing(Target, &Chart.View, clWhite, is3D, Chart.Plot);
    Chart.Canvas().SetProjection(is3D ? 100 : 0, Chart.Plot, Chart.Plot);
    series.CalcVisibleRange();
    series.DrawAllValues();
  }
  platform::TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
};

// The middle point lies at pixel 39900, far below the picture: the canvas cuts both segments.
TEST_F(LineImageTest, SegmentsTowardAFarPointReachTheEdge)
{
  TLineSeries line;
  Chart.InsertSeries(line);
  line.SetSeriesColor(clRed);
  line.AddXY(1, 10);
  line.AddXY(2, -13200);
  line.AddXY(3, 20);
  Paint(line);
  for (int y : {275, 290, 299}) {
    EXPECT_EQ(At(40, y), clRed) << y;
    EXPECT_EQ(At(120, y), clRed) << y;
  }
  EXPECT_EQ(At(80, 255), clWhite);  // nothing joins the neighbours
}

// Two 100 % stacked areas of all zeros lie on the axis at the bottom, not along the top.
TEST_F(LineImageTest, ZeroTotalStackLiesOnTheAxis)
{
  TAreaSeries a, b;
  Chart.InsertSeries(a);
  Chart.InsertSeries(b);
  for (TAreaSeries* s : {&a, &b})
    for (double x : {1.0, 2.0, 3.0}) s->AddXY(x, 0);
  a.SetMultiArea(TMultiArea::maStacked100);
  Paint(a);
  Paint(b);
  for (int x = 0; x < 400; x += 10) EXPECT_EQ(At(x, 0), clWhite) << x;
}

TEST_F(LineImageTest, AreaFillsBelowItsLineOnly)
{
  TAreaSeries area;
  Chart.InsertSeries(area);
  area.SetSeriesColor(clRed);
  area.AddXY(1, 10);
  area.AddXY(2, 50);
  area.AddXY(3, 20);
  Paint(area);
  for (auto [x, y] : {std::pair{60, 280}, {85, 200}, {110, 280}}) EXPECT_EQ(At(x, y), clRed) << x << "," << y;
  for (auto [x, y] : {std::pair{60, 200}, {80, 140}, {30, 290}, {130, 290}}) EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
}

// In 3-D the rising ribbon is darker than the falling one.
TEST_F(LineImageTest, RisingRibbonIsDarker)
{
  TLineSeries line;
  Chart.InsertSeries(line);
  line.SetSeriesColor(clRed);
  line.AddXY(1, 10);
  line.AddXY(2, 50);
  line.AddXY(3, 20);
  Chart.Is3D = true;
  Chart.SliceWidth = Chart.SliceHeight = 20;
  line.DepthStart = 10;
  line.DepthEnd = 30;
  Paint(line, true);
  // Inside the ribbons, half way along each segment and half way into the depth.
  EXPECT_EQ(At(80, 190), platform::TColor(0x0000BF));
  EXPECT_EQ(At(120, 175), clRed);
}

}  // namespace
}  // namespace chart
