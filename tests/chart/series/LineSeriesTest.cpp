#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PointSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace chart {
namespace {

using platform::TBrushStyle;
using testing::TLineTestChart;
using Calls = std::vector<std::string>;
using Points = std::vector<std::pair<double, double>>;

constexpr double kNull = std::numeric_limits<double>::quiet_NaN();

// Points at (1, 10), (2, 50), (3, 20): pixels (40, 270), (80, 150), (120, 240).
const Points kThree{{1, 10}, {2, 50}, {3, 20}};

void AddPoints(TChartSeries& series, const Points& points)
{
  for (const auto& [x, y] : points) {
    if (y != y)
      series.AddNullXY(x, 0);
    else
      series.AddXY(x, y);
  }
}

// The drawing calls of the records whose brush has the given colour.
Calls DrawnWithBrush(const platform::TRecordingCanvas& target, platform::TColor color)
{
  Calls calls;
  for (const auto& record : target.Records())
    if (record.IsDrawing() && record.State.Brush.Color == color) calls.push_back(record.ToString());
  return calls;
}

TEST(LineSeriesDrawing, FlatSegmentsStairsGapsAndPointers)
{
  struct Case {
    const char* Name;
    Points Values;
    std::function<void(TLineSeries&)> Set;
    Calls Want;
  };
  const auto none = [](TLineSeries&) {};
  const auto pointer = [](TLineSeries& s) { s.Pointer().SetVisible(true); };
  const std::vector<Case> cases{
      {"straight", kThree, none, {"LineTo(40,270,80,150)", "LineTo(80,150,120,240)"}},
      {"stairs go across first",
       kThree,
       [](TLineSeries& s) { s.SetStairs(true); },
       {"LineTo(40,270,80,270)", "LineTo(80,270,80,150)", "LineTo(80,150,120,150)", "LineTo(120,150,120,240)"}},
      {"inverted stairs go up first",
       kThree,
       [](TLineSeries& s) {
         s.SetStairs(true);
         s.SetInvertedStairs(true);
       },
       {"LineTo(40,270,40,150)", "LineTo(40,150,80,150)", "LineTo(80,150,80,240)", "LineTo(80,240,120,240)"}},
      {"a null point breaks the line", {{1, 10}, {2, kNull}, {3, 20}, {4, 40}}, none, {"LineTo(120,240,160,180)"}},
      // Pixel 39900 lies far beyond the canvas: the segments to and from it stay.
      {"a far point keeps its segments",
       {{1, 10}, {2, -13200}, {3, 20}},
       none,
       {"LineTo(40,270,80,39900)", "LineTo(80,39900,120,240)"}},
      {"a single point draws only its pointer", {{1, 10}}, pointer, {"Rectangle(36,266,45,275)"}},
      {"a single point without pointer draws nothing", {{1, 10}}, none, {}},
      {"pointers come after the segments meeting them",
       kThree,
       pointer,
       {"LineTo(40,270,80,150)", "Rectangle(36,266,45,275)", "LineTo(80,150,120,240)", "Rectangle(76,146,85,155)",
        "Rectangle(116,236,125,245)"}},
      {"a null point has no pointer",
       {{1, 10}, {2, kNull}, {3, 20}},
       pointer,
       {"Rectangle(36,266,45,275)", "Rectangle(116,236,125,245)"}},
  };
  for (const Case& c : cases) {
    TLineSeries s;
    TLineTestChart chart;
    chart.InsertSeries(s);
    AddPoints(s, c.Values);
    c.Set(s);
    EXPECT_EQ(chart.Paint(s), c.Want) << c.Name;
  }
}

TEST(LineSeriesDrawing, PointerStyleComesFromTheEvent)
{
  TPointSeries s;
  TLineTestChart chart;
  chart.InsertSeries(s);
  AddPoints(s, kThree);
  std::vector<int> asked;
  s.OnGetPointerStyle = [&](TChartSeries& sender, int valueIndex) {
    EXPECT_EQ(&sender, &s);
    asked.push_back(valueIndex);
    return valueIndex == 1 ? TSeriesPointerStyle::psCircle : TSeriesPointerStyle::psSmallDot;
  };
  EXPECT_EQ(chart.Paint(s), (Calls{"SetPixel(40,270)", "Ellipse(76,146,84,154)", "SetPixel(120,240)"}));
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
}

// The bottom axis scrolled to 1..4 over points at x 0, 2 and 4 (pixels -133, 133 and 400).
TEST(LineSeriesDrawing, ScrolledViewStartsAtTheEdgeOrAtThePointBefore)
{
  const Points values{{0, 0}, {2, 100}, {4, 0}};
  {
    TLineSeries line;
    TLineTestChart chart;
    chart.InsertSeries(line);
    AddPoints(line, values);
    chart.SetAxisRange(chart.Bottom, 1, 4);
    // At x 1, half way from 0 to 2, the line is at 50: pixel 150.
    EXPECT_EQ(chart.Paint(line), (Calls{"LineTo(0,150,133,0)", "LineTo(133,0,400,300)"}));
    line.SetStairs(true);
    EXPECT_EQ(chart.Paint(line).at(0), "LineTo(0,300,133,300)");
  }
  TAreaSeries area;
  TLineTestChart chart;
  chart.InsertSeries(area);
  AddPoints(area, values);
  chart.SetAxisRange(chart.Bottom, 1, 4);
  EXPECT_EQ(chart.Paint(area),
            (Calls{"Polygon(-133,300,-133,300,133,0,133,300)", "Polygon(133,300,133,0,400,300,400,300)"}));
}

TEST(LineSeriesDrawing, AreasFillDownToTheAxisWithTheirOwnColour)
{
  TAreaSeries s;
  TLineTestChart chart;
  chart.InsertSeries(s);
  s.SetSeriesColor(platform::clRed);
  AddPoints(s, kThree);
  EXPECT_EQ(DrawnWithBrush((chart.Paint(s), chart.Target), platform::clRed),
            (Calls{"Polygon(40,300,40,270,80,150,80,300)", "Polygon(80,300,80,150,120,240,120,300)"}));
  s.SetStairs(true);
  EXPECT_EQ(chart.Paint(s), (Calls{"Polygon(40,300,81,300,81,270,40,270)", "Polygon(80,300,121,300,121,150,80,150)"}));
  s.SetStairs(false);

  s.SetAreaColor(platform::clLime);
  s.AreaLinesPen().SetColor(platform::clDefault);
  chart.Paint(s);
  for (const auto& record : chart.Target.Records()) {
    if (!record.IsDrawing()) continue;
    EXPECT_EQ(record.State.Brush.Color, platform::clLime);
    EXPECT_EQ(record.State.Pen.Color, platform::clRed);  // the lines take the point's colour
  }
  s.SetColorEachPoint(true);  // each point's own colour wins over AreaColor
  chart.Paint(s);
  EXPECT_NE(chart.Target.Records().back().State.Brush.Color, platform::clLime);
}

// Two stacked area series A and B at x 1 and 2; the left axis maps value v to pixel 300 - 3 v.
TEST(LineSeriesDrawing, StackedAreasSitOnTheSeriesBeneath)
{
  struct Case {
    const char* Name;
    TMultiArea Mode;
    Points A, B;
    std::vector<int> AY, BY, BOrigin;
    double BMax, BMin;
  };
  const std::vector<Case> cases{
      {"stacked", TMultiArea::maStacked, {{1, 10}, {2, 20}}, {{1, 30}, {2, 40}}, {270, 240}, {180, 120}, {270, 240}, 60, 30},
      {"stacked, never below the axis",
       TMultiArea::maStacked,
       {{1, -50}, {2, 20}},
       {{1, 10}, {2, 40}},
       {300, 240},
       {300, 120},
       {300, 240},
       60,
       10},
      // A total of 0 has no shares: both series sit at value 0, not at the top of the plot.
      {"100 %, a zero total sits at value 0",
       TMultiArea::maStacked100,
       {{1, 10}, {2, 0}},
       {{1, 30}, {2, 0}},
       {225, 300},
       {0, 300},
       {225, 300},
       100,
       0},
  };
  for (const Case& c : cases) {
    TAreaSeries a, b;
    TLineSeries line;
    TLineTestChart chart;
    chart.InsertSeries(a);
    chart.InsertSeries(line);
    chart.InsertSeries(b);
    AddPoints(a, c.A);
    AddPoints(b, c.B);
    AddPoints(line, c.B);
    chart.Repaints = 0;
    a.SetMultiArea(c.Mode);
    EXPECT_EQ(b.MultiArea(), c.Mode) << c.Name;
    EXPECT_EQ(chart.Repaints, 1) << c.Name;
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(a.CalcYPos(i), c.AY[std::size_t(i)]) << c.Name << " A " << i;
      EXPECT_EQ(b.CalcYPos(i), c.BY[std::size_t(i)]) << c.Name << " B " << i;
      EXPECT_EQ(b.GetOriginPos(i), c.BOrigin[std::size_t(i)]) << c.Name << " B origin " << i;
      EXPECT_EQ(line.CalcYPos(i), 300 - 3 * int(c.B[std::size_t(i)].second)) << c.Name << " the line stays";
    }
    EXPECT_EQ(b.MaxYValue(), c.BMax) << c.Name;
    EXPECT_EQ(b.MinYValue(), c.BMin) << c.Name;
  }
}

