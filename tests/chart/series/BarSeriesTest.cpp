#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/BarSeries.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/HorizBarSeries.h"
#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TLineTestChart;
using Calls = std::vector<std::string>;

// The line chart laid out on a square plot: both axes 300 pixels, the bottom axis 0..10 (30 pixels a
// unit), the left axis 0..100 (value v at pixel 300 - 3 v).
class TBarTestChart : public TLineTestChart {
public:
  TBarTestChart()
  {
    Plot = {0, 0, 300, 300};
    Canvas().SetProjection(0, Plot, Plot);
    Layout();
  }
  int MaxPointsPerPage() const override { return PointsPerPage; }
  int PointsPerPage = 0;
};

void AddValues(TChartSeries& series, const std::vector<double>& values, double firstX = 1)
{
  for (std::size_t i = 0; i < values.size(); ++i) series.AddXY(firstX + double(i), values[i]);
}

Calls Drawing(const Calls& calls)
{
  Calls result;
  for (const std::string& c : calls)
    if (c.rfind("MoveTo", 0) != 0) result.push_back(c);
  return result;
}

TEST(BarSeriesSize, WidthFromSlotsPercentAndSideSeries)
{
  struct Case {
    const char* Name;
    int Series;
    TMultiBar Mode;
    std::function<void(TBarSeries&)> Set;
    int Want;
  };
  const auto none = [](TBarSeries&) {};
  // Ten points on the 300-pixel bottom axis: a slot of 300 div 11 = 27.
  const std::vector<Case> cases{
      {"two side by side", 2, TMultiBar::mbSide, none, 10},
      {"one alone, made even", 1, TMultiBar::mbSide, none, 20},
      {"stacked series share the slot", 2, TMultiBar::mbStacked, none, 20},
      {"without side margins", 1, TMultiBar::mbNone, [](TBarSeries& s) { s.SetSideMargins(false); }, 22},
      {"by the axis range", 1, TMultiBar::mbNone, [](TBarSeries& s) { s.SetAutoBarSize(true); }, 18},
      {"full width", 1, TMultiBar::mbNone, [](TBarSeries& s) { s.SetBarWidthPercent(100); }, 28},
      {"one percent is no width", 1, TMultiBar::mbNone, [](TBarSeries& s) { s.SetBarWidthPercent(1); }, 0},
      {"custom", 2, TMultiBar::mbSide, [](TBarSeries& s) { s.SetCustomBarWidth(7); }, 7},
  };
  for (const Case& c : cases) {
    TBarTestChart chart;
    std::vector<std::unique_ptr<TBarSeries>> series;
    for (int i = 0; i < c.Series; ++i) {
      series.push_back(std::make_unique<TBarSeries>());
      chart.InsertSeries(*series.back());
      AddValues(*series.back(), std::vector<double>(10, 50));
    }
    series.front()->SetMultiBar(c.Mode);
    c.Set(*series.front());
    EXPECT_EQ(series.front()->BarWidth(), c.Want) << c.Name;
  }
  // A page of 5 points spaces the bars by 300 div 6 = 50: Round(35), made even.
  TBarTestChart chart;
  TBarSeries s;
  chart.InsertSeries(s);
  AddValues(s, std::vector<double>(10, 50));
  chart.PointsPerPage = 5;
  EXPECT_EQ(s.BarWidth(), 36);
  TBarSeries empty;
  EXPECT_EQ(empty.BarWidth(), 0);
}

TEST(BarSeriesSize, OutOfRangePercentsAreRefusedAndKeepTheOldValue)
{
  TBarSeries s;
  for (int bad : {0, 101, -5}) {
    try {
      s.SetBarWidthPercent(bad);
      ADD_FAILURE() << bad;
    } catch (const BarException& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Bar Width Percent must be between 1 and 100"));
    }
  }
  EXPECT_EQ(s.BarWidthPercent(), 70);
  for (int good : {1, 100}) {
    s.SetBarWidthPercent(good);
    EXPECT_EQ(s.BarWidthPercent(), good);
  }
  for (int bad : {-101, 101}) EXPECT_THROW(s.SetOffsetPercent(bad), BarException) << bad;
  EXPECT_EQ(s.OffsetPercent(), 0);
  for (int good : {-100, 100}) {
    s.SetOffsetPercent(good);
    EXPECT_EQ(s.OffsetPercent(), good);
  }
  THorizBarSeries h;
  try {
    h.FillSampleValues(0);
    ADD_FAILURE();
  } catch (const BarException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("FillSampleValues NumValues must be > 0"));
  }
}

