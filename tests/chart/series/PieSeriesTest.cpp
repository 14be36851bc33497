// Pie series: slice angles, the "Other" slice, explosion, drawing order and edges, marks,
// legend items, hit tests, samples, gallery and copies, on a recording chart.
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/PieSeries.h"
#include "chart/support/Palette.h"
#include "tests/chart/series/PolarChartDouble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace chart::testing {
namespace {

using platform::TCanvasOp;
using platform::TCanvasRecord;
using platform::TPoint;

constexpr double kPi = std::numbers::pi;

// A pie that notes the order its slices are drawn in.
class TLoggedPie : public TPieSeries {
public:
  void DrawPie(int valueIndex) override
  {
    Drawn.push_back(valueIndex);
    TPieSeries::DrawPie(valueIndex);
  }
  std::vector<int> Drawn;
};

// The polar chart double that also takes the gallery's depth percent.
class TPieChart : public TPolarChart {
public:
  using TPolarChart::TPolarChart;
  void SetSeriesDepthPercent(int percent) override { DepthPercent = percent; }
  int DepthPercent = 0;
};

// A 200 x 200 plot without axes: with marks hidden the pie's centre is (100, 100), radius 100.
struct PieSeriesTest : ::testing::Test {
  platform::TRecordingCanvas recording;
  TPieChart chart{recording};
  TLoggedPie pie;

  PieSeriesTest()
  {
    chart.Plot = {0, 0, 200, 200};
    for (TChartAxis* axis : {&chart.Left, &chart.Right, &chart.Top, &chart.Bottom}) axis->SetVisible(false);
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);
  }
  void Add(std::initializer_list<double> values)
  {
    for (double v : values) pie.Add(v);
  }
  void Paint(bool is3D = false)
  {
    recording.Clear();
    pie.Drawn.clear();
    chart.Is3D = is3D;
    chart.Begin(0, 360, 0, 10, 0, 1, is3D);
    pie.DepthStart = 0;
    pie.DepthEnd = is3D ? 20 : 0;
    TPolarChart::PaintSeries(pie);
  }
  std::vector<TCanvasRecord> Drawn(TCanvasOp op) const
  {
    std::vector<TCanvasRecord> out;
    for (const auto& r : recording.Records())
      if (r.Op == op) out.push_back(r);
    return out;
  }
};

struct TAngleCase {
  const char* name;
  std::vector<double> values;
  std::vector<double> ends;  // end angles, each slice starting where the one before ends
};

TEST_F(PieSeriesTest, SlicesTakeTheirShareOfTheAbsoluteValues)
{
  const double twoPi = 2 * kPi;
  const TAngleCase cases[] = {
      {"one point is the disc", {7}, {twoPi}},
      {"1 and 3", {1, 3}, {1.570796326794896619, twoPi}},
      {"a negative counts by its size", {-1, 3}, {1.570796326794896619, twoPi}},
      {"all zero: the first is the circle", {0, 0, 0}, {twoPi, twoPi, twoPi}},
      {"zeros at the end sit at 2 pi", {2, 0}, {twoPi, twoPi}},
      {"tenths", {1, 2, 3, 4}, {0.6283185307179586477, 1.884955592153875943, 3.769911184307751886, twoPi}},
  };
  for (const TAngleCase& c : cases) {
    pie.Clear();
    for (double v : c.values) pie.Add(v);
    Paint();
    ASSERT_EQ(pie.Angles().size(), c.ends.size()) << c.name;
    double start = 0;
    for (std::size_t i = 0; i < c.ends.size(); ++i) {
      EXPECT_NEAR(pie.Angle(int(i)).StartAngle, start, 1e-12) << c.name << " " << i;
      EXPECT_NEAR(pie.Angle(int(i)).EndAngle, c.ends[i], 1e-12) << c.name << " " << i;
      EXPECT_NEAR(pie.Angle(int(i)).MidAngle, (start + c.ends[i]) / 2, 1e-12) << c.name << " " << i;
      start = c.ends[i];
    }
    EXPECT_EQ(pie.Angles().back().EndAngle, twoPi) << c.name;  // exactly
  }
}