TEST(LineSeriesDrawing, StackedAreasShareOneDepth)
{
  TAreaSeries a, b;
  TLineSeries line;
  TAreaSeries c;
  TLineTestChart chart;
  for (TChartSeries* s : std::vector<TChartSeries*>{&line, &a, &b, &c}) chart.InsertSeries(*s);
  chart.Is3D = true;
  const auto zOrders = [&] {
    chart.ZCounter = -1;
    for (TChartSeries* s : std::vector<TChartSeries*>{&line, &a, &b, &c}) s->CalcZOrder();
    return std::vector<int>{line.ZOrder(), a.ZOrder(), b.ZOrder(), c.ZOrder()};
  };
  EXPECT_EQ(zOrders(), (std::vector<int>{0, 1, 2, 3}));
  a.SetMultiArea(TMultiArea::maStacked100);
  EXPECT_EQ(zOrders(), (std::vector<int>{0, 1, 1, 1}));
  chart.Is3D = false;
  EXPECT_EQ(zOrders(), (std::vector<int>{0, 0, 0, 0}));
}

// The view projects (x, y) at depth z to (x + z, y - z); the series lies from depth 10 to 30.
TEST(LineSeriesDrawing, RibbonsIn3D)
{
  const platform::TColor dark = 0x0000BF;  // red lowered by 64
  struct Case {
    const char* Name;
    std::function<void(TLineSeries&)> Set;
    Calls Red, Dark;
  };
  const std::vector<Case> cases{
      {"a steep rise is darkened",
       [](TLineSeries&) {},
       {"Polygon(130,230,90,140,110,120,150,210)"},
       {"Polygon(90,140,50,260,70,240,110,120)"}},
      {"without Dark3D nothing is darkened",
       [](TLineSeries& s) { s.SetDark3D(false); },
       {"Polygon(90,140,50,260,70,240,110,120)", "Polygon(130,230,90,140,110,120,150,210)"},
       {}},
      {"a clear line brush draws no line", [](TLineSeries& s) { s.SetLineBrush(TBrushStyle::bsClear); }, {}, {}},
      {"a line height adds the front band, the end cap, and lowers a dark ribbon",
       [](TLineSeries& s) { s.SetLineHeight(5); },
       {"Polygon(90,140,50,260,50,265,90,145)", "Polygon(130,230,90,140,90,145,130,235)",
        "Polygon(130,230,150,210,150,215,130,235)", "Polygon(130,230,90,140,110,120,150,210)"},
       {"Polygon(90,145,50,265,70,245,110,125)"}},
      {"stairs darken their rising faces",
       [](TLineSeries& s) { s.SetStairs(true); },
       {"Polygon(50,260,90,260,110,240,70,240)", "Polygon(90,140,130,140,150,120,110,120)"},
       {"Polygon(90,140,110,120,110,240,90,260)", "Polygon(130,230,150,210,150,120,130,140)"}},
  };
  for (const Case& c : cases) {
    TLineSeries s;
    TLineTestChart chart;
    chart.InsertSeries(s);
    s.SetSeriesColor(platform::clRed);
    AddPoints(s, kThree);
    c.Set(s);
    chart.Begin3D(s);
    const Calls all = chart.Paint(s);
    EXPECT_EQ(DrawnWithBrush(chart.Target, platform::clRed), c.Red) << c.Name;
    EXPECT_EQ(DrawnWithBrush(chart.Target, dark), c.Dark) << c.Name;
    EXPECT_EQ(all.size(), c.Red.size() + c.Dark.size()) << c.Name;
  }
}

