#include "GridChartDouble.h"

#include "chart/series/Conrec.h"
#include "chart/series/ContourSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace chart {
namespace {

using platform::TCanvasOp;
using platform::TPoint;
using testing::TGridChart;
using testing::TRecordedGridChart;

struct TFlatSegment {
  TPoint From, To;  // (horizontal pixel, depth)
  int Y;
  friend bool operator==(const TFlatSegment&, const TFlatSegment&) = default;
};

// The lines drawn, taken back from the oblique projection to (horizontal, depth) at height y.
std::vector<TFlatSegment> Segments(const TRecordedGridChart& picture, int y)
{
  std::vector<TFlatSegment> out;
  for (const auto& r : picture.Drawn(TCanvasOp::LineTo)) {
    const int d0 = y - r.Points[0].Y;
    const int d1 = y - r.Points[1].Y;
    out.push_back({{r.Points[0].X - d0, d0}, {r.Points[1].X - d1, d1}, y});
  }
  return out;
}

// One cell: (1, 1) 0, (2, 1) 10, (2, 2) 4, (1, 2) 6 over X 0..400 and depth 0..100; levels 0, 2.5, 5, 7.5.
TEST(ContourSeries, TracesEachLevelThroughTheCellsTriangles)
{
  TRecordedGridChart picture;
  TContourSeries series;
  picture.Chart.InsertSeries(series);
  series.AddXYZ(1, 0, 1);
  series.AddXYZ(2, 10, 1);
  series.AddXYZ(2, 4, 2);
  series.AddXYZ(1, 6, 2);
  series.SetNumLevels(4);
  series.SetYPosition(5);
  picture.Chart.Begin(1, 2, 0, 10, 1, 2);
  TGridChart::Paint(series);
  const std::vector<TFlatSegment> expected{
      {{100, 0}, {100, 25}, 150}, {{100, 25}, {0, 42}, 150},                                // 2.5
      {{200, 50}, {200, 0}, 150}, {{200, 50}, {400, 83}, 150},                              // 5
      {{200, 50}, {200, 100}, 150}, {{200, 50}, {0, 83}, 150},
      {{300, 25}, {300, 0}, 150}, {{400, 42}, {300, 25}, 150},                              // 7.5
  };
  EXPECT_EQ(Segments(picture, 150), expected);
  const auto lines = picture.Drawn(TCanvasOp::LineTo);
  EXPECT_EQ(lines[0].State.Pen.Color, kDefaultPalette[1]);
  EXPECT_EQ(lines[7].State.Pen.Color, kDefaultPalette[3]);

  // Each level at its own height: 7.5 lies 225 pixels up.
  series.SetYPositionLevel(true);
  picture.Recording.Clear();
  TGridChart::Paint(series);
  const auto atLevel = Segments(picture, 75);
  ASSERT_EQ(atLevel.size(), 8u);
  EXPECT_EQ(atLevel[7], (TFlatSegment{{400, 42}, {300, 25}, 75}));
}

// All values equal: every level lies on them and each cell draws its four edges once per level.
TEST(ContourSeries, FlatGridDrawsFourEdgesPerCellAndLevel)
{
  TRecordedGridChart picture;
  TContourSeries series;
  picture.Chart.InsertSeries(series);
  for (int x = 1; x <= 4; ++x)
    for (int z = 1; z <= 3; ++z) series.AddXYZ(x, 2, z);
  series.SetNumLevels(3);
  picture.Chart.Begin(1, 4, 0, 4, 1, 3);
  TGridChart::Paint(series);
  ASSERT_EQ(series.Levels().size(), 3u);
  EXPECT_EQ(series.Levels()[2].Value, 2);
  EXPECT_EQ(picture.Drawn(TCanvasOp::LineTo).size(), 3u * 2 * 3 * 4);

  TContourCell cell{{{{5, 5}, {0, 0}, {10, 0}, {10, 10}, {0, 10}}}, {0, 0, 0, 0, 0}};
  std::array<TContourSegment, 4> segments;
  ASSERT_EQ(TraceContourCell(cell, segments), 4);
  EXPECT_EQ(segments[0].From, (TPoint{10, 0}));
  EXPECT_EQ(segments[0].To, (TPoint{0, 0}));
}

// Values between two levels draw nothing; more than 250 levels are all drawn.
TEST(ContourSeries, LevelsBetweenAndBeyondTheUsualCount)
{
  TRecordedGridChart picture;
  picture.Chart.Begin(1, 2, 0, 1, 1, 2);
  TContourSeries between;
  picture.Chart.InsertSeries(between);
  for (int x = 1; x <= 2; ++x)
    for (int z = 1; z <= 2; ++z) between.AddXYZ(x, 0.4 + 0.01 * (x + z), z);
  between.SetNumLevels(300);
  between.OnGetLevel = [](const TContourSeries&, int index, double& value, platform::TColor&) {
    value = index < 299 ? 0.1 : 0.9;
  };
  picture.Recording.Clear();
  TGridChart::Paint(between);
  EXPECT_TRUE(picture.Drawn(TCanvasOp::LineTo).empty());
  EXPECT_EQ(between.Levels().size(), 300u);

  between.OnGetLevel = nullptr;
  picture.Recording.Clear();
  TGridChart::Paint(between);
  EXPECT_EQ(between.CountLegendItems(), 300);
  EXPECT_EQ(between.LegendItemColor(0), kDefaultPalette[299 % 16]);
  // Levels 1 .. 299 cross the cell; level 0 only touches its lowest corner.
  std::vector<platform::TColor> colors;
  for (const auto& r : picture.Drawn(TCanvasOp::LineTo))
    if (colors.empty() || colors.back() != r.State.Pen.Color) colors.push_back(r.State.Pen.Color);
  EXPECT_EQ(colors.size(), 299u);
}

TEST(ContourSeries, SampleValuesSetThePlaneBetweenTheExtremes)
{
  TContourSeries series;
  series.FillSampleValues(20);
  EXPECT_EQ(series.Count(), 400);
  EXPECT_DOUBLE_EQ(series.YPosition(), (series.YValues().MinValue() + series.YValues().MaxValue()) / 2);
  EXPECT_EQ(series.GetEditorClassName(), "TContourSeriesEditor");
}

}  // namespace
}  // namespace chart