TEST_F(PieSeriesTest, FlatSlicesArePiesFromEdgeToEdgeAndRotationStartsThemAtTheTop)
{
  Add({1, 3});
  Paint();
  std::vector<TCanvasRecord> pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 2u);
  const std::vector<TPoint> first{{0, 0}, {200, 200}, {200, 100}, {100, 0}};
  const std::vector<TPoint> second{{0, 0}, {200, 200}, {100, 0}, {200, 100}};
  EXPECT_EQ(pies[0].Points, first);
  EXPECT_EQ(pies[1].Points, second);
  EXPECT_EQ(pies[0].State.Brush.Color, PaletteColor(0));
  EXPECT_EQ(pies[1].State.Brush.Color, PaletteColor(1));

  pie.SetRotationAngle(90);
  Paint();
  pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[0].Points[2], TPoint(100, 0));  // the top
  EXPECT_EQ(pies[0].Points[3], TPoint(0, 100));
}

TEST_F(PieSeriesTest, FlatSlicesOnTheirEdgesPixelAreSkippedUnlessWide)
{
  struct TCase {
    const char* name;
    std::vector<double> values;
    std::vector<int> drawn;
  };
  const TCase cases[] = {
      {"a sliver between two halves", {1, 1e-7, 1}, {0, 2}},
      {"a sliver after an almost full circle", {1, 1e-9}, {0}},
      {"all zero: only the first", {0, 0, 0}, {0}},
      {"a single zero is the disc", {0}, {0}},
  };
  for (const TCase& c : cases) {
    pie.Clear();
    for (double v : c.values) pie.Add(v);
    Paint();
    EXPECT_EQ(pie.Drawn.size(), c.values.size()) << c.name;  // every slice reaches DrawPie
    const std::vector<TCanvasRecord> pies = Drawn(TCanvasOp::Pie);
    ASSERT_EQ(pies.size(), c.drawn.size()) << c.name;
    for (std::size_t k = 0; k < pies.size(); ++k)
      EXPECT_EQ(pies[k].State.Brush.Color, PaletteColor(c.drawn[k])) << c.name << " " << k;
    // Each drawn slice starts where the last drawn one ended.
    for (std::size_t k = 1; k < pies.size(); ++k) EXPECT_EQ(pies[k].Points[2], pies[k - 1].Points[3]) << c.name;
  }
}

TEST_F(PieSeriesTest, ACircleBelowFivePixelsDrawsNoSlice)
{
  Add({1, 3});
  chart.Plot = {0, 0, 4, 200};
  Paint();
  EXPECT_TRUE(Drawn(TCanvasOp::Pie).empty());
  chart.Plot = {0, 0, 6, 200};
  Paint();
  EXPECT_EQ(Drawn(TCanvasOp::Pie).size(), 2u);
}

