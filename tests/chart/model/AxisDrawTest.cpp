#include "chart/model/ChartAxis.h"

#include "chart/support/TextLines.h"
#include "tests/chart/model/AxisDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

namespace chart {
namespace {

using platform::TPenStyle;
using testing::TAxisRecording;
using testing::TDrawnLine;

std::vector<QString> Local(std::initializer_list<const char*> texts)
{
  std::vector<QString> local;
  for (const char* t : texts)
    local.push_back(ToLocalNumberFormat(QString::fromLatin1(t)));
  return local;
}

// The x of the vertical lines of this length hanging from y.
std::vector<int> TicksFrom(const std::vector<TDrawnLine>& lines, int y, int length)
{
  std::vector<int> xs;
  for (const TDrawnLine& l : lines)
    if (l.From.X == l.To.X && l.From.Y == y && l.To.Y == y + length)
      xs.push_back(l.From.X);
  return xs;
}

// A bottom axis along the plot's bottom edge, grid and inner ticks hidden.
void MakeBottomAxis(TChartAxis& axis, double min, double max)
{
  axis.SetHorizontal(true);
  axis.SetMinMax(min, max);
  axis.AdjustMaxMin();
  axis.CalcPixelRange();
  axis.Grid().SetVisible(false);
  axis.TicksInner().SetVisible(false);
}

TEST(AxisDraw, LogarithmicAxisLabelsEachPowerWithMinorTicksBetween)
{
  TAxisRecording rec;
  rec.Chart.Plot = {0, 0, 300, 200};
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 1, 1000);
  axis.SetLogarithmic(true);
  axis.Draw(true);

  EXPECT_EQ(rec.TextStrings(), Local({"1", "10", "100", "1,000"}));
  std::vector<int> at;
  for (const auto& t : rec.Texts())
    at.push_back(t.At.X);
  EXPECT_EQ(at, (std::vector<int>{0, 100, 200, 300}));
  const auto ticks = rec.LinesOf(TPenStyle::psSolid, 1);
  EXPECT_EQ(TicksFrom(ticks, 200, 4), (std::vector<int>{0, 100, 200, 300}));
  // 3.25, 5.5, 7.75 and their tens and hundreds; none beyond 1000.
  EXPECT_EQ(TicksFrom(ticks, 200, 2), (std::vector<int>{51, 74, 89, 151, 174, 189, 251, 274, 289}));

  // A range from 0 starts at 0.1.
  TAxisRecording fromZero;
  fromZero.Chart.Plot = {0, 0, 300, 200};
  TChartAxis zeroAxis(&fromZero.Chart);
  MakeBottomAxis(zeroAxis, 0, 1000);
  zeroAxis.SetLogarithmic(true);
  zeroAxis.MinorTicks().SetVisible(false);
  zeroAxis.Draw(true);
  EXPECT_EQ(fromZero.TextStrings(), Local({"0.1", "1", "10", "100", "1,000"}));
  EXPECT_EQ(TicksFrom(fromZero.LinesOf(TPenStyle::psSolid, 1), 200, 4), (std::vector<int>{0, 75, 150, 225, 300}));
  EXPECT_EQ(zeroAxis.RangeMin(), 0.1);
}

TEST(AxisDraw, PowerLabelsEndAtAnInfiniteMaximumOrAfterAThousand)
{
  struct TCase {
    int Base;
    double Max;
    size_t Labels;
  };
  const TCase cases[] = {
      {10, std::numeric_limits<double>::infinity(), 309},  // 1e0 .. 1e308, then no finite power
      {2, 1e308, 1000},                                     // 2^0 .. 2^1023 would be 1024
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Base);
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, 1, 1000);
    axis.SetLogarithmic(true);
    axis.SetLogarithmicBase(c.Base);
    axis.MinorTicks().SetVisible(false);
    axis.SetRange(1, c.Max);
    axis.Draw(true);
    EXPECT_EQ(rec.Texts().size(), c.Labels);
  }
}