// Ten points at x 1..10 (pixels 30..300) in two series side by side: width 10, the first series
// left of each point, the second at it.
TEST(BarSeriesDrawing, SideBySideStackedAndOffsetBars)
{
  TBarTestChart chart;
  TBarSeries a, b;
  chart.InsertSeries(a);
  chart.InsertSeries(b);
  AddValues(a, {50, 20, 0, 0, 0, 0, 0, 0, 0, 0});
  AddValues(b, {10, 60, 0, 0, 0, 0, 0, 0, 0, 0});
  a.SetBarPen(TChartPen{});
  a.BarPen().SetVisible(false);
  b.BarPen().SetVisible(false);
  const auto firstTwo = [&](TBarSeries& s) {
    Calls calls = chart.Paint(s);
    calls.resize(2);
    return calls;
  };
  EXPECT_EQ(a.CalcXPos(0), 20);
  EXPECT_EQ(b.CalcXPos(0), 30);
  EXPECT_EQ(firstTwo(a), (Calls{"Rectangle(20,150,30,300)", "Rectangle(50,240,60,300)"}));
  EXPECT_EQ(firstTwo(b), (Calls{"Rectangle(30,270,40,300)", "Rectangle(60,120,70,300)"}));

  // Stacked: b sits on a; the bars of width 20 are centred on the points.
  a.SetMultiBar(TMultiBar::mbStacked);
  EXPECT_EQ(b.MultiBar(), TMultiBar::mbStacked);
  EXPECT_EQ(firstTwo(b), (Calls{"Rectangle(20,120,40,150)", "Rectangle(50,60,70,240)"}));
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 80);

  // 100 %: 50 of 60 ends at 83.33 % (pixel 50), 20 of 80 at 25 % (pixel 225); b fills the rest.
  a.SetMultiBar(TMultiBar::mbStacked100);
  EXPECT_EQ(firstTwo(a), (Calls{"Rectangle(20,50,40,300)", "Rectangle(50,225,70,300)"}));
  EXPECT_EQ(firstTwo(b), (Calls{"Rectangle(20,0,40,50)", "Rectangle(50,0,70,225)"}));
  EXPECT_DOUBLE_EQ(a.MaxYValue(), 100);
  EXPECT_DOUBLE_EQ(a.MinYValue(), 0);

  // An offset of 50 % moves each bar by half its width.
  a.SetMultiBar(TMultiBar::mbNone);
  a.SetOffsetPercent(50);
  EXPECT_EQ(firstTwo(a), (Calls{"Rectangle(30,150,50,300)", "Rectangle(60,240,80,300)"}));
}

TEST(BarSeriesDrawing, ZeroTotalOfAHundredPercentStackIsNoBarAndNoHit)
{
  TBarTestChart chart;
  TBarSeries a, b;
  chart.InsertSeries(a);
  chart.InsertSeries(b);
  // At x 1 and 5 (pixels 30 and 150) two points give bars of 70 pixels.
  a.AddXY(1, 0);
  a.AddXY(5, 30);
  b.AddXY(1, 0);
  b.AddXY(5, 10);
  a.SetMultiBar(TMultiBar::mbStacked100);
  // Both ends of a zero total lie at value 0, not at the top of the plot.
  EXPECT_EQ(a.BarValuePixel(0), 300);
  EXPECT_EQ(b.BarOriginPixel(0), 300);
  EXPECT_EQ(b.BarValuePixel(0), 300);
  a.BarPen().SetVisible(false);
  EXPECT_EQ(Drawing(chart.Paint(a)), (Calls{"Rectangle(115,75,185,300)"}));
  b.CalcVisibleRange();
  EXPECT_EQ(b.Clicked(30, 300), -1);
  EXPECT_EQ(b.Clicked(30, 0), -1);
  EXPECT_EQ(b.Clicked(150, 40), 1);
}