TEST_F(PieSeriesTest, OtherSliceMergesSmallPointsAndLeavesAgainWhenSwitchedOff)
{
  pie.Add(50, "a");
  pie.Add(30, "b");
  pie.Add(2, "c");
  pie.Add(1, "d");
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(5);
  Paint();
  ASSERT_EQ(pie.Count(), 5);
  EXPECT_TRUE(pie.IsMergedSlice(2));
  EXPECT_TRUE(pie.IsMergedSlice(3));
  EXPECT_TRUE(pie.IsOtherSlice(4));
  EXPECT_EQ(pie.PieValues().GetValue(4), 3);
  EXPECT_EQ(pie.ValueLabel(4), "Other");
  ASSERT_EQ(pie.CountLegendItems(), 3);
  const int legend[] = {0, 1, 4};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(pie.LegendToValueIndex(k), legend[k]) << k;
  EXPECT_EQ(pie.LegendString(2, TLegendTextStyle::ltsPlain), "Other");
  EXPECT_EQ(pie.LegendItemColor(2), PaletteColor(4));
  EXPECT_EQ(pie.Drawn, (std::vector<int>{0, 1, 4}));  // merged points draw no slice
  EXPECT_EQ(pie.CalcXPos(4), 0);
  // Percents count the merged points once.
  pie.Marks().SetStyle(TSeriesMarksStyle::smsPercent);
  EXPECT_EQ(pie.GetMarkText(0), "60.24 %");

  // A second drawing replaces the slice instead of adding another.
  Paint();
  EXPECT_EQ(pie.Count(), 5);
  pie.OtherSlice().SetStyle(TPieOtherStyle::poNone);
  Paint();
  ASSERT_EQ(pie.Count(), 4);
  EXPECT_EQ(pie.CountLegendItems(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(pie.XValues().GetValue(i), i);
}

TEST_F(PieSeriesTest, OtherSliceThresholds)
{
  struct TCase {
    const char* name;
    TPieOtherStyle style;
    double threshold;
    std::vector<double> values;
    std::vector<double> drawnValues;  // the pie values left unmerged, the "Other" slice last
  };
  const TCase cases[] = {
      {"below a value", TPieOtherStyle::poBelowValue, 5, {50, 30, 2, 1}, {50, 30, 3}},
      {"below a percent", TPieOtherStyle::poBelowPercent, 10, {60, 25, 9, 6}, {60, 25, 15}},
      {"a percent of the absolute values", TPieOtherStyle::poBelowPercent, 10, {-60, 25, -9, 6}, {-60, 25, -3}},
      {"a large negative stays", TPieOtherStyle::poBelowValue, 5, {-50, 30, 2}, {-50, 30, 2}},
      {"nothing below", TPieOtherStyle::poBelowValue, 1, {5, 3}, {5, 3}},
      {"percent of a zero total merges nothing", TPieOtherStyle::poBelowPercent, 10, {0, 0, 0}, {0, 0, 0}},
  };
  for (const TCase& c : cases) {
    pie.Clear();
    for (double v : c.values) pie.Add(v);
    pie.OtherSlice().SetStyle(c.style);
    pie.OtherSlice().SetValue(c.threshold);
    Paint();
    std::vector<double> drawn;
    for (int i = 0; i < pie.Count(); ++i)
      if (!pie.IsMergedSlice(i)) drawn.push_back(pie.PieValues().GetValue(i));
    EXPECT_EQ(drawn, c.drawnValues) << c.name;
    EXPECT_EQ(pie.Angles().back().EndAngle, 2 * kPi) << c.name;
  }
}

// Negative merged points used to lower the total the angles were taken from, and the pie did
// not close.
TEST_F(PieSeriesTest, NegativeMergedPointsStillCloseThePie)
{
  Add({50, 30, -2, -1});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(5);
  Paint();
  ASSERT_EQ(pie.Count(), 5);
  EXPECT_EQ(pie.PieValues().GetValue(4), -3);
  EXPECT_NEAR(pie.Angle(0).EndAngle, 3.785051389867220769, 1e-12);
  EXPECT_NEAR(pie.Angle(1).EndAngle, 6.056082223787553231, 1e-12);
  EXPECT_EQ(pie.Angle(4).StartAngle, pie.Angle(1).EndAngle);
  EXPECT_EQ(pie.Angle(4).EndAngle, 2 * kPi);
  const std::vector<TCanvasRecord> pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 3u);
  EXPECT_EQ(pies[2].Points[3], pies[0].Points[2]);  // the last slice ends where the first starts
}

TEST_F(PieSeriesTest, ExplodeBiggestMovesTheLargestSliceAndShrinksThePie)
{
  pie.Add(1);
  Paint();
  EXPECT_FALSE(pie.Exploded());
  // One slice centred on the left: moved 30 pixels left, the pie 15 narrower on each side.
  pie.SetExplodeBiggest(30);
  Paint();
  EXPECT_TRUE(pie.Exploded());
  EXPECT_EQ(pie.ExplodedSlices().Percent(0), 30);
  EXPECT_EQ(pie.CircleBounds(), platform::TRect(15, 0, 185, 200));
  EXPECT_EQ(pie.ExplodeOffset(0), TPoint(-26, 0));  // 30 % of the new radius 85, half to even
  std::vector<TCanvasRecord> pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 1u);
  EXPECT_EQ(pies[0].RectAt(0), platform::TRect(15 - 26, 0, 185 - 26, 200));

  // 1 and 3: the second, centred at 5/4 pi, moves left and down.
  pie.Clear();
  Add({1, 3});
  Paint();
  EXPECT_EQ(pie.ExplodedSlices().Percent(1), 30);
  EXPECT_EQ(pie.CircleBounds(), platform::TRect(10, 10, 190, 190));
  EXPECT_EQ(pie.ExplodeOffset(0), TPoint(0, 0));
  EXPECT_EQ(pie.ExplodeOffset(1), TPoint(-19, -19));
  pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[0].RectAt(0), platform::TRect(10, 10, 190, 190));
  EXPECT_EQ(pies[1].RectAt(0), platform::TRect(-9, 29, 171, 209));

  pie.SetExplodeBiggest(0);
  EXPECT_EQ(pie.ExplodedSlices().Percent(1), 0);
  Paint();
  EXPECT_FALSE(pie.Exploded());
  EXPECT_EQ(pie.CircleBounds(), platform::TRect(0, 0, 200, 200));
}

