#include "GridChartDouble.h"

#include "chart/series/SurfaceSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace chart {
namespace {

using platform::TCanvasOp;
using platform::TPoint;
using testing::TGridChart;
using testing::TImageGridChart;
using testing::TRecordedGridChart;

// A surface that notes the cells it is asked to draw.
class TCellLog : public TSurfaceSeries {
public:
  void DrawCell(int x, int z) override
  {
    Cells.emplace_back(x, z);
    TSurfaceSeries::DrawCell(x, z);
  }
  std::vector<std::pair<int, int>> Cells;
};

// n x n nodes, Y = x + z; the axes: X 1..n over 0..400, Y 0..30 over 300..0, Z 1..n over depth 0..100.
void FillGrid(TCustom3DGridSeries& series, int n)
{
  for (int x = 1; x <= n; ++x)
    for (int z = 1; z <= n; ++z) series.AddXYZ(x, x + z, z);
}

struct TOrderCase {
  bool DepthInverted, XInverted;
  std::pair<int, int> First, Second, Last;
};

// The cells go x outer, z inner, from the far side of each inverted or not inverted axis.
TEST(SurfaceSeries, CellsInTheOrderOfTheAxesInversion)
{
  const TOrderCase cases[] = {
      {false, false, {2, 16}, {2, 15}, {16, 2}},
      {true, false, {2, 1}, {2, 2}, {16, 15}},
      {false, true, {15, 16}, {15, 15}, {1, 2}},
      {true, true, {15, 1}, {15, 2}, {1, 15}},
  };
  for (const auto& c : cases) {
    TRecordedGridChart picture;
    TCellLog series;
    picture.Chart.InsertSeries(series);
    FillGrid(series, 16);
    picture.Chart.Begin(1, 16, 0, 40, 1, 16);
    picture.Chart.Depth.SetInverted(c.DepthInverted);
    picture.Chart.Bottom.SetInverted(c.XInverted);
    TGridChart::Paint(series);
    ASSERT_EQ(series.Cells.size(), 225u);
    EXPECT_EQ(series.Cells[0], c.First);
    EXPECT_EQ(series.Cells[1], c.Second);
    EXPECT_EQ(series.Cells.back(), c.Last);
    EXPECT_EQ(series.Cells[15], (std::pair{c.First.first - (c.XInverted ? 1 : -1), c.First.second}));
    EXPECT_EQ(picture.Drawn(TCanvasOp::Polygon).size(), 225u);
  }
}

TEST(SurfaceSeries, CellsAreProjectedQuadsInTheirValuesColours)
{
  TRecordedGridChart picture;
  TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  FillGrid(series, 5);
  picture.Chart.Begin(1, 5, 0, 30, 1, 5);
  TGridChart::Paint(series);
  const auto polygons = picture.Drawn(TCanvasOp::Polygon);
  ASSERT_EQ(polygons.size(), 16u);
  // Cell (2, 5): corners (2, 5), (1, 5) at depth 100 and (1, 4), (2, 4) at depth 75.
  EXPECT_EQ(polygons[0].Points, (std::vector<TPoint>{{200, 130}, {100, 140}, {75, 175}, {175, 165}}));
  EXPECT_EQ(polygons[0].State.Brush.Color, 0xB06060u);  // Y 7 of 2..10
  EXPECT_EQ(polygons[0].State.Brush.Style, platform::TBrushStyle::bsSolid);
  EXPECT_EQ(polygons[0].State.Pen.Style, platform::TPenStyle::psSolid);
  EXPECT_EQ(polygons[1].State.Brush.Color, 0xBF7F7Fu);  // cell (2, 4): Y 6
}

TEST(SurfaceSeries, FramesShowThePenAndExcludeEachOther)
{
  TRecordedGridChart picture;
  TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  FillGrid(series, 5);
  series.Pen().SetVisible(false);
  series.Pen().SetColor(platform::clRed);
  series.SetDotFrame(true);
  series.SetWireFrame(true);
  EXPECT_TRUE(series.Pen().Visible());
  EXPECT_FALSE(series.DotFrame());
  picture.Chart.Begin(1, 5, 0, 30, 1, 5);
  TGridChart::Paint(series);
  auto polygons = picture.Drawn(TCanvasOp::Polygon);
  ASSERT_EQ(polygons.size(), 16u);
  for (const auto& p : polygons) {
    EXPECT_EQ(p.State.Brush.Style, platform::TBrushStyle::bsClear);
    EXPECT_EQ(p.State.Pen.Color, platform::clRed);
  }

  series.SetDotFrame(true);
  EXPECT_FALSE(series.WireFrame());
  picture.Recording.Clear();
  TGridChart::Paint(series);
  EXPECT_TRUE(picture.Drawn(TCanvasOp::Polygon).empty());
  const auto dots = picture.Drawn(TCanvasOp::SetPixel);
  ASSERT_EQ(dots.size(), 64u);
  EXPECT_EQ(dots[0].Points, (std::vector<TPoint>{{200, 130}}));
  EXPECT_EQ(dots[0].Value, 0xB06060u);
  EXPECT_EQ(dots[1].Value, 0xBF7F7Fu);  // (1, 5): Y 6

  // A null node has no dot.
  series.SetValueColor(4, platform::clNone);  // (1, 5)
  picture.Recording.Clear();
  TGridChart::Paint(series);
  EXPECT_EQ(picture.Drawn(TCanvasOp::SetPixel).size(), 63u);
}

// In one colour every cell still goes through its value's colour: OnGetColor counts and a null
// first corner leaves its cell out, also after a frame was drawn.
TEST(SurfaceSeries, SingleColourCellsGoThroughTheirColours)
{
  TRecordedGridChart picture;
  TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  FillGrid(series, 3);
  series.SetValueColor(8, platform::clNone);  // node (3, 3)
  picture.Chart.Begin(1, 3, 0, 30, 1, 3);
  series.SetWireFrame(true);
  TGridChart::Paint(series);
  series.SetWireFrame(false);
  series.SetUseColorRange(false);
  series.SetSeriesColor(platform::clGreen);
  series.OnGetColor = [](const TChartSeries&, int index, platform::TColor& color) {
    if (index == 4) color = platform::clYellow;  // node (2, 2)
  };
  picture.Recording.Clear();
  TGridChart::Paint(series);
  // Cells (2, 3), (2, 2), (3, 3) left out, (3, 2).
  const auto polygons = picture.Drawn(TCanvasOp::Polygon);
  ASSERT_EQ(polygons.size(), 3u);
  EXPECT_EQ(polygons[0].State.Brush.Color, platform::clGreen);
  EXPECT_EQ(polygons[1].State.Brush.Color, platform::clYellow);
  EXPECT_EQ(polygons[2].State.Brush.Color, platform::clGreen);
  EXPECT_EQ(polygons[0].State.Brush.Style, platform::TBrushStyle::bsSolid);
}

TEST(SurfaceSeries, ClickedGivesTheFirstCornerOfTheCellUnderThePixel)
{
  TRecordedGridChart picture;
  TSurfaceSeries series;
  EXPECT_EQ(series.Clicked(50, 240), -1);
  picture.Chart.InsertSeries(series);
  FillGrid(series, 5);
  picture.Chart.Begin(1, 5, 0, 30, 1, 5);
  series.DoBeforeDrawChart();
  EXPECT_EQ(series.Clicked(50, 240), 9);   // cell (2, 5)
  EXPECT_EQ(series.Clicked(350, 220), 23);  // cell (5, 4): Y 9, 8, 7, 8
  EXPECT_EQ(series.Clicked(50, 10), -1);
}

// Rotated in perspective, with node (3, 2) missing: each cell that has its four nodes is the quad of
// their projections at their own rows' depths, whichever way the axes run; a click after the drawing
// finds the same cells as before it.
TEST(SurfaceSeries, RotatedCellsAreTheirNodesProjectionsAndAHoleDropsItsCells)
{
  const std::pair<bool, bool> inversions[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& [depthInverted, xInverted] : inversions) {
    SCOPED_TRACE(::testing::Message() << "depth inverted " << depthInverted << ", x inverted " << xInverted);
    TRecordedGridChart picture;
    TSurfaceSeries series;
    picture.Chart.InsertSeries(series);
    for (int x = 1; x <= 5; ++x)
      for (int z = 1; z <= 5; ++z)
        if (x != 3 || z != 2) series.AddXYZ(x, x + z, z);
    picture.Chart.View.SetOrthogonal(false);
    picture.Chart.View.SetRotation(335);
    picture.Chart.View.SetElevation(340);
    picture.Chart.View.SetPerspective(15);
    picture.Chart.Begin(1, 5, 0, 30, 1, 5);
    picture.Chart.Depth.SetInverted(depthInverted);
    picture.Chart.Bottom.SetInverted(xInverted);
    series.DoBeforeDrawChart();
    const std::pair<int, int> probes[] = {{120, 250}, {250, 240}, {330, 220}, {20, 280}};
    std::vector<int> clickedBefore;
    for (const auto& [px, py] : probes) clickedBefore.push_back(series.Clicked(px, py));
    series.DrawAllValues();

    // X 1..5 over 0..400, Y 0..30 over 300..0, Z 1..5 over depth 0..100 (inverted axes mirror).
    const auto node = [&](int x, int z) {
      const int px = xInverted ? 400 - (x - 1) * 100 : (x - 1) * 100;
      const int depth = depthInverted ? 100 - (z - 1) * 25 : (z - 1) * 25;
      return picture.Chart.Canvas().ChartToScreen(px, 300 - 10 * (x + z), depth);
    };
    std::vector<std::vector<TPoint>> expected;
    for (int x = 1; x < 5; ++x)
      for (int z = 1; z < 5; ++z) {
        if ((x == 3 || x == 2) && (z == 2 || z == 1)) continue;  // a corner at the missing node
        std::vector<TPoint> quad{node(x, z), node(x + 1, z), node(x + 1, z + 1), node(x, z + 1)};
        std::ranges::sort(quad, [](TPoint a, TPoint b) { return std::pair{a.X, a.Y} < std::pair{b.X, b.Y}; });
        expected.push_back(quad);
      }
    std::vector<std::vector<TPoint>> drawn;
    for (const auto& polygon : picture.Drawn(TCanvasOp::Polygon)) {
      std::vector<TPoint> quad = polygon.Points;
      std::ranges::sort(quad, [](TPoint a, TPoint b) { return std::pair{a.X, a.Y} < std::pair{b.X, b.Y}; });
      drawn.push_back(quad);
    }
    const auto byCorners = [](const std::vector<TPoint>& a, const std::vector<TPoint>& b) {
      return std::ranges::lexicographical_compare(a, b, [](TPoint p, TPoint q) {
        return std::pair{p.X, p.Y} < std::pair{q.X, q.Y};
      });
    };
    std::ranges::sort(expected, byCorners);
    std::ranges::sort(drawn, byCorners);
    ASSERT_EQ(drawn.size(), 12u);
    EXPECT_EQ(drawn, expected);

    std::vector<int> clickedAfter;
    for (const auto& [px, py] : probes) clickedAfter.push_back(series.Clicked(px, py));
    EXPECT_EQ(clickedAfter, clickedBefore);
    EXPECT_NE(clickedAfter, std::vector<int>(std::size(probes), -1));
  }
}

// What reaches the picture: each cell filled in its colour inside its black outline.
TEST(SurfaceSeries, PaintsCellsOnAnImage)
{
  TImageGridChart picture;
  TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  for (int x = 1; x <= 3; ++x)
    for (int z = 1; z <= 3; ++z) series.AddXYZ(x, 10 * z + x, z);
  series.SetUseColorRange(false);
  series.SetSeriesColor(platform::clSilver);
  series.OnGetColor = [&series](const TChartSeries&, int index, platform::TColor& color) {
    if (series.XValues().GetValue(index) == 2 && series.ZValues().GetValue(index) == 3) color = platform::clRed;
  };
  picture.Chart.Begin(1, 3, 0, 40, 1, 3, false);
  TGridChart::Paint(series);
  // Cell (2, 3) in the flat view: (200, 60), (0, 68), (0, 142), (200, 135).
  EXPECT_EQ(picture.At(100, 100), platform::clRed);
  EXPECT_EQ(picture.At(300, 100), platform::clSilver);  // cell (3, 3)
  EXPECT_EQ(picture.At(100, 64), platform::clBlack);    // its top edge
  EXPECT_EQ(picture.At(100, 20), platform::clWhite);
}

}  // namespace
}  // namespace chart