TEST(AxisDraw, ValueLabelsFromTheMaximumDown)
{
  struct TCase {
    double Min, Max;
    bool OnAxis;
    bool RoundFirst;
    std::vector<QString> Labels;
  };
  const TCase cases[] = {
      {0, 100, true, true, Local({"100", "80", "60", "40", "20", "0"})},
      {0, 100, false, true, Local({"80", "60", "40", "20"})},  // no label at the range ends
      {5, 95, true, true, Local({"80", "60", "40", "20"})},
      {5, 95, true, false, Local({"95", "75", "55", "35", "15"})},
      {-50, -10, false, true, Local({"-20", "-40"})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Min);
    SCOPED_TRACE(c.OnAxis);
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, c.Min, c.Max);
    axis.SetIncrement(20);
    axis.SetLabelsOnAxis(c.OnAxis);
    axis.SetRoundFirstLabel(c.RoundFirst);
    axis.Draw(true);
    EXPECT_EQ(rec.TextStrings(), c.Labels);
  }
}

TEST(AxisDraw, MonthlyDateLabelsFollowTheCalendar)
{
  TAxisRecording rec;
  rec.Chart.DateTime = true;
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 45292, 45450);  // 1 January to 7 June 2024
  axis.SetDateTimeFormat("dd/mm");
  axis.SetIncrement(30);  // a month
  axis.Draw(true);
  EXPECT_EQ(rec.TextStrings(), (std::vector<QString>{"01/06", "01/05", "01/04", "01/03", "01/02", "01/01"}));
}

TEST(AxisDraw, TooManyValueStepsDrawNothing)
{
  struct TCase {
    double Max;
    size_t Labels;
  };
  const TCase cases[] = {{50, 51}, {9999, 10000}, {10000, 0}, {1e300, 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Max);
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, 0, c.Max);
    axis.SetLabelsSeparation(0);  // the step stays 1
    axis.SetIncrement(1);
    axis.Draw(true);
    EXPECT_EQ(rec.Texts().size(), c.Labels);
  }
}

TEST(AxisDraw, TitlesInTheirFontAndPlace)
{
  struct TCase {
    TAxisSide Side;
    int Angle;
    platform::TPoint At;  // on the orthogonal view: (x + z, y - z)
    unsigned Align;
  };
  // Plot (0,0)-(400,300), depth 100, title pixel 340, axes along the whole plot.
  const TCase cases[] = {
      {TAxisSide::Bottom, 0, {200, 340}, platform::TA_CENTER | platform::TA_TOP},
      {TAxisSide::Top, 0, {300, 240}, platform::TA_CENTER | platform::TA_BOTTOM},
      {TAxisSide::Depth, 0, {390, 250}, platform::TA_LEFT | platform::TA_TOP},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TAxisRecording rec;
    rec.Chart.Begin3D(rec.Target);
    std::unique_ptr<TCustomChartAxis> axis;
    if (c.Side == TAxisSide::Depth) {
      axis = std::make_unique<TChartDepthAxis>(&rec.Chart);
    } else {
      axis = std::make_unique<TChartAxis>(&rec.Chart);
      axis->SetHorizontal(true);
      axis->SetOtherSide(c.Side == TAxisSide::Top);
    }
    axis->SetHorizontal(c.Side != TAxisSide::Depth);
    axis->CalcPixelRange();
    axis->SetLabels(false);
    axis->SetTitlePixel(340);
    axis->Title().SetCaption("Time");
    axis->Title().Font().SetHeight(-20);
    axis->Draw(false);
    const auto texts = rec.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].Text, "Time");
    EXPECT_EQ(texts[0].At, c.At);
    EXPECT_EQ(texts[0].Align, c.Align);
    EXPECT_EQ(texts[0].Font.Height, -20);
  }
}

TEST(AxisDraw, WhiteTextIsPrintedBlackOnTheChartColour)
{
  for (const bool printing : {false, true}) {
    TAxisRecording rec;
    rec.Chart.Printing = printing;
    rec.Chart.BackColor = platform::clYellow;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, 0, 100);
    axis.SetIncrement(100);
    axis.LabelsFont().SetColor(platform::clWhite);
    axis.Title().Font().SetColor(platform::clWhite);
    axis.Title().SetCaption("Title");
    axis.Draw(true);
    std::vector<const platform::TCanvasRecord*> texts;
    for (const auto& r : rec.Target.Records())
      if (r.Op == platform::TCanvasOp::TextOut)
        texts.push_back(&r);
    ASSERT_EQ(texts.size(), 3u);
    for (const platform::TCanvasRecord* r : texts) {
      EXPECT_EQ(r->State.Font.Color, printing ? platform::clBlack : platform::clWhite);
      EXPECT_EQ(r->State.Brush.Color, platform::clYellow);
      EXPECT_EQ(r->State.Brush.Style, platform::TBrushStyle::bsClear);
    }
  }
}