TEST(LineSeriesDrawing, AreasIn3DHaveATopRibbonAndAnEndCap)
{
  TAreaSeries s;
  TLineTestChart chart;
  chart.InsertSeries(s);
  s.SetSeriesColor(platform::clRed);
  AddPoints(s, kThree);
  chart.Begin3D(s);
  EXPECT_EQ(chart.Paint(s), (Calls{"Polygon(90,140,50,260,70,240,110,120)", "Polygon(50,290,50,260,90,140,90,290)",
                                   "Polygon(130,230,90,140,110,120,150,210)", "Polygon(130,230,150,210,150,270,130,290)",
                                   "Polygon(90,290,90,140,130,230,130,290)"}));
}

enum class Kind { Line, Point, Area };

std::unique_ptr<TCustomSeries> Make(Kind kind)
{
  switch (kind) {
  case Kind::Line: return std::make_unique<TLineSeries>();
  case Kind::Point: return std::make_unique<TPointSeries>();
  case Kind::Area: return std::make_unique<TAreaSeries>();
  }
  return nullptr;
}

TEST(LineSeriesClicks, PointersLinesStairsAndAreas)
{
  struct Case {
    const char* Name;
    Kind Of;
    std::function<void(TCustomSeries&)> Set;
    int X, Y, Want;
    int PointerClicks;
    bool In3D = false;
  };
  const auto none = [](TCustomSeries&) {};
  const auto stairs = [](TCustomSeries& s) { s.SetStairs(true); };
  const std::vector<Case> cases{
      {"on a point's pointer", Kind::Point, none, 42, 272, 0, 1},
      {"beside the pointer", Kind::Point, none, 44, 270, -1, 0},
      {"a point series' line is not clickable", Kind::Point, none, 60, 210, -1, 0},
      {"on a hidden pointer's point", Kind::Line, none, 120, 240, 2, 0},
      {"on the first segment", Kind::Line, none, 60, 210, 0, 0},
      {"on the second segment", Kind::Line, none, 100, 195, 1, 0},
      {"off the line", Kind::Line, none, 60, 100, -1, 0},
      {"on a stair's flat part", Kind::Line, stairs, 60, 270, 0, 0},
      {"on a stair's rise", Kind::Line, stairs, 80, 200, 0, 0},
      {"where a stair does not go", Kind::Line, stairs, 60, 210, -1, 0},
      {"inside the area", Kind::Area, none, 60, 280, 0, 0},
      {"inside the second piece", Kind::Area, none, 110, 290, 1, 0},
      {"above the area", Kind::Area, none, 60, 160, -1, 0},
      // In 3-D the pixel is taken back at the front depth 10, then tested against the ribbon.
      {"on a 3-D ribbon", Kind::Line, none, 80, 190, 0, 0, true},
      {"above a 3-D ribbon", Kind::Line, none, 70, 140, -1, 0, true},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TCustomSeries> s = Make(c.Of);
    TLineTestChart chart;
    chart.InsertSeries(*s);
    AddPoints(*s, kThree);
    c.Set(*s);
    if (c.In3D) chart.Begin3D(*s);
    s->CalcVisibleRange();
    int pointerClicks = 0;
    s->OnClickPointer = [&](TCustomSeries& sender, int valueIndex, int x, int y) {
      EXPECT_EQ(&sender, s.get());
      EXPECT_EQ(valueIndex, c.Want);
      EXPECT_EQ(x, c.X);
      EXPECT_EQ(y, c.Y);
      ++pointerClicks;
    };
    EXPECT_EQ(s->Clicked(c.X, c.Y), c.Want) << c.Name;
    EXPECT_EQ(pointerClicks, c.PointerClicks) << c.Name;
  }
}