TEST_F(PieSeriesTest, ExplodedThreeDSlicesAreDrawnFromTheTopOfTheCircleForwards)
{
  // Middles at 1/8, 3/8, 3/4 and 3/2 pi: 3/8, 1/8, 1/4 and 1 pi from the top.
  Add({1, 1, 2, 4});
  Paint(true);
  EXPECT_EQ(pie.Drawn, (std::vector<int>{0, 1, 2, 3}));  // no explosion: in point order
  pie.ExplodedSlices().SetPercent(3, 10);
  Paint(true);
  EXPECT_EQ(pie.Drawn, (std::vector<int>{1, 2, 0, 3}));
  // Rotated a half turn, the last slice's middle is at the top.
  pie.SetRotationAngle(180);
  Paint(true);
  EXPECT_EQ(pie.Drawn.front(), 3);
  EXPECT_NEAR(pie.SliceDistance(3), 0, 1e-12);
  EXPECT_NEAR(pie.SliceDistance(1), 0.875 * kPi, 1e-12);
}

// The back-to-front order used to be a table of 1024 slices.
TEST_F(PieSeriesTest, ExplodedThreeDPiesOfManySlicesDrawEverySliceInOrder)
{
  for (int i = 0; i < 3000; ++i) pie.Add(1 + i % 7);
  pie.SetExplodeBiggest(20);
  Paint(true);
  ASSERT_EQ(pie.Drawn.size(), 3000u);
  std::vector<bool> seen(3000, false);
  for (std::size_t k = 0; k < pie.Drawn.size(); ++k) {
    seen[std::size_t(pie.Drawn[k])] = true;
    if (k > 0) {
      EXPECT_LE(pie.SliceDistance(pie.Drawn[k - 1]), pie.SliceDistance(pie.Drawn[k]));
    }
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 3000);
}