TEST(AxisDraw, PositionPercentMovesTheLineIntoThePlot)
{
  TAxisRecording rec;
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 0, 100);
  axis.SetPositionPercent(25);
  axis.Draw(true);
  EXPECT_EQ(axis.AxisPixel(), 225);  // 25 % of 300 up from the bottom
  const auto line = rec.LinesOf(TPenStyle::psSolid, 2);
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].From, (platform::TPoint{0, 225}));
  EXPECT_EQ(line[0].To, (platform::TPoint{400, 225}));
}

TEST(AxisDraw, TicksWithoutLabelsFollowTickOnLabelsOnly)
{
  struct TCase {
    bool Labels, TickOnLabelsOnly;
    size_t Texts;
    std::vector<int> Ticks;
  };
  const TCase cases[] = {
      {true, true, 3, {400, 200, 0}},
      {false, false, 0, {400, 200, 0}},  // every step still ticked
      {false, true, 0, {}},              // no labels, no ticks
  };
  for (const TCase& c : cases) {
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, 0, 100);
    axis.SetIncrement(50);
    axis.MinorTicks().SetVisible(false);
    axis.SetLabels(c.Labels);
    axis.SetTickOnLabelsOnly(c.TickOnLabelsOnly);
    axis.Draw(true);
    EXPECT_EQ(rec.Texts().size(), c.Texts);
    EXPECT_EQ(TicksFrom(rec.LinesOf(TPenStyle::psSolid, 1), 300, 4), c.Ticks);
  }
}

TEST(AxisDraw, MinorTicksInnerTicksAndACentredGrid)
{
  TAxisRecording rec;
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 0, 100);
  axis.SetIncrement(50);
  axis.TicksInner().SetVisible(true);
  axis.SetTickInnerLength(3);
  axis.Grid().SetVisible(true);
  axis.SetGridCentered(true);
  axis.Draw(true);
  const auto solid = rec.LinesOf(TPenStyle::psSolid, 1);
  EXPECT_EQ(TicksFrom(solid, 300, 2), (std::vector<int>{250, 300, 350, 50, 100, 150}));
  EXPECT_EQ(TicksFrom(solid, 300, -3), (std::vector<int>{400, 200, 0}));
  // Halfway between the ticks, none at the first.
  std::vector<int> grid;
  for (const TDrawnLine& l : rec.Lines())
    if (l.Pen.Style == TPenStyle::psAlternate || l.Pen.Style == TPenStyle::psDot) {
      EXPECT_EQ(l.From.Y, 0);
      EXPECT_EQ(l.To.Y, 300);
      EXPECT_EQ(l.Pen.Color, platform::clGray);
      grid.push_back(l.From.X);
    }
  EXPECT_EQ(grid, (std::vector<int>{300, 100}));
}

TEST(AxisDraw, CustomLabelsUntilStopOrAValueOutside)
{
  struct TCase {
    std::vector<double> Values;  // a stop after them
    std::vector<QString> Labels;
  };
  const TCase cases[] = {
      {{10, 50, 90}, Local({"10", "50", "90"})},
      {{10, 100.00000001, 150, 30}, Local({"10", "100"})},  // within the slack, then the first outside ends
      {{}, Local({"100", "50", "0"})},                      // stop at once: the value labels
  };
  for (const TCase& c : cases) {
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    MakeBottomAxis(axis, 0, 100);
    axis.SetIncrement(50);
    int calls = 0;
    rec.Chart.OnNextLabel = [&](int index, double& value, bool& stop) {
      EXPECT_EQ(index, calls++);
      EXPECT_EQ(value, 0);
      EXPECT_TRUE(stop);
      if (index < static_cast<int>(c.Values.size())) {
        value = c.Values[index];
        stop = false;
      }
    };
    axis.Draw(true);
    EXPECT_EQ(rec.TextStrings(), c.Labels);
  }

  // A handler that never stops is asked at most 1001 times.
  TAxisRecording endless;
  TChartAxis axis(&endless.Chart);
  MakeBottomAxis(axis, 0, 100);
  int calls = 0;
  endless.Chart.OnNextLabel = [&](int, double& value, bool& stop) {
    ++calls;
    value = 50;
    stop = false;
  };
  axis.Draw(true);
  EXPECT_EQ(calls, 1001);
}

