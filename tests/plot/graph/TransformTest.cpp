#include "GraphDoubles.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace plot::test {
namespace {

TEST(GraphTransform, UnitRangeMapsOntoThePlotRectangle)
{
  TGraphFixture f;
  f.graph.SetRange({0, 0, 1, 1});
  const platform::TRect r = f.graph.GetPlotRect();
  ASSERT_FALSE(r.IsEmpty());
  EXPECT_EQ(f.graph.XToScreen(0), r.Left);
  EXPECT_EQ(f.graph.XToScreen(1), r.Right);
  EXPECT_EQ(f.graph.YToScreen(0), r.Bottom);
  EXPECT_EQ(f.graph.YToScreen(1), r.Top);
  EXPECT_DOUBLE_EQ(f.graph.ScreenToX(r.Right), 1);
  EXPECT_DOUBLE_EQ(f.graph.ScreenToY(r.Bottom), 0);

  struct Case {
    double x;
    int pixel;
  };
  const Case saturated[] = {
      {1e300, INT_MAX}, {-1e300, -INT_MAX}, {INFINITY, INT_MAX}, {-INFINITY, -INT_MAX}, {NAN, -INT_MAX}};
  for (const Case& c : saturated) {
    EXPECT_EQ(f.graph.XToScreen(c.x), c.pixel) << c.x;
    EXPECT_EQ(f.graph.X2ToScreen(c.x), c.pixel) << c.x;
  }
  EXPECT_EQ(f.graph.YToScreen(1e300), -INT_MAX);  // y grows downwards
}

TEST(GraphTransform, SecondAxesFollowTheActiveFlags)
{
  TGraphFixture f;
  f.graph.Range2 = {10, 100, 20, 200};
  f.graph.SetRange({0, 0, 1, 1});
  const platform::TRect r = f.graph.GetPlotRect();
  EXPECT_EQ(f.graph.X2ToScreen(20), r.Right);
  EXPECT_EQ(f.graph.XToScreen(20), f.graph.XToScreen(20));
  f.graph.ActiveOnX2 = true;
  f.graph.ActiveOnY2 = true;
  EXPECT_EQ(f.graph.XToScreen(10), r.Left);
  EXPECT_EQ(f.graph.YToScreen(200), r.Top);
  EXPECT_DOUBLE_EQ(f.graph.ScreenToX(r.Right), 20);
  EXPECT_EQ(f.graph.GetRange(), SetFloatRect(10, 100, 20, 200));
}

TEST(GraphTransform, LogarithmicAxis)
{
  TGraphFixture f;
  f.graph.XAxis->Log = true;
  f.graph.SetRange({-1, 0, 2, 1});  // decades 10^-1..10^2
  const platform::TRect r = f.graph.GetPlotRect();
  EXPECT_EQ(f.graph.XToScreen(0.1), r.Left);
  EXPECT_EQ(f.graph.XToScreen(100), r.Right);
  EXPECT_NEAR(f.graph.XToScreen(10), r.Left + (r.Right - r.Left) * 2.0 / 3, 0.5);
  // Zero, negatives and not-a-number fall to the floor of 1e-10.
  const int floor = f.graph.XToScreen(1e-10);
  EXPECT_EQ(f.graph.XToScreen(0), floor);
  EXPECT_EQ(f.graph.XToScreen(-5), floor);
  EXPECT_EQ(f.graph.XToScreen(NAN), floor);
  EXPECT_DOUBLE_EQ(f.graph.SafeLog10(0), -10);
  const TFloatRect world = f.graph.GetWorldRange();
  EXPECT_NEAR(world.Left, 0.1, 1e-15);
  EXPECT_NEAR(world.Right, 100, 1e-12);
  EXPECT_EQ(world.Top, 0);
}

TEST(GraphTransform, InvertedAxisKeepsAscendingDrawRanges)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 5}}));
  f.graph.XAxis->Inverted = true;
  f.graph.SetClipMarkers(true);
  f.graph.Paint();
  EXPECT_EQ(f.graph.Range.Left, 10);
  EXPECT_EQ(f.graph.Range.Right, 0);
  const TFloatRect draw = f.graph.GetDrawRange();
  EXPECT_EQ(draw.Left, 0);
  EXPECT_EQ(draw.Right, 10);
  EXPECT_GT(f.graph.XToScreen(0), f.graph.XToScreen(10));  // pixels grow towards smaller values
  EXPECT_EQ(f.graph.XToScreen(10), f.graph.GetPlotRect().Left);
}

TEST(GraphTransform, TextAngle)
{
  TGraphFixture f;
  f.graph.Range = {0, 0, 1000, 1000};
  f.graph.KX = 1;
  f.graph.BX = 0;
  f.graph.KY = -1;
  f.graph.BY = 1000;
  EXPECT_EQ(f.graph.GetTextAngle(90), 90);
  EXPECT_EQ(f.graph.GetTextAngle(45), 45);
  f.graph.KY = -2;  // Y twice as stretched as X
  EXPECT_EQ(f.graph.GetTextAngle(45), 63);
}

TEST(GraphTransform, DegenerateRangeIsWidenedForTheCoefficients)
{
  TGraphFixture f;
  f.graph.SetRange({5, 3, 5, 3});
  EXPECT_EQ(f.graph.Range, SetFloatRect(4, 2, 6, 4));
  EXPECT_TRUE(std::isfinite(f.graph.KX));
  EXPECT_TRUE(std::isfinite(f.graph.KY));
  f.graph.Range2 = {1, 1, 1, 1};  // not widened, but its coefficients stay finite
  f.graph.CalculatePlotRect();
  EXPECT_EQ(f.graph.Range2, SetFloatRect(1, 1, 1, 1));
  EXPECT_TRUE(std::isfinite(f.graph.KX2));
  EXPECT_TRUE(std::isfinite(f.graph.ScreenToY2(10)));
}

}  // namespace
}  // namespace plot::test