TEST_F(PieSeriesTest, ThreeDSidesShowOnlyInAnExplodedPie)
{
  // A slice's radial sides are four-cornered polygons from the centre its face starts at.
  const auto sides = [this] {
    std::vector<TPoint> centres;
    const std::vector<TCanvasRecord> polygons = Drawn(TCanvasOp::Polygon);
    for (const TCanvasRecord& r : polygons)
      if (r.Points.size() == 33) centres.push_back(r.Points[0]);
    int n = 0;
    for (const TCanvasRecord& r : polygons)
      if (r.Points.size() == 4 && std::find(centres.begin(), centres.end(), r.Points[0]) != centres.end()) ++n;
    return n;
  };
  Add({1, 1, 2, 4});
  Paint(true);
  EXPECT_EQ(sides(), 0);
  pie.SetExplodeBiggest(15);
  Paint(true);
  EXPECT_GT(sides(), 0);
}

TEST_F(PieSeriesTest, PatternsHatchSlicesAndTheirLegendSymbols)
{
  Add({1, 1, 1});
  pie.SetUsePatterns(true);
  Paint();
  const std::vector<TCanvasRecord> pies = Drawn(TCanvasOp::Pie);
  ASSERT_EQ(pies.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pies[std::size_t(i)].State.Brush.Style, PatternBrushStyle(i)) << i;
    EXPECT_EQ(pies[std::size_t(i)].State.BkMode, platform::TBkMode::bmOpaque) << i;
  }
  // With the second point merged the legend's second item is the third point's hatch.
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.PieValues().SetValue(1, 0.01);
  pie.OtherSlice().SetValue(1);
  Paint();
  TColor back = platform::clDefault;
  platform::TBrushStyle style = platform::TBrushStyle::bsSolid;
  pie.PrepareLegendCanvas(1, back, style);
  EXPECT_EQ(style, PatternBrushStyle(2));
  EXPECT_EQ(back, chart.Color());
}

TEST_F(PieSeriesTest, MarksSitOutsideTheirSlicesAndMergedPointsHaveNone)
{
  pie.Marks().SetVisible(true);
  pie.SetRotationAngle(90);
  pie.Add(1, "left");
  pie.Add(1, "right");
  pie.Add(0.001, "tiny");
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(0.5);
  Paint();
  pie.DrawMarks();
  std::vector<QString> texts;
  TPoint left, right;
  for (const TCanvasRecord& r : Drawn(TCanvasOp::TextOut)) {
    texts.push_back(r.Text);
    if (r.Text == "left") left = r.Points[0];
    if (r.Text == "right") right = r.Points[0];
  }
  EXPECT_EQ(texts, (std::vector<QString>{"left", "right", "Other"}));
  EXPECT_LT(left.X, pie.CenterX() - pie.RadiusX());
  EXPECT_GT(right.X, pie.CenterX() + pie.RadiusX());
}

struct THitCase {
  const char* name;
  int x, y;
  int slice;
};

TEST_F(PieSeriesTest, ClicksFindTheSliceUnderThePixel)
{
  Add({1, 3});
  Paint();
  const THitCase flat[] = {
      {"upper right quarter", 150, 50, 0},
      {"lower left", 50, 150, 1},
      {"just above the start line", 190, 99, 0},
      {"just below it", 190, 101, 1},
      {"the centre", 100, 100, 0},
      {"a corner outside the circle", 195, 5, -1},
      {"beside the pie", 250, 100, -1},
  };
  for (const THitCase& c : flat) EXPECT_EQ(pie.Clicked(c.x, c.y), c.slice) << c.name;

  // Exploded, the second slice is moved 19 left and 19 down from the centre (100, 100).
  pie.SetExplodeBiggest(30);
  Paint();
  const THitCase exploded[] = {
      {"the moved slice beyond the old circle", 21, 179, 1},
      {"the gap it leaves at the centre", 95, 105, -1},
      {"the first slice in place", 150, 50, 0},
      {"where the moved slice left", 175, 120, -1},
  };
  for (const THitCase& c : exploded) EXPECT_EQ(pie.Clicked(c.x, c.y), c.slice) << c.name;

  pie.SetExplodeBiggest(0);
  pie.SetRotationAngle(90);
  Paint();
  EXPECT_EQ(pie.Clicked(110, 5), 1);  // just left of the top: the end of the larger slice
  EXPECT_EQ(pie.Clicked(90, 5), 0);
}