TEST(BarSeriesDrawing, OriginUseYOriginAndThinBars)
{
  TBarTestChart chart;
  TBarSeries s;
  chart.InsertSeries(s);
  s.SetMultiBar(TMultiBar::mbNone);
  s.SetCustomBarWidth(10);
  AddValues(s, {20, 60});
  s.SeriesColor();
  s.BarPen().SetVisible(false);
  s.SetYOrigin(40);
  // The bar below the origin grows down from it; the one above grows up.
  EXPECT_EQ(chart.Paint(s), (Calls{"Rectangle(25,180,35,240)", "Rectangle(55,120,65,180)"}));
  EXPECT_DOUBLE_EQ(s.MinYValue(), 20);
  s.SetYOrigin(70);
  EXPECT_DOUBLE_EQ(s.MaxYValue(), 70);
  s.SetUseYOrigin(false);
  EXPECT_EQ(chart.Paint(s), (Calls{"Rectangle(25,240,35,300)", "Rectangle(55,120,65,300)"}));
  EXPECT_DOUBLE_EQ(s.MaxYValue(), 60);

  // A bar of no height is a line in its colour; one thinner than the pen is drawn by the pen alone.
  s.SetUseYOrigin(true);
  s.SetYOrigin(20);
  s.BarPen().SetVisible(true);
  s.BarPen().SetWidth(4);
  s.SetSeriesColor(platform::clRed);
  chart.Paint(s);
  const auto& records = chart.Target.Records();
  std::vector<const platform::TCanvasRecord*> drawn;
  for (const auto& r : records)
    if (r.IsDrawing() && r.ToString().rfind("MoveTo", 0) != 0) drawn.push_back(&r);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0]->ToString(), "LineTo(25,240,35,240)");
  EXPECT_EQ(drawn[0]->State.Pen.Color, platform::clRed);
  s.SetYOrigin(59);
  chart.Paint(s);
  const auto& thin = chart.Target.Records();
  for (const auto& r : thin) {
    if (!r.IsDrawing() || r.ToString().rfind("Rectangle(55", 0) != 0) continue;
    EXPECT_EQ(r.State.Pen.Color, platform::clRed);
    EXPECT_EQ(r.State.Brush.Style, platform::TBrushStyle::bsClear);
  }
}

TEST(BarSeriesDrawing, FlatStylesAndTheStyleEvent)
{
  struct Case {
    TBarStyle Style;
    Calls Want;
  };
  // One bar from x 25 to 35 (middle 30), value 50 (pixel 150) down to the axis (pixel 300).
  const std::vector<Case> cases{
      {TBarStyle::bsRectangle, {"Rectangle(25,150,35,300)"}},
      {TBarStyle::bsCilinder, {"Rectangle(25,150,35,300)"}},
      {TBarStyle::bsPyramid, {"Polygon(25,300,30,150,35,300)"}},
      {TBarStyle::bsInvPyramid, {"Polygon(25,150,30,300,35,150)"}},
      {TBarStyle::bsEllipse, {"Ellipse(25,150,35,300)"}},
  };
  for (const Case& c : cases) {
    TBarTestChart chart;
    TBarSeries s;
    chart.InsertSeries(s);
    s.SetCustomBarWidth(10);
    s.BarPen().SetVisible(false);
    AddValues(s, {50});
    s.SetBarStyle(c.Style);
    EXPECT_EQ(Drawing(chart.Paint(s)), c.Want) << int(c.Style);
  }
  TBarTestChart chart;
  TBarSeries s;
  chart.InsertSeries(s);
  s.SetCustomBarWidth(10);
  s.BarPen().SetVisible(false);
  AddValues(s, {50, 50});
  std::vector<int> asked;
  s.OnGetBarStyle = [&](TCustomBarSeries& sender, int valueIndex, TBarStyle& style) {
    EXPECT_EQ(&sender, &s);
    asked.push_back(valueIndex);
    // Only the low seven bits count.
    if (valueIndex == 1) style = TBarStyle(0x80 | int(TBarStyle::bsPyramid));
  };
  EXPECT_EQ(Drawing(chart.Paint(s)), (Calls{"Rectangle(25,150,35,300)", "Polygon(55,300,60,150,65,300)"}));
  EXPECT_EQ(asked, (std::vector<int>{0, 1}));
}