TEST(AxisDraw, TextLabelsThatWouldOverlapAreSkipped)
{
  TAxisRecording rec;
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 0, 400);
  axis.SetLabelStyle(TAxisLabelStyle::talText);
  axis.LabelsFont().SetName("Courier New");
  axis.LabelsFont().SetSize(10);
  rec.Chart.Canvas().Font().Assign(axis.LabelsFont());
  ASSERT_EQ(rec.Chart.Canvas().TextWidthOf("ABCDE"), 40);
  for (int i = 0; i <= 14; ++i)  // the last lies beyond the range
    rec.Chart.TextLabels.push_back({QStringLiteral("ABCDE"), 30.0 * i});
  rec.Chart.MarkLabels = {{QStringLiteral("mark"), 200}};

  axis.Draw(true);
  std::vector<int> at;
  for (const auto& t : rec.Texts())
    at.push_back(t.At.X);
  EXPECT_EQ(at, (std::vector<int>{0, 60, 120, 180, 240, 300, 360}));

  // Without separation every label is drawn; marks give their own texts.
  rec.Target.Clear();
  axis.SetLabelsSeparation(0);
  axis.Draw(true);
  EXPECT_EQ(rec.Texts().size(), 14u);
  rec.Target.Clear();
  axis.SetLabelStyle(TAxisLabelStyle::talMark);
  axis.Draw(true);
  EXPECT_EQ(rec.TextStrings(), std::vector<QString>{"mark"});
}

TEST(AxisDraw, DepthAxisLabelsEachSeriesOnTheFloor)
{
  TAxisRecording rec;
  rec.Chart.Begin3D(rec.Target);
  TChartDepthAxis axis(&rec.Chart);
  axis.SetRange(0, 2);  // three series
  axis.SetLabelsPixel(410);
  axis.Draw(false);
  const auto texts = rec.Texts();
  ASSERT_EQ(texts.size(), 3u);
  // Series z in the middle of its slice, the first at the back: depths 75, 25, -25.
  const platform::TPoint at[] = {{485, 225}, {435, 275}, {385, 325}};
  for (int z = 0; z < 3; ++z) {
    EXPECT_EQ(texts[z].Text, QStringLiteral("Series %1").arg(z));
    EXPECT_EQ(texts[z].At, at[z]);
    EXPECT_EQ(texts[z].Align, platform::TA_LEFT | platform::TA_TOP);
  }
}

TEST(AxisDraw, AxisLinesOfEverySideReachOverTheWalls)
{
  struct TCase {
    TAxisSide Side;
    platform::TPoint From, To;  // on the orthogonal view: (x + z, y - z)
  };
  // Plot (20,10)-(380,290), depth 100; left wall 5, bottom wall 7; axis line at AxisPixel 50.
  const TCase cases[] = {
      {TAxisSide::Bottom, {15, 57}, {380, 57}},   // from under the left wall, below the bottom wall
      {TAxisSide::Top, {120, -50}, {480, -50}},   // at the back
      {TAxisSide::Left, {45, 10}, {45, 297}},     // beside the left wall, down over the bottom wall
      {TAxisSide::Right, {150, -90}, {150, 190}},
      {TAxisSide::Depth, {380, 297}, {480, 197}},  // along the floor's right edge
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TAxisRecording rec;
    rec.Chart.Plot = {20, 10, 380, 290};
    rec.Chart.LeftWall = 5;
    rec.Chart.BottomWall = 7;
    rec.Chart.Begin3D(rec.Target);
    std::unique_ptr<TCustomChartAxis> axis;
    if (c.Side == TAxisSide::Depth) {
      axis = std::make_unique<TChartDepthAxis>(&rec.Chart);
    } else {
      axis = std::make_unique<TChartAxis>(&rec.Chart);
      axis->SetHorizontal(c.Side == TAxisSide::Bottom || c.Side == TAxisSide::Top);
      axis->SetOtherSide(c.Side == TAxisSide::Top || c.Side == TAxisSide::Right);
    }
    axis->CalcPixelRange();
    axis->SetAxisPixel(50);
    rec.Target.Clear();
    axis->DrawAxisLine(rec.Chart.AxisWallSize(*axis));
    const auto lines = rec.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].From, c.From);
    EXPECT_EQ(lines[0].To, c.To);
  }
}