TEST_F(PieSeriesTest, ThreeDClicksAreTakenBackFromTheProjection)
{
  Add({1, 3});
  Paint(true);
  // Chart points inside each slice, clicked where the projection shows them.
  struct TCase {
    double angle, fraction;
    int slice;
  };
  const TCase cases[] = {{kPi / 4, 0.5, 0}, {0.1, 0.9, 0}, {kPi, 0.5, 1}, {1.9 * kPi, 0.9, 1}, {kPi / 4, 1.3, -1}};
  int moved = 0;
  for (const TCase& c : cases) {
    const int x = pie.CenterX() + int(std::lround(std::cos(c.angle) * pie.RadiusX() * c.fraction));
    const int y = pie.CenterY() - int(std::lround(std::sin(c.angle) * pie.RadiusY() * c.fraction));
    const TPoint screen = chart.Canvas().ChartToScreen(x, y, 0);
    if (screen != TPoint(x, y)) ++moved;
    EXPECT_EQ(pie.Clicked(screen.X, screen.Y), c.slice) << c.angle << " " << c.fraction;
  }
  EXPECT_GT(moved, 0);
}

TEST_F(PieSeriesTest, SamplesCountUpFromOneAndCycleTheirLabels)
{
  int calls = 0;
  pie.SetRandomSource([&calls](int n) {
    ++calls;
    EXPECT_EQ(n, 1000);
    return calls % 2 == 0 ? 999 : 0;
  });
  pie.FillSampleValues(10);
  ASSERT_EQ(pie.Count(), 10);
  const char* labels[] = {"Cars", "Phones", "Tables", "Monitors", "Lamps", "Keyboards", "Bikes", "Chairs", "Cars", "Phones"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(pie.ValueLabel(i), labels[i]) << i;
    EXPECT_EQ(pie.PieValues().GetValue(i), i % 2 == 0 ? 1 : 1000) << i;
  }
  EXPECT_EQ(pie.NumSampleValues(), 8);
  pie.FillSampleValues(0);
  EXPECT_EQ(pie.Count(), 0);
}

TEST_F(PieSeriesTest, GalleryAndViewSetThePieView)
{
  chart.Is3D = true;
  pie.PrepareForGallery(false);
  EXPECT_EQ(pie.Count(), 8);
  EXPECT_EQ(chart.DepthPercent, 75);
  EXPECT_FALSE(pie.Circled());
  EXPECT_FALSE(pie.ColorEachPoint());
  EXPECT_FALSE(chart.View.Orthogonal());
  EXPECT_EQ(chart.View.Rotation(), 0);
  EXPECT_EQ(chart.View.Elevation(), 305);

  chart.View.SetElevation(10);
  chart.Is3D = false;
  pie.PrepareForGallery(true);
  EXPECT_TRUE(pie.Circled());
  EXPECT_TRUE(pie.ColorEachPoint());
  chart.View.SetRotation(40);
  pie.GalleryChanged3D(true);
  EXPECT_TRUE(chart.Is3D);
  EXPECT_EQ(chart.View.Rotation(), 0);
  EXPECT_EQ(pie.GetEditorClassName(), "TPieSeriesEditor");
}