TEST(BarSeriesDrawing, SideBySideBarsShareOneDepthIn3D)
{
  TBarTestChart chart;
  TBarSeries a, b, c;
  chart.InsertSeries(a);
  chart.InsertSeries(b);
  chart.Is3D = true;
  chart.ZCounter = -1;
  a.CalcZOrder();
  b.CalcZOrder();
  EXPECT_EQ(a.ZOrder(), 0);
  EXPECT_EQ(b.ZOrder(), 0);
  a.SetMultiBar(TMultiBar::mbNone);
  b.CalcZOrder();
  EXPECT_EQ(b.ZOrder(), 1);
}

TEST(BarSeriesClicks, BarsPyramidsAndEllipses)
{
  struct Case {
    TBarStyle Style;
    int X, Y, Want;
  };
  // One bar from x 25 to 35, from pixel 150 (value 50) to 300.
  const std::vector<Case> cases{
      {TBarStyle::bsRectangle, 30, 200, 0}, {TBarStyle::bsRectangle, 26, 151, 0}, {TBarStyle::bsRectangle, 40, 200, -1},
      {TBarStyle::bsRectangle, 30, 140, -1}, {TBarStyle::bsPyramid, 30, 160, 0},  {TBarStyle::bsPyramid, 26, 160, -1},
      {TBarStyle::bsInvPyramid, 26, 160, 0}, {TBarStyle::bsInvPyramid, 26, 290, -1}, {TBarStyle::bsEllipse, 30, 225, 0},
      {TBarStyle::bsEllipse, 26, 155, -1},
  };
  for (const Case& c : cases) {
    TBarTestChart chart;
    TBarSeries s;
    chart.InsertSeries(s);
    s.SetCustomBarWidth(10);
    AddValues(s, {50});
    s.SetBarStyle(c.Style);
    s.CalcVisibleRange();
    EXPECT_EQ(s.Clicked(c.X, c.Y), c.Want) << int(c.Style) << " at " << c.X << "," << c.Y;
  }
}

TEST(BarSeriesMarks, AboveRisingBarsBelowFallingOnes)
{
  TBarTestChart chart;
  TBarSeries s;
  chart.InsertSeries(s);
  s.SetCustomBarWidth(10);
  s.SetYOrigin(40);
  AddValues(s, {60, 20});
  s.CalcVisibleRange();
  s.DrawMarks();
  const auto& positions = s.Marks().MarkPositions();
  ASSERT_GE(positions.size(), 2u);
  ASSERT_TRUE(positions[0] && positions[1]);
  const TSeriesMarkPosition rising = *positions[0];
  const TSeriesMarkPosition falling = *positions[1];
  // Centred on the bars (25..35 and 55..65), the arrows start at the value ends (120 and 240).
  EXPECT_EQ(rising.ArrowStart, (platform::TPoint{30, 120}));
  EXPECT_EQ(rising.ArrowEnd, (platform::TPoint{30, 100}));
  EXPECT_LT(rising.TopLeft.Y + rising.Height, 120);
  EXPECT_EQ(rising.TopLeft.X + rising.Width / 2, 30);
  EXPECT_EQ(falling.ArrowStart, (platform::TPoint{60, 240}));
  EXPECT_GT(falling.TopLeft.Y, 240 + 20);
}