TEST(AxisDraw, GridsRunAlongTheWallsIn3D)
{
  struct TCase {
    TAxisSide Side;
    std::vector<platform::TPoint> Path;  // on the orthogonal view: (x + z, y - z)
  };
  // Plot (20,10)-(380,290), depth 100; one value at pixel 200 along the axis.
  const TCase cases[] = {
      {TAxisSide::Bottom, {{200, 290}, {300, 190}, {300, -90}}},  // floor, then back wall
      {TAxisSide::Top, {{300, -90}, {300, 190}}},                 // back wall
      {TAxisSide::Left, {{20, 200}, {120, 100}, {480, 100}}},     // left wall, then back wall
      {TAxisSide::Right, {{120, 100}, {480, 100}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TAxisRecording rec;
    rec.Chart.Plot = {20, 10, 380, 290};
    rec.Chart.Begin3D(rec.Target);
    TChartAxis axis(&rec.Chart);
    const bool horizontal = c.Side == TAxisSide::Bottom || c.Side == TAxisSide::Top;
    axis.SetHorizontal(horizontal);
    axis.SetOtherSide(c.Side == TAxisSide::Top || c.Side == TAxisSide::Right);
    axis.Axis().SetVisible(false);
    axis.Ticks().SetVisible(false);
    axis.MinorTicks().SetVisible(false);
    axis.TicksInner().SetVisible(false);
    axis.SetLabels(false);
    axis.SetTickOnLabelsOnly(false);
    axis.SetMinMax(0, 100);
    axis.SetIncrement(100);
    axis.AdjustMaxMin();
    axis.SetLabelsOnAxis(false);
    axis.SetRange(0, 200);  // one value, 100, drawn at pixel 200 along the axis
    axis.SetPixelRange(100, 300);
    axis.Draw(true);
    std::vector<platform::TPoint> path;
    for (const TDrawnLine& l : rec.Lines()) {
      if (path.empty())
        path.push_back(l.From);
      path.push_back(l.To);
    }
    EXPECT_EQ(path, c.Path);
    const auto& records = rec.Target.Records();
    const auto last = std::find_if(records.rbegin(), records.rend(),
                                   [](const auto& r) { return r.Op == platform::TCanvasOp::LineTo; });
    ASSERT_NE(last, records.rend());
    EXPECT_EQ(last->State.BkMode, platform::TBkMode::bmTransparent);
    EXPECT_EQ(rec.Chart.Canvas().GetBackgroundMode(), platform::TBkMode::bmOpaque);
  }
}

TEST(AxisDraw, CustomDrawMinMaxRestoresTheAxisWhateverHappens)
{
  TAxisRecording rec;
  TChartAxis axis(&rec.Chart);
  MakeBottomAxis(axis, 0, 100);
  axis.SetIncrement(50);
  axis.SetAutomatic(true);
  axis.Grid().SetVisible(true);
  const int repaints = rec.Chart.Invalidations;

  axis.CustomDrawMinMax(320, 340, 310, false, -5, 5, 5, 50, 150);
  EXPECT_EQ(rec.TextStrings(), Local({"5", "0", "-5"}));
  EXPECT_EQ(rec.LinesOf(TPenStyle::psDot, 1).size(), 0u);  // no grid for this drawing
  EXPECT_EQ(TicksFrom(rec.LinesOf(TPenStyle::psSolid, 1), 310, 4), (std::vector<int>{150, 100, 50}));
  EXPECT_EQ(rec.Texts()[0].At.Y, 320);

  const auto expectRestored = [&] {
    EXPECT_TRUE(axis.Automatic());
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 100);
    EXPECT_EQ(axis.Increment(), 50);
    EXPECT_EQ(axis.RangeMin(), 0);
    EXPECT_EQ(axis.RangeMax(), 100);
    EXPECT_TRUE(axis.Grid().Visible());
    EXPECT_EQ(rec.Chart.Invalidations, repaints);
  };
  expectRestored();
  rec.Chart.OnLabel = [](QString&) { throw std::runtime_error("label"); };
  EXPECT_THROW(axis.CustomDrawMinMax(320, 340, 310, false, -5, 5, 5, 50, 150), std::runtime_error);
  expectRestored();
  axis.Grid().SetVisible(false);  // the grid's notification is back
  EXPECT_EQ(rec.Chart.Invalidations, repaints + 1);
}

}  // namespace
}  // namespace chart