TEST(LineSeriesSettings, KindsStartWithTheirOwnFlags)
{
  const TLineSeries line;
  const TPointSeries point;
  const TAreaSeries area;
  for (const TCustomSeries* s : std::vector<const TCustomSeries*>{&line, &point, &area}) {
    EXPECT_EQ(s->AreaColor(), platform::clDefault);
    EXPECT_TRUE(s->Dark3D());
    EXPECT_EQ(s->LineHeight(), 0);
    EXPECT_EQ(s->LineBrush(), TBrushStyle::bsSolid);
    EXPECT_EQ(s->AreaBrush(), TBrushStyle::bsSolid);
    EXPECT_FALSE(s->Stairs() || s->InvertedStairs());
    EXPECT_TRUE(s->IncludeNextPoint());
  }
  EXPECT_TRUE(line.DrawsLine() && line.ClickableLine() && !line.DrawArea() && !line.Pointer().Visible());
  EXPECT_FALSE(line.FunctionAsPoint());
  EXPECT_TRUE(!point.DrawsLine() && !point.ClickableLine() && !point.DrawArea() && point.Pointer().Visible());
  EXPECT_EQ(point.Marks().ArrowLength(), 0);
  EXPECT_TRUE(!area.DrawsLine() && area.DrawArea() && !area.Pointer().Visible());
  EXPECT_FALSE(area.FunctionAsPoint());
  EXPECT_EQ(area.MultiArea(), TMultiArea::maNone);
  EXPECT_EQ(line.GetEditorClassName(), "TCustomSeriesEditor");
  EXPECT_EQ(point.GetEditorClassName(), "TSeriesPointerEditor");
  EXPECT_EQ(area.GetEditorClassName(), "TAreaSeriesEditor");
}

