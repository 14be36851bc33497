#include "GraphDoubles.h"

#include "plot/support/GraphLibrary.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TRect;

TEST(GraphLayout, BarsStayOnTheirBaselineWithHeadRoomAbove)
{
  TGraphFixture f;
  TTestSeries& bars = f.AddSeries("bars", PointsXY({{1, 0}, {2, 10}}), kStyleBar);
  bars.SymbolWidth = 2;
  f.graph.Paint();
  EXPECT_DOUBLE_EQ(f.graph.Range.Top, 0);
  EXPECT_DOUBLE_EQ(f.graph.Range.Bottom, 10.5);
  EXPECT_LT(f.graph.Range.Left, 1);
  EXPECT_GT(f.graph.Range.Right, 2);
}

TEST(GraphLayout, MarginsWidenOnlyTheAutomaticEnds)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 5}})).SymbolWidth = 6;
  f.graph.XAxis->AutoMax = false;
  f.graph.XAxis->Maximum = 20;
  f.graph.YAxis->Inverted = true;
  f.graph.Paint();
  EXPECT_LT(f.graph.Range.Left, 0);
  EXPECT_DOUBLE_EQ(f.graph.Range.Right, 20);
  // Inverted Y: the range is held swapped and both ends still move outwards.
  EXPECT_GT(f.graph.Range.Top, 5);
  EXPECT_LT(f.graph.Range.Bottom, 0);
  EXPECT_EQ(f.graph.YToScreen(f.graph.Range.Top), f.graph.GetPlotRect().Bottom);
}

TEST(GraphLayout, NoMarginsWhileZoomed)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 5}})).SymbolWidth = 6;
  f.graph.Zoom.Stack.push_back({f.graph.Range, f.graph.Range2});
  f.graph.Range = {2, 1, 4, 3};
  f.graph.Paint();
  EXPECT_EQ(f.graph.Range, SetFloatRect(2, 1, 4, 3));  // the zoomed range stays
}

TEST(GraphLayout, UpdateTransformDrawsNothing)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 5}}));
  f.graph.SetClipMarkers(true);
  f.graph.UpdateTransform();
  EXPECT_EQ(f.graph.Range, SetFloatRect(0, 0, 10, 5));
  EXPECT_EQ(f.graph.XToScreen(10), f.graph.GetPlotRect().Right);
  for (const auto& record : f.image.Recording().Records())
    EXPECT_FALSE(record.IsDrawing()) << record.ToString();
}

TEST(GraphLayout, ClipRectangles)
{
  TGraphFixture f;
  f.graph.SetRange({0, 0, 10, 10});
  const TRect p = f.graph.GetPlotRect();
  f.graph.SetClip();
  EXPECT_EQ(f.graph.ClipRect, (TRect{p.Left + 1, p.Top + 1, p.Right - 1, p.Bottom - 1}));
  EXPECT_TRUE(GraphLibrary().Clipped);
  f.graph.SetClipWorld(0, 0, 5, 5);  // a clip is selected already: nothing changes
  EXPECT_EQ(f.graph.ClipRect, (TRect{p.Left + 1, p.Top + 1, p.Right - 1, p.Bottom - 1}));
  f.graph.ResetClip();
  EXPECT_FALSE(GraphLibrary().Clipped);
  EXPECT_FALSE(f.image.Canvas().IsClipped());

  f.graph.SetClipWorld(0, 0, 5, 5);
  EXPECT_EQ(f.graph.ClipRect, (TRect{p.Left + 1, f.graph.YToScreen(5) + 1, f.graph.XToScreen(5) - 1, p.Bottom - 1}));
  f.graph.ResetClip();
  f.graph.SetClipAbovePlotBottom();
  EXPECT_EQ(f.graph.ClipRect, (TRect{0, 0, 400, p.Bottom}));
  f.graph.ResetClip();
}

TEST(GraphLayout, DepthOfTheThreeDimensionalView)
{
  TGraphFixture f;
  f.graph.View3D = 0.1;
  f.graph.SetRange({0, 0, 1, 1});
  EXPECT_GT(f.graph.Depth, 0);
  const TRect p = f.graph.GetPlotRect();
  f.graph.SetClip();
  EXPECT_EQ(f.graph.ClipRect, (TRect{p.Left + 1, p.Top + 1 - f.graph.Depth, p.Right - 1 + f.graph.Depth, p.Bottom - 1}));
  f.graph.ResetClip();
  f.graph.Depth = 30;
  EXPECT_EQ(f.graph.GetDepthShift(1, 4), 8);  // 7.5 to even
  EXPECT_EQ(f.graph.GetDepthShift(2, 4), 15);
  EXPECT_EQ(f.graph.GetDepthShift(1, 0), 0);
}

TEST(GraphLayout, LayerAndBarExtents)
{
  TGraphFixture f;
  double x1, x2, y1, y2;
  f.graph.GetLayersExtents(x1, x2, y1, y2);
  EXPECT_EQ(SetFloatRect(x1, y1, x2, y2), SetFloatRect(1, 1, 2, 2));
  f.graph.GetBarExtents(x1, x2, y1, y2);
  EXPECT_EQ(SetFloatRect(x1, y1, x2, y2), SetFloatRect(0, 0, 0, 0));

  f.AddSeries("line", PointsXY({{-5, 3}, {5, 3}}));
  f.AddSeries("bars", PointsXY({{1, 2}, {3, 8}}), kStyleBar);
  f.graph.GetLayersExtents(x1, x2, y1, y2);
  EXPECT_EQ(SetFloatRect(x1, y1, x2, y2), SetFloatRect(-5, 2, 5, 8));
  f.graph.XAxis->Inverted = true;
  f.graph.GetBarExtents(x1, x2, y1, y2);
  EXPECT_EQ(SetFloatRect(x1, y1, x2, y2), SetFloatRect(3, 2, 1, 8));
}

TEST(GraphLayout, UnitHeightKeepsTheCanvasFont)
{
  TGraphFixture f;
  platform::TFont& font = f.image.Canvas().Font();
  font.SetName("Courier New");
  font.SetSize(14);
  const int unit = f.graph.GetUnitHeight();
  EXPECT_GT(unit, 0);
  EXPECT_EQ(font.Name(), "Courier New");
  EXPECT_EQ(font.Size(), 14);
}

}  // namespace
}  // namespace plot::test
