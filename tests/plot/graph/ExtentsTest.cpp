#include "GraphDoubles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace plot::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(GraphExtents, PaintingExtents)
{
  struct Case {
    const char* what;
    std::vector<TFloatPoint> points;
    bool logX;
    TFloatRect expected;  // xmin, ymin, xmax, ymax
  };
  const Case cases[] = {
      {"constant 5", PointsXY({{0, 5}, {4, 5}}), false, {0, 4.5, 4, 5.5}},
      {"constant -5", PointsXY({{0, -5}, {4, -5}}), false, {0, -5.5, 4, -4.5}},
      {"constant 0", PointsXY({{0, 0}, {4, 0}}), false, {0, -1, 4, 1}},
      {"decades", PointsXY({{3, 1}, {250, 2}}), true, {0, 1, 3, 2}},
      {"non-finite values are missing", PointsXY({{1, 2}, {kInf, 7}, {3, NAN}, {2, -kInf}}), false, {1, 2, 3, 7}},
      {"only missing values", PointsXY({{NAN, kInf}}), false, {1, 1, 2, 2}},
  };
  for (const Case& c : cases) {
    TGraphFixture f;
    f.AddSeries("s", c.points);
    f.graph.XAxis->Log = c.logX;
    const TFloatRect e = f.graph.ComputeExtents();
    EXPECT_DOUBLE_EQ(e.Left, c.expected.Left) << c.what;
    EXPECT_DOUBLE_EQ(e.Top, c.expected.Top) << c.what;
    EXPECT_DOUBLE_EQ(e.Right, c.expected.Right) << c.what;
    EXPECT_DOUBLE_EQ(e.Bottom, c.expected.Bottom) << c.what;
  }
}

TEST(GraphExtents, WithoutLayersOneToTwoOrTheManualLimits)
{
  TGraphFixture f;
  EXPECT_EQ(f.graph.ComputeExtents(), SetFloatRect(1, 1, 2, 2));
  EXPECT_EQ(f.graph.ComputeExtents2(), SetFloatRect(1, 1, 2, 2));
  double x1, x2, y1, y2;
  f.graph.GetExtents(x1, x2, y1, y2);
  EXPECT_EQ(SetFloatRect(x1, y1, x2, y2), SetFloatRect(1, 1, 2, 2));

  f.graph.YAxis->AutoMax = false;
  f.graph.YAxis->Maximum = 10;
  f.graph.XAxis->AutoMin = false;
  f.graph.XAxis->Minimum = kInf;  // not a usable limit
  EXPECT_EQ(f.graph.ComputeExtents(), SetFloatRect(1, 1, 2, 10));
}

TEST(GraphExtents, SecondAxesFallBackToThePrimaryExtents)
{
  TGraphFixture f;
  f.AddSeries("primary", PointsXY({{0, 0}, {10, 5}}));
  TTestSeries& right = f.AddSeries("right", PointsXY({{0, 100}, {10, 300}}));
  right.OnY2 = true;
  const TFloatRect e2 = f.graph.ComputeExtents2();
  EXPECT_EQ(e2, SetFloatRect(0, 100, 10, 300));
  EXPECT_EQ(f.graph.ComputeExtents(), SetFloatRect(0, 0, 10, 5));
  double x1, x2, y1, y2;
  f.graph.GetExtents2(x1, x2, y1, y2);
  EXPECT_EQ(y1, 100);
  EXPECT_EQ(x1, 1e38);  // no layer on the second X axis
}