TEST(LineSeriesSettings, AssignCopiesTheSettingsAndKeepsEachKindsFlags)
{
  TAreaSeries source;
  source.SetMultiArea(TMultiArea::maStacked);
  source.SetStairs(true);
  source.SetInvertedStairs(true);
  source.SetLineHeight(3);
  source.SetDark3D(false);
  source.SetLineBrush(TBrushStyle::bsCross);
  source.SetAreaColor(platform::clRed);
  source.SetAreaBrush(TBrushStyle::bsHorizontal);
  source.LinePen().SetWidth(4);
  source.AreaLinesPen().SetVisible(false);
  source.Pointer().SetVisible(true);
  source.Pointer().SetStyle(TSeriesPointerStyle::psStar);

  struct Case {
    Kind Of;
    bool Pointer, Area, Line, Clickable;
  };
  for (const Case& c : {Case{Kind::Line, false, false, true, true}, Case{Kind::Point, true, false, false, false},
                        Case{Kind::Area, false, true, true, true}}) {
    std::unique_ptr<TCustomSeries> s = Make(c.Of);
    s->Assign(source);
    const int kind = int(c.Of);
    EXPECT_TRUE(s->Stairs() && s->InvertedStairs() && !s->Dark3D()) << kind;
    EXPECT_EQ(s->LineHeight(), 3) << kind;
    EXPECT_EQ(s->LineBrush(), TBrushStyle::bsCross) << kind;
    EXPECT_EQ(s->AreaColor(), platform::clRed) << kind;
    EXPECT_EQ(s->AreaBrush(), TBrushStyle::bsHorizontal) << kind;
    EXPECT_EQ(s->LinePen().Width(), 4) << kind;
    EXPECT_FALSE(s->AreaLinesPen().Visible()) << kind;
    EXPECT_EQ(s->Pointer().Style(), TSeriesPointerStyle::psStar) << kind;
    EXPECT_EQ(s->Pointer().Visible(), c.Pointer) << kind;
    EXPECT_EQ(s->DrawArea(), c.Area) << kind;
    EXPECT_EQ(s->DrawsLine(), c.Line) << kind;
    EXPECT_EQ(s->ClickableLine(), c.Clickable) << kind;
    if (auto* area = dynamic_cast<TAreaSeries*>(s.get())) {
      EXPECT_EQ(area->MultiArea(), TMultiArea::maStacked);
    }
  }
}