TEST(BarSeriesSettings, MarginsGiveRoomToTheBarsAndTheirMarks)
{
  TBarTestChart chart;
  TBarSeries a, b;
  chart.InsertSeries(a);
  chart.InsertSeries(b);
  AddValues(a, std::vector<double>(10, 50));
  AddValues(b, std::vector<double>(10, 50));
  int left = 0, right = 0;
  a.CalcHorizMargins(left, right);
  EXPECT_EQ(left, 20);  // two bars of 10
  EXPECT_EQ(right, 20);
  a.SetSideMargins(false);
  EXPECT_FALSE(b.SideMargins());
  a.CalcHorizMargins(left, right);
  EXPECT_EQ(left, 10);  // slot 300 div 10 = 30: two bars of Round(21) div 2 = 10, halved

  int top = 0, bottom = 0;
  a.CalcVerticalMargins(top, bottom);
  EXPECT_EQ(top, a.MarkSize());
  EXPECT_EQ(bottom, 0);
  EXPECT_EQ(a.MarkSize(), chart.Canvas().FontHeight() + 20 + 2 * a.Marks().Frame().Width() + 1);
  a.SetYValue(0, -5);
  a.CalcVerticalMargins(top, bottom);
  EXPECT_EQ(bottom, a.MarkSize());
  chart.Left.SetInverted(true);
  a.CalcVerticalMargins(top, bottom);
  EXPECT_EQ(top, a.MarkSize());
  EXPECT_EQ(bottom, a.MarkSize());
}

TEST(BarSeriesSettings, DefaultsGalleryLegendAndAssign)
{
  TBarSeries s;
  EXPECT_EQ(s.YValues().Name(), QStringLiteral("Bar"));
  EXPECT_TRUE(s.Marks().Visible());
  EXPECT_EQ(s.Marks().ArrowLength(), 20);
  EXPECT_EQ(s.NumSampleValues(), 6);
  EXPECT_EQ(s.GetEditorClassName(), QStringLiteral("TBarSeriesEditor"));
  s.PrepareForGallery(true);
  EXPECT_EQ(s.BarWidthPercent(), 85);
  EXPECT_EQ(s.MultiBar(), TMultiBar::mbNone);
  THorizBarSeries h;
  EXPECT_EQ(h.XValues().Name(), QStringLiteral("Bar"));
  EXPECT_FALSE(h.YMandatory());

  TBarTestChart chart;
  chart.BackColor = platform::clYellow;
  chart.InsertSeries(s);
  s.BarBrush().SetStyle(platform::TBrushStyle::bsCross);
  TColor back = platform::clNone;
  platform::TBrushStyle style = platform::TBrushStyle::bsSolid;
  s.PrepareLegendCanvas(0, back, style);
  EXPECT_EQ(back, platform::clYellow);
  EXPECT_EQ(style, platform::TBrushStyle::bsCross);

  TBarSeries copy;
  s.SetOffsetPercent(-30);
  s.SetBarStyle(TBarStyle::bsArrow);
  s.SetYOrigin(12);
  s.SetCustomBarWidth(9);
  s.BarPen().SetColor(platform::clBlue);
  copy.Assign(s);
  EXPECT_EQ(copy.OffsetPercent(), -30);
  EXPECT_EQ(copy.BarStyle(), TBarStyle::bsArrow);
  EXPECT_DOUBLE_EQ(copy.YOrigin(), 12);
  EXPECT_EQ(copy.CustomBarWidth(), 9);
  EXPECT_EQ(copy.BarPen().Color(), platform::clBlue);
  EXPECT_EQ(copy.BarBrush().Style(), platform::TBrushStyle::bsCross);
}