TEST_F(PieSeriesTest, DefaultsAndRangesLeaveTheAxesAlone)
{
  TPieSeries fresh;
  EXPECT_TRUE(fresh.ColorEachPoint());
  EXPECT_TRUE(fresh.Dark3D());
  EXPECT_TRUE(fresh.Marks().Visible());
  EXPECT_EQ(fresh.Marks().ArrowLength(), 8);
  EXPECT_EQ(fresh.PieValues().Name(), "Pie");
  EXPECT_TRUE(fresh.XValues().Name().isEmpty());
  EXPECT_EQ(fresh.OtherSlice().Text(), "Other");
  EXPECT_EQ(fresh.OtherSlice().Style(), TPieOtherStyle::poNone);

  chart.Bottom.SetMinMax(-5, 7);
  chart.Left.SetMinMax(2, 3);
  Add({100, 400});
  EXPECT_EQ(pie.MinXValue(), -5);
  EXPECT_EQ(pie.MaxXValue(), 7);
  EXPECT_EQ(pie.MinYValue(), 2);
  EXPECT_EQ(pie.MaxYValue(), 3);
}

TEST_F(PieSeriesTest, TheExplodeListFollowsSortsAndClearsButNotDeletes)
{
  Add({3, 1, 2});
  pie.ExplodedSlices().SetPercent(0, 25);
  pie.PieValues().SetOrder(TChartListOrder::loAscending);
  Paint();
  EXPECT_EQ(pie.PieValues().GetValue(2), 3);
  EXPECT_EQ(pie.ExplodedSlices().Percent(2), 25);
  EXPECT_EQ(pie.ExplodedSlices().Percent(0), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(pie.XValues().GetValue(i), i);  // renumbered
  pie.Delete(0);
  EXPECT_EQ(pie.ExplodedSlices().Percent(2), 25);  // stays with the index
  pie.Clear();
  EXPECT_EQ(pie.ExplodedSlices().Count(), 0);
  EXPECT_EQ(pie.ExplodedSlices().Percent(5), 0);
  const int repaints = chart.Repaints;
  pie.ExplodedSlices().SetPercent(4, 10);
  EXPECT_EQ(pie.ExplodedSlices().Count(), 5);
  EXPECT_EQ(chart.Repaints, repaints + 1);
  pie.ExplodedSlices().SetPercent(4, 10);
  EXPECT_EQ(chart.Repaints, repaints + 1);
}

TEST_F(PieSeriesTest, ADrawingWithAnOtherSliceDoesNotAskForAnotherRepaint)
{
  Add({50, 30, 2, 1});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(5);
  pie.SetExplodeBiggest(10);
  const int repaints = chart.Repaints;
  Paint();
  Paint();
  EXPECT_EQ(chart.Repaints, repaints);
  EXPECT_TRUE(chart.IsReady());
}

TEST_F(PieSeriesTest, AssignCopiesThePieSettingsButNotTheExplodeList)
{
  TPieSeries source;
  source.SetDark3D(false);
  source.SetUsePatterns(true);
  source.PiePen().SetWidth(3);
  source.PiePen().SetColor(platform::clRed);
  source.SetExplodeBiggest(40);
  source.ExplodedSlices().SetPercent(2, 50);
  source.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  source.OtherSlice().SetText(QStringLiteral("Rest"));
  source.OtherSlice().SetValue(12.5);
  source.SetRotationAngle(45);
  source.SetColorEachPoint(false);

  TPieSeries copy;
  copy.SetColorEachPoint(false);
  copy.Assign(source);
  EXPECT_FALSE(copy.Dark3D());
  EXPECT_TRUE(copy.UsePatterns());
  EXPECT_EQ(copy.PiePen().Width(), 3);
  EXPECT_EQ(copy.PiePen().Color(), platform::clRed);
  EXPECT_EQ(copy.ExplodeBiggest(), 40);
  EXPECT_EQ(copy.ExplodedSlices().Count(), 0);
  EXPECT_EQ(copy.OtherSlice().Style(), TPieOtherStyle::poBelowPercent);
  EXPECT_EQ(copy.OtherSlice().Text(), "Rest");
  EXPECT_EQ(copy.OtherSlice().Value(), 12.5);
  EXPECT_EQ(copy.RotationAngle(), 45);
  EXPECT_TRUE(copy.ColorEachPoint());
}

}  // namespace
}  // namespace chart::testing