TEST(LineSeriesSettings, MarginsMakeRoomForPointersStairsAndLineHeight)
{
  struct Case {
    const char* Name;
    Kind Of;
    std::function<void(TCustomSeries&)> Set;
    int Left, Right, Top, Bottom;
  };
  const std::vector<Case> cases{
      {"a plain line", Kind::Line, [](TCustomSeries&) {}, 0, 0, 0, 0},
      {"stairs of a wide pen",
       Kind::Line,
       [](TCustomSeries& s) {
         s.SetStairs(true);
         s.LinePen().SetWidth(3);
       },
       3, 3, 3, 4},
      {"stairs without the line flag", Kind::Point,
       [](TCustomSeries& s) {
         s.Pointer().SetVisible(false);
         s.SetStairs(true);
         s.LinePen().SetWidth(3);
       },
       0, 0, 0, 0},
      {"a line height", Kind::Line, [](TCustomSeries& s) { s.SetLineHeight(7); }, 0, 0, 0, 7},
      {"an area's line height", Kind::Area, [](TCustomSeries& s) { s.SetLineHeight(7); }, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TCustomSeries> s = Make(c.Of);
    c.Set(*s);
    int left = -1, right = -1, top = -1, bottom = -1;
    s->CalcHorizMargins(left, right);
    s->CalcVerticalMargins(top, bottom);
    EXPECT_EQ((std::vector<int>{left, right, top, bottom}), (std::vector<int>{c.Left, c.Right, c.Top, c.Bottom}))
        << c.Name;
  }
  // A visible pointer widens them as the pointer itself does.
  TPointSeries point;
  int left = 0, right = 0, top = 0, bottom = 0, pointerLeft = 0, pointerRight = 0;
  point.LinePen().SetWidth(9);
  point.CalcHorizMargins(left, right);
  point.Pointer().CalcHorizMargins(pointerLeft, pointerRight);
  EXPECT_GT(left, 0);
  EXPECT_EQ(left, pointerLeft);
  point.CalcVerticalMargins(top, bottom);
  EXPECT_GT(bottom, 0);
}

TEST(LineSeriesSettings, MarksRiseByTheirArrowAtTheFrontDepth)
{
  TLineSeries line;
  TPointSeries point;
  TLineTestChart chart;
  chart.InsertSeries(line);
  chart.InsertSeries(point);
  for (TCustomSeries* s : std::vector<TCustomSeries*>{&line, &point}) {
    AddPoints(*s, kThree);
    s->Marks().SetVisible(true);
    s->DepthStart = 6;
    s->CalcVisibleRange();
    s->DrawMarks();
    EXPECT_EQ(s->Marks().ZPosition(), 6);
  }
  const auto& lineMark = line.Marks().MarkPositions().at(1);
  const auto& pointMark = point.Marks().MarkPositions().at(1);
  ASSERT_TRUE(lineMark.has_value() && pointMark.has_value());
  EXPECT_EQ(line.Marks().ArrowLength(), 8);
  EXPECT_EQ(lineMark->ArrowStart.Y, 150);
  EXPECT_EQ(lineMark->ArrowEnd.Y, 142);
  EXPECT_EQ(lineMark->TopLeft.Y, pointMark->TopLeft.Y - 8);
  EXPECT_EQ(pointMark->ArrowEnd.Y, 150);
}

TEST(LineSeriesSettings, LegendSymbols)
{
  const platform::TRect rect{10, 20, 30, 30};
  struct Case {
    const char* Name;
    Kind Of;
    std::function<void(TCustomSeries&)> Set;
    Calls Want;
  };
  const std::vector<Case> cases{
      {"a line across the middle", Kind::Line, [](TCustomSeries&) {}, {"LineTo(10,25,30,25)"}},
      {"a line and a small pointer",
       Kind::Line,
       [](TCustomSeries& s) { s.Pointer().SetVisible(true); },
       {"LineTo(10,25,30,25)", "Rectangle(16,22,25,29)"}},
      {"a point series' pointer", Kind::Point, [](TCustomSeries& s) { s.LinePen().SetVisible(false); },
       {"Rectangle(16,21,25,30)"}},
      {"an area's box", Kind::Area, [](TCustomSeries&) {}, {"Rectangle(10,20,30,30)"}},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TCustomSeries> s = Make(c.Of);
    TLineTestChart chart;
    chart.InsertSeries(*s);
    s->SetSeriesColor(platform::clRed);
    c.Set(*s);
    chart.Target.Clear();
    s->DrawLegend(-1, rect);
    EXPECT_EQ(chart.Target.Calls(), c.Want) << c.Name;
  }
  // An area's symbol: its brush pattern over AreaColor, outlined by AreaLinesPen.
  TAreaSeries area;
  TLineTestChart chart;
  chart.InsertSeries(area);
  area.SetSeriesColor(platform::clRed);
  area.SetAreaColor(platform::clYellow);
  area.SetAreaBrush(TBrushStyle::bsCross);
  area.AreaLinesPen().SetColor(platform::clBlue);
  chart.Target.Clear();
  area.DrawLegend(-1, rect);
  const auto& state = chart.Target.Records().back().State;
  EXPECT_EQ(state.Brush.Style, TBrushStyle::bsCross);
  EXPECT_EQ(state.Brush.Color, platform::clRed);
  EXPECT_EQ(state.BkColor, platform::clYellow);
  EXPECT_EQ(state.Pen.Color, platform::clBlue);
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

TEST(LineSeriesSettings, SettersRepaintOnlyWhenChanged)
{
  TAreaSeries s;
  TLineTestChart chart;
  chart.InsertSeries(s);
  const std::vector<std::function<void()>> same{
      [&] { s.SetLineBrush(TBrushStyle::bsSolid); }, [&] { s.SetLineHeight(0); },
      [&] { s.SetStairs(false); },                  [&] { s.SetInvertedStairs(false); },
      [&] { s.SetDark3D(true); },                   [&] { s.SetDrawArea(true); },
      [&] { s.SetAreaColor(platform::clDefault); }, [&] { s.SetAreaBrush(TBrushStyle::bsSolid); },
      [&] { s.SetMultiArea(TMultiArea::maNone); }};
  chart.Repaints = 0;
  for (const auto& set : same) set();
  EXPECT_EQ(chart.Repaints, 0);
  const std::vector<std::function<void()>> changed{
      [&] { s.SetLineBrush(TBrushStyle::bsCross); }, [&] { s.SetLineHeight(2); },
      [&] { s.SetStairs(true); },                   [&] { s.SetInvertedStairs(true); },
      [&] { s.SetDark3D(false); },                  [&] { s.SetDrawArea(false); },
      [&] { s.SetAreaColor(platform::clRed); },     [&] { s.SetAreaBrush(TBrushStyle::bsCross); },
      [&] { s.SetMultiArea(TMultiArea::maStacked); }, [&] { s.LinePen().SetWidth(3); },
      [&] { s.AreaLinesPen().SetWidth(3); }};
  for (std::size_t i = 0; i < changed.size(); ++i) {
    changed[i]();
    EXPECT_EQ(chart.Repaints, int(i) + 1) << "setting " << i;
  }
}

TEST(LineSeriesSettings, PointSeriesColoursEachPointerAndMarksTheSecondInTheGallery)
{
  TPointSeries first, second;
  TLineTestChart chart;
  chart.InsertSeries(first);
  chart.InsertSeries(second);
  second.Pointer().Brush().SetColor(platform::clRed);
  second.SetColorEachPoint(false);
  EXPECT_EQ(second.Pointer().Brush().Color(), platform::clRed);
  second.SetColorEachPoint(true);
  EXPECT_EQ(second.Pointer().Brush().Color(), platform::clDefault);

  first.PrepareForGallery(true);
  second.PrepareForGallery(true);
  for (const TPointSeries* s : {&first, &second}) {
    EXPECT_EQ(s->Pointer().HorizSize(), 6);
    EXPECT_EQ(s->Pointer().VertSize(), 6);
  }
  EXPECT_EQ(first.Pointer().Style(), TSeriesPointerStyle::psRectangle);
  EXPECT_EQ(second.Pointer().Style(), TSeriesPointerStyle::psTriangle);
}

}  // namespace
}  // namespace chart