// Horizontal bars at positions 1..3 on the left axis, here 0..10 (30 pixels a unit, 300 at 0),
// their values on the bottom axis 0..100 (3 pixels a unit).
TEST(HorizBarSeries, BarsMirrorTheVerticalKind)
{
  TBarTestChart chart;
  chart.SetAxisRange(chart.Left, 0, 10);
  chart.SetAxisRange(chart.Bottom, 0, 100);
  THorizBarSeries a, b;
  chart.InsertSeries(a);
  chart.InsertSeries(b);
  for (THorizBarSeries* s : {&a, &b}) {
    s->SetCustomBarHeight(10);
    s->BarPen().SetVisible(false);
  }
  a.AddXY(50, 1);
  b.AddXY(20, 1);
  // Side by side: the first series at the point's pixel (270), the second above it.
  EXPECT_EQ(Drawing(chart.Paint(a)), (Calls{"Rectangle(0,270,150,280)"}));
  EXPECT_EQ(Drawing(chart.Paint(b)), (Calls{"Rectangle(0,260,60,270)"}));
  a.SetMultiBar(TMultiBar::mbStacked);
  EXPECT_EQ(Drawing(chart.Paint(b)), (Calls{"Rectangle(150,265,210,275)"}));
  EXPECT_DOUBLE_EQ(b.MaxXValue(), 70);
  a.SetBarStyle(TBarStyle::bsPyramid);
  EXPECT_EQ(Drawing(chart.Paint(a)), (Calls{"Polygon(0,265,150,270,0,275)"}));
  a.CalcVisibleRange();
  EXPECT_EQ(a.Clicked(10, 270), 0);
  EXPECT_EQ(a.Clicked(140, 266), -1);
  EXPECT_EQ(a.Clicked(10, 280), -1);

  // Samples: a walk from the vertical axis' minimum, one position apart.
  THorizBarSeries h;
  chart.InsertSeries(h);
  chart.Left.SetMinimum(-3);
  int calls = 0;
  h.SetRandomSource([&](int n) { return ++calls == 1 ? 500 : n / 2 + 10; });
  h.FillSampleValues(3);
  ASSERT_EQ(h.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(h.YValues().GetValue(i), -3 + i);
    EXPECT_DOUBLE_EQ(h.XValues().GetValue(i), 1500 + 10 * (i + 1));
  }
}

// Horizontal marks: beside the value end by the arrow length, moved down by half the bar.
TEST(HorizBarSeries, MarksBesideTheBarsAndMarginsForThem)
{
  TBarTestChart chart;
  chart.SetAxisRange(chart.Left, 0, 10);
  chart.SetAxisRange(chart.Bottom, 0, 100);
  THorizBarSeries s;
  chart.InsertSeries(s);
  s.SetCustomBarHeight(10);
  s.SetYOrigin(30);
  s.AddXY(50, 1);  // from the origin at x 90 right to 150, from y 265 to 275
  s.AddXY(10, 5);  // left to 30, from y 145 to 155
  s.CalcVisibleRange();
  s.DrawMarks();
  const auto& positions = s.Marks().MarkPositions();
  ASSERT_TRUE(positions.size() >= 2 && positions[0] && positions[1]);
  const TSeriesMarkPosition right = *positions[0];
  const TSeriesMarkPosition left = *positions[1];
  EXPECT_EQ(right.ArrowStart, (platform::TPoint{150, 270}));
  EXPECT_EQ(right.ArrowEnd, (platform::TPoint{170, 270}));
  EXPECT_EQ(right.TopLeft.X, 170);
  EXPECT_EQ(right.TopLeft.Y, 265 - right.Height + 1 + 5 + right.Height / 2);
  EXPECT_EQ(left.ArrowStart, (platform::TPoint{30, 150}));
  EXPECT_EQ(left.ArrowEnd, (platform::TPoint{10, 150}));
  EXPECT_EQ(left.TopLeft.X + left.Width, 10);

  int l = 0, r = 0, top = 0, bottom = 0;
  s.CalcHorizMargins(l, r);
  EXPECT_EQ(l, s.MaxMarkWidth() + 1);
  EXPECT_EQ(r, s.MaxMarkWidth() + 1);
  EXPECT_GT(l, 1);
  s.SetYValue(1, 0);
  s.SetXValue(1, 40);
  s.CalcHorizMargins(l, r);
  EXPECT_EQ(l, 0);
  s.CalcVerticalMargins(top, bottom);
  EXPECT_EQ(top, 10);
  EXPECT_EQ(bottom, 10);
}