TEST(GraphExtents, StackedBars)
{
  TGraphFixture f;
  f.AddSeries("a", PointsXY({{1, 3}, {2, 4}}), kStyleBar);
  f.AddSeries("b", PointsXY({{1, 5}, {2, 1}}), kStyleBar);
  f.graph.BarStyle = bsStacked;
  const TFloatRect e = f.graph.ComputeExtents();
  EXPECT_EQ(e.Top, 0);
  EXPECT_EQ(e.Bottom, 8);
  f.graph.Paint();
  EXPECT_FALSE(f.graph.YAxis->AutoMin);
  EXPECT_FALSE(f.graph.YAxis2->AutoMin);
  EXPECT_GE(f.graph.Range.Bottom, 8);

  f.graph.BarStyle = bs100Stacked;
  const TFloatRect percent = f.graph.ComputeExtents();
  EXPECT_EQ(percent.Top, 0);
  EXPECT_EQ(percent.Bottom, 100);
}

TEST(GraphExtents, BarQueries)
{
  TGraphFixture f;
  f.graph.BarStyle = bsZOrdered;
  EXPECT_EQ(f.graph.GetBarSlotCount(), 1);
  f.graph.SetClipMarkers(true);
  EXPECT_FALSE(f.graph.GetClipMarkers());

  f.graph.BarStyle = bsClustered;
  EXPECT_TRUE(f.graph.GetClipMarkers());
  TTestSeries& a = f.AddSeries("a", PointsXY({{1, 3}, {2, 4}, {3, 1}}), kStyleBar);
  f.AddSeries("line", PointsXY({{1, 3}}));
  TTestSeries& b = f.AddSeries("b", PointsXY({{1, 5}}), kStyleBar);
  b.BarWidth = 0.9;
  EXPECT_EQ(f.graph.GetBarSeriesCount(), 2);
  EXPECT_EQ(f.graph.GetBarIndex(&b), 1);
  EXPECT_EQ(f.graph.GetMaxBarPointCount(), 3);
  EXPECT_DOUBLE_EQ(f.graph.GetMaxBarWidth(), 0.9);
  EXPECT_EQ(f.graph.GetDepthIndex(&a), f.graph.GetDepthIndex(&b));
  f.graph.BarStyle = bsZOrdered;
  f.graph.ApplyBarStyle();
  EXPECT_EQ(a.Style, kStyleDepthBar);
  EXPECT_EQ(b.Style, kStyleDepthBar);
  a.Visible = false;
  EXPECT_EQ(f.graph.GetMaxVisibleBarPointCount(), 0);
}

TEST(GraphExtents, ClipMarkersKeepTheDataRange)
{
  TGraphFixture f;
  TTestSeries& s = f.AddSeries("s", PointsXY({{0, 0}, {10, 5}}));
  s.SymbolWidth = 4;
  f.graph.SetClipMarkers(true);
  f.graph.Paint();
  EXPECT_EQ(f.graph.Range, SetFloatRect(0, 0, 10, 5));

  f.graph.SetClipMarkers(false);
  f.graph.Paint();
  EXPECT_LT(f.graph.Range.Left, 0);
  EXPECT_GT(f.graph.Range.Right, 10);
  EXPECT_LT(f.graph.Range.Top, 0);
  EXPECT_GT(f.graph.Range.Bottom, 5);
}

TEST(GraphExtents, ManualLimitsAndLogarithms)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{1, 1}, {1000, 2}}));
  f.graph.XAxis->Log = true;
  f.graph.XAxis->AutoMax = false;
  f.graph.XAxis->Maximum = 1e5;
  f.graph.SetClipMarkers(true);
  f.graph.Paint();
  EXPECT_DOUBLE_EQ(f.graph.Range.Left, 0);
  EXPECT_DOUBLE_EQ(f.graph.Range.Right, 5);
}

TEST(GraphLayout, ExaggerationKeepsTheDataAspectCentred)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 1}}));
  f.graph.Exaggerate = 1;
  f.graph.SetClipMarkers(true);
  f.graph.Paint();
  const platform::TRect r = f.graph.GetPlotRect();
  EXPECT_NEAR(double(r.Width()) / r.Height(), 10, 0.3);
  const int above = r.Top;
  const int below = f.image.Height() - r.Bottom;
  EXPECT_LE(std::abs(above - below), f.image.Height() / 100 + 2);
}

}  // namespace
}  // namespace plot::test
