#include "LegendDoubles.h"

#include <gtest/gtest.h>

#include <map>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TRect;

// The drag outlines drawn on the picture: silver, two pixels, inverting.
std::vector<std::vector<platform::TPoint>> Outlines(const platform::TRecordingCanvas& canvas)
{
  std::vector<std::vector<platform::TPoint>> outlines;
  for (const auto& r : canvas.Records())
    if (r.Op == TCanvasOp::Polyline && r.State.Pen.Mode == platform::TPenMode::pmNotXor) {
      EXPECT_EQ(r.State.Pen.Color, 0xC0C0C0u);
      EXPECT_EQ(r.State.Pen.Width, 2);
      outlines.push_back(r.Points);
    }
  return outlines;
}

// Every outline drawn is drawn again: nothing is left on the picture.
void ExpectOutlinesErased(const platform::TRecordingCanvas& canvas)
{
  const auto outlines = Outlines(canvas);
  ASSERT_FALSE(outlines.empty());
  ASSERT_EQ(outlines.size() % 2, 0u);
  std::map<std::vector<std::pair<int, int>>, int> times;
  for (const auto& o : outlines) {
    std::vector<std::pair<int, int>> key;
    for (const auto& p : o)
      key.push_back({p.X, p.Y});
    ++times[key];
  }
  for (const auto& [points, n] : times)
    EXPECT_EQ(n % 2, 0);
}

struct TDragFixture : TLegendFixture {
  TDragFixture()
  {
    AddSeries("s", PointsXY({{0, 0}, {10, 10}}));
    graph.SetClipMarkers(true);
    AddEntry(graph, "alpha");
    AddEntry(graph, "beta");
    graph.Paint();
    Recording().Clear();
  }
  TWLegend& Legend() { return *graph.Legend; }
  platform::TPoint BoxMiddle()
  {
    const TRect b = Legend().BoxRect;
    return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
  }
};

TEST(LegendDrag, SeriesLegendDroppedInThePlotStaysAtThatWorldPoint)
{
  TDragFixture f;
  TWLegend& legend = f.Legend();
  const TRect plotBefore = f.graph.PlotRect;
  const platform::TPoint start = f.BoxMiddle();
  legend.DragStart(start.X, start.Y);
  EXPECT_TRUE(legend.Dragging);
  EXPECT_EQ(f.image.Cursor, platform::crDrag);
  EXPECT_FALSE(legend.GetVisible());
  EXPECT_GT(f.graph.PlotRect.Right, plotBefore.Right);  // laid out without the box
  ASSERT_EQ(Outlines(f.Recording()).size(), 1u);
  EXPECT_EQ(legend.OutlineRect, legend.BoxRect);

  const TRect plot = f.graph.PlotRect;
  const int x = (plot.Left + plot.Right) / 2;
  const int y = (plot.Top + plot.Bottom) / 2;
  legend.DragMove(x, y);
  EXPECT_EQ(legend.OutlineRect, legend.InsideRect);
  EXPECT_EQ(legend.InsideRect.Top, y - 10);
  const TRect dropped = legend.InsideRect;
  legend.DragEnd(x, y);
  EXPECT_EQ(f.image.Cursor, platform::crDefault);
  EXPECT_FALSE(legend.Dragging);
  EXPECT_TRUE(legend.GetVisible());
  EXPECT_EQ(legend.Style, lsInside);
  EXPECT_DOUBLE_EQ(legend.InsideX, f.graph.ScreenToX(dropped.Left));
  EXPECT_DOUBLE_EQ(legend.InsideY, f.graph.ScreenToY(dropped.Top));
  // The repaint put the box where it was dropped, within a pixel of rounding.
  EXPECT_NEAR(legend.BoxRect.Left, dropped.Left, 1);
  EXPECT_NEAR(legend.BoxRect.Top, dropped.Top, 1);
  ExpectOutlinesErased(f.Recording());
}

TEST(LegendDrag, ReleasedBesideThePlotTakesTheNearestSide)
{
  const struct {
    int x, y;
    TLegendStyle side;
  } cases[] = {{3, 150, lsLeft}, {397, 150, lsRight}, {200, 3, lsTop}, {200, 297, lsBottom}, {3, 3, lsLeft}};
  for (const auto& c : cases) {
    TDragFixture f;
    TWLegend& legend = f.Legend();
    const platform::TPoint start = f.BoxMiddle();
    legend.DragStart(start.X, start.Y);
    legend.DragMove((start.X + c.x) / 2, (start.Y + c.y) / 2);
    legend.DragEnd(c.x, c.y);
    EXPECT_EQ(legend.Style, c.side) << c.x << "," << c.y;
    EXPECT_TRUE(legend.GetVisible());
    ExpectOutlinesErased(f.Recording());
  }
}

TEST(LegendDrag, NearestSideOfTheImage)
{
  TDragFixture f;  // 400 x 300
  const struct {
    int x, y;
    TLegendStyle side;
  } cases[] = {{10, 100, lsLeft},  {390, 100, lsRight}, {200, 10, lsTop},   {200, 290, lsBottom},
               {150, 150, lsLeft}, {250, 150, lsRight}, {200, 150, lsTop}, {0, 0, lsLeft},
               {400, 300, lsRight}};
  for (const auto& c : cases)
    EXPECT_EQ(f.Legend().NearestSide(c.x, c.y), c.side) << c.x << "," << c.y;
}

class TScaleLayer : public TLayer {
public:
  explicit TScaleLayer(TGraph& graph) : TLayer(graph) { ColorMap = true; }
};

TEST(LegendDrag, ColourLegendNeverBecomesAnInsideLegend)
{
  TDragFixture f;
  TScaleLayer layer(f.graph);
  TColorLegend& legend = *f.graph.ColorLegends[0];
  legend.Layer = &layer;
  f.graph.Paint();
  f.Recording().Clear();
  const TRect b = legend.BoxRect;
  legend.DragStart((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  const TRect plot = f.graph.PlotRect;
  const int x = (plot.Left + plot.Right) / 2 - 30;
  const int y = (plot.Top + plot.Bottom) / 2;
  legend.DragMove(x, y);
  EXPECT_EQ(legend.Style, legend.NearestSide(x, y));
  EXPECT_EQ(legend.OutlineRect, legend.VerticalRect);
  legend.DragEnd(x, y);
  EXPECT_EQ(legend.Style, lsLeft);
  EXPECT_TRUE(legend.GetVisible());
  const TRect box = legend.BoxRect;
  const TRect now = f.graph.PlotRect;
  EXPECT_LT(box.Right, now.Left);
  ExpectOutlinesErased(f.Recording());
}

TEST(LegendDrag, NoPointOrAPaintInProgressMovesNothing)
{
  TDragFixture f;
  TWLegend& legend = f.Legend();
  const platform::TPoint start = f.BoxMiddle();
  legend.DragStart(start.X, start.Y);
  const TRect outline = legend.OutlineRect;
  legend.DragMove(-1, -1);
  EXPECT_EQ(legend.OutlineRect, outline);
  f.graph.Painting = true;
  legend.DragMove(start.X + 40, start.Y);
  f.graph.Painting = false;
  EXPECT_EQ(legend.OutlineRect, outline);
  legend.DragEnd(-1, -1);
  EXPECT_TRUE(legend.Dragging);
}

}  // namespace
}  // namespace plot::test