TEST(BarSeriesSettings, SettersRepaintOnlyWhenChanged)
{
  TBarTestChart chart;
  TBarSeries s;
  chart.InsertSeries(s);
  const std::vector<std::pair<const char*, std::function<void()>>> setters{
      {"width percent", [&] { s.SetBarWidthPercent(50); }},
      {"offset", [&] { s.SetOffsetPercent(10); }},
      {"style", [&] { s.SetBarStyle(TBarStyle::bsArrow); }},
      {"multi bar", [&] { s.SetMultiBar(TMultiBar::mbStacked); }},
      {"side margins", [&] { s.SetSideMargins(false); }},
      {"origin", [&] { s.SetYOrigin(5); }},
      {"auto size", [&] { s.SetAutoBarSize(true); }},
      {"custom width", [&] { s.SetCustomBarWidth(12); }},
  };
  for (const auto& [name, set] : setters) {
    const int before = chart.Repaints;
    set();
    EXPECT_GT(chart.Repaints, before) << name;
    const int after = chart.Repaints;
    set();
    EXPECT_EQ(chart.Repaints, after) << name;
  }
}

TEST(FastLineSeries, OneSegmentPerNewPixel)
{
  TLineTestChart chart;
  TFastLineSeries s;
  chart.InsertSeries(s);
  s.SetSeriesColor(platform::clRed);
  // Bottom 0..10 over 400 pixels, left 0..100 over 300: (2, 50) and (2.01, 50) share pixel (80, 150).
  s.AddXY(1, 10);
  s.AddXY(2, 50);
  s.AddXY(2.01, 50);
  s.AddXY(3, 20);
  EXPECT_EQ(Drawing(chart.Paint(s)), (Calls{"LineTo(40,270,80,150)", "LineTo(80,150,120,240)"}));
  for (const auto& r : chart.Target.Records()) {
    if (r.IsDrawing()) {
      EXPECT_EQ(r.State.Pen.Color, platform::clRed);
    }
  }

  // Scrolled past the first point: the line still comes from it.
  chart.SetAxisRange(chart.Bottom, 1.5, 3.5);
  EXPECT_EQ(Drawing(chart.Paint(s)).front(), "LineTo(-100,270,100,150)");
  s.CalcVisibleRange();
  EXPECT_EQ(s.Clicked(100, 150), 1);
  EXPECT_EQ(s.Clicked(300, 240), 3);
  EXPECT_EQ(s.Clicked(201, 195), 2);  // on the segment from (102, 150) to (300, 240)
  EXPECT_EQ(s.Clicked(100, 100), -1);
}

TEST(FastLineSeries, WithoutAutoRepaintAnAddedPointIsDrawnAtOnce)
{
  TLineTestChart chart;
  TFastLineSeries s;
  chart.InsertSeries(s);
  s.AddXY(1, 10);
  s.SetAutoRepaint(false);
  const int repaints = chart.Repaints;
  chart.Target.Clear();
  s.CalcVisibleRange();
  s.AddXY(2, 50);
  EXPECT_EQ(chart.Repaints, repaints);
  EXPECT_EQ(Drawing(chart.Target.Calls()), (Calls{"LineTo(40,270,80,150)"}));

  TChartPen pen;
  pen.SetColor(platform::clGreen);
  s.SetLinePen(pen);
  EXPECT_EQ(s.SeriesColor(), platform::clGreen);
  s.SetSeriesColor(platform::clBlue);
  EXPECT_EQ(s.LinePen().Color(), platform::clBlue);
  EXPECT_EQ(s.GetEditorClassName(), QStringLiteral("TFastLineSeriesEditor"));
  EXPECT_FALSE(s.FunctionAsPoint());
  EXPECT_TRUE(s.IncludeNextPoint());
  chart.Target.Clear();
  s.DrawLegendShape(0, {10, 20, 30, 30});
  EXPECT_EQ(Drawing(chart.Target.Calls()), (Calls{"LineTo(10,25,30,25)"}));
}

}  // namespace
}  // namespace chart
