// Polar and radar series: rings, radial lines and labels, the line and its sectors, pointers,
// clicks, legend, increments and samples, on recording and image canvases.
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/PolarSeries.h"
#include "chart/support/ChartExceptions.h"
#include "platform/CanvasImage.h"
#include "tests/chart/series/PolarChartDouble.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace chart::testing {
namespace {

using platform::TCanvasOp;
using platform::TCanvasRecord;
using platform::TPoint;

const QString kDegreeSign = QString(QChar(0xBA));

struct PolarSeriesTest : ::testing::Test {
  TRecordedPolarChart recorded;
  TPolarChart& chart = recorded.Chart;
  TPolarSeries polar;

  PolarSeriesTest()
  {
    chart.Plot = {0, 0, 200, 200};
    for (TChartAxis* axis : {&chart.Left, &chart.Right, &chart.Top, &chart.Bottom}) axis->SetVisible(false);
    polar.SetParentChart(&chart);
    polar.Marks().SetVisible(false);
  }
  // The background only: no grids, the given pen on the outer ring.
  void GridsOff()
  {
    chart.Bottom.Grid().SetVisible(false);
    chart.Left.Grid().SetVisible(false);
  }
  void Paint(double radiusMin = 0, double radiusMax = 10)
  {
    recorded.Recording.Clear();
    chart.BeginFlat(radiusMin, radiusMax);
    TPolarChart::PaintSeries(polar);
  }
  std::vector<TCanvasRecord> LinesFrom(TPoint from) const
  {
    std::vector<TCanvasRecord> out;
    for (const auto& r : recorded.Drawn(TCanvasOp::LineTo))
      if (r.Points[0] == from) out.push_back(r);
    return out;
  }
  std::vector<TCanvasRecord> LinesIn(platform::TColor color) const
  {
    std::vector<TCanvasRecord> out;
    for (const auto& r : recorded.Drawn(TCanvasOp::LineTo))
      if (r.State.Pen.Color == color && r.State.Pen.Style != platform::TPenStyle::psClear) out.push_back(r);
    return out;
  }
  std::vector<QString> Texts() const
  {
    std::vector<QString> out;
    for (const auto& r : recorded.Drawn(TCanvasOp::TextOut)) out.push_back(r.Text);
    return out;
  }
};

TEST_F(PolarSeriesTest, RadialLinesAndLabelsEveryTenDegreesFrom360Down)
{
  polar.SetCircleLabels(true);
  Paint();
  const std::vector<QString> texts = Texts();
  ASSERT_EQ(texts.size(), 37u);
  EXPECT_EQ(texts.front(), "0" + kDegreeSign);
  EXPECT_EQ(texts[1], "350" + kDegreeSign);
  EXPECT_EQ(texts[27], "90" + kDegreeSign);
  EXPECT_EQ(texts.back(), "0" + kDegreeSign);
  const std::vector<TCanvasRecord> lines = LinesFrom({polar.CenterX(), polar.CenterY()});
  ASSERT_EQ(lines.size(), 37u);
  // 360 first, then anticlockwise backwards: 350 lies just below the right-hand end.
  EXPECT_EQ(lines[0].Points[1], (TPoint{polar.CenterX() + polar.RadiusX(), polar.CenterY()}));
  EXPECT_EQ(lines[9].Points[1], (TPoint{polar.CenterX(), polar.CenterY() + polar.RadiusY()}));
  EXPECT_GT(lines[1].Points[1].Y, polar.CenterY());
}

TEST_F(PolarSeriesTest, AngleStepsAreCountedAndNoFinerThanATenthOfADegree)
{
  struct Case {
    double increment;
    std::size_t lines;
  };
  const Case cases[] = {{0, 37}, {45, 9}, {7, 52}, {0.1, 3601}, {1e-6, 3601}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.increment);
    chart.Bottom.SetIncrement(c.increment);
    Paint();
    EXPECT_EQ(LinesFrom({polar.CenterX(), polar.CenterY()}).size(), c.lines);
  }
}

TEST_F(PolarSeriesTest, UprightAndRotatedLabelsAreAlignedAwayFromTheRing)
{
  GridsOff();
  polar.SetCircleLabels(true);
  chart.Bottom.SetIncrement(90);
  struct Case {
    bool rotated;
    int rotation;
    // alignment of the labels of 0, 270, 180, 90 and 0 degrees (drawn from 360 down)
    std::vector<unsigned> align;
    std::vector<int> escapement;
  };
  using platform::TA_CENTER;
  using platform::TA_LEFT;
  using platform::TA_RIGHT;
  const Case cases[] = {
      {false, 0, {TA_LEFT, TA_CENTER, TA_RIGHT, TA_CENTER, TA_LEFT}, {0, 0, 0, 0, 0}},
      {false, 45, {TA_LEFT, TA_LEFT, TA_RIGHT, TA_RIGHT, TA_LEFT}, {0, 0, 0, 0, 0}},
      {true, 0, {TA_LEFT, TA_LEFT, TA_RIGHT, TA_LEFT, TA_LEFT}, {0, 2700, 3600, 900, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rotation);
    polar.SetCircleLabelsRotated(c.rotated);
    polar.SetRotationAngle(c.rotation);
    Paint();
    const auto texts = recorded.Drawn(TCanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 5u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].State.TextAlign & 6u, c.align[i]) << i;
      EXPECT_EQ(texts[i].State.Font.Escapement % 3600, c.escapement[i] % 3600) << i;
    }
  }
}

TEST_F(PolarSeriesTest, ARadiusAxisWithoutRangePutsPointsAtTheCentreAndDrawsNoRings)
{
  polar.AddPolar(30, 5);
  polar.AddPolar(100, 7);
  Paint(5, 5);
  EXPECT_EQ(polar.CalcXPos(0), polar.CenterX());
  EXPECT_EQ(polar.CalcYPos(1), polar.CenterY());
  EXPECT_EQ(recorded.Drawn(TCanvasOp::Ellipse).size(), 1u);  // the outer ring only
}

TEST_F(PolarSeriesTest, RadiusScalesRunFromTheCentreWithTheRadiusRange)
{
  GridsOff();
  for (TChartAxis* axis : {&chart.Left, &chart.Right, &chart.Top, &chart.Bottom}) axis->SetVisible(true);
  chart.Left.SetIncrement(5);
  chart.Top.SetInverted(true);
  // Axis lines are the two-pixel lines.
  auto axisLines = [this] {
    std::vector<std::vector<TPoint>> out;
    for (const auto& r : recorded.Drawn(TCanvasOp::LineTo))
      if (r.State.Pen.Width == 2) out.push_back(r.Points);
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
      return std::tie(a[0].X, a[0].Y, a[1].X, a[1].Y) < std::tie(b[0].X, b[0].Y, b[1].X, b[1].Y);
    });
    return out;
  };
  Paint(0, 10);
  EXPECT_EQ(axisLines(), (std::vector<std::vector<TPoint>>{
                             {{0, 100}, {100, 100}},    // top, leftwards to the centre
                             {{100, 0}, {100, 100}},    // right, up from the centre
                             {{100, 100}, {100, 200}},  // left, down from the centre
                             {{100, 100}, {200, 100}},  // bottom
                         }));
  std::vector<QString> texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QStringLiteral("5")), 4);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QStringLiteral("10")), 4);
  // The scales leave the axes as they were.
  EXPECT_TRUE(chart.Top.Inverted());
  EXPECT_FALSE(chart.Left.Inverted());

  // A radar series draws the rising scale only.
  TRadarSeries radar;
  polar.SetParentChart(nullptr);
  radar.SetParentChart(&chart);
  radar.Marks().SetVisible(false);
  radar.AddPolar(0, 5);
  recorded.Recording.Clear();
  chart.BeginFlat(0, 10);
  TPolarChart::PaintSeries(radar);
  EXPECT_EQ(axisLines(), (std::vector<std::vector<TPoint>>{{{100, 0}, {100, 100}}}));
}

TEST_F(PolarSeriesTest, RadiusRingsStepDownFromTheMaximum)
{
  chart.Bottom.Grid().SetVisible(false);
  chart.Left.SetIncrement(2.5);
  Paint(0, 10);
  std::vector<int> halfWidths;
  for (const auto& r : recorded.Drawn(TCanvasOp::Ellipse)) halfWidths.push_back((r.Points[1].X - r.Points[0].X) / 2);
  // The outer ring, then 10, 7.5, 5, 2.5 and 0.
  EXPECT_EQ(halfWidths, (std::vector<int>{100, 100, 75, 50, 25, 0}));
}

TEST_F(PolarSeriesTest, LineClosesInTheFirstPointsColourAndSkipsRepeatedPixels)
{
  GridsOff();
  polar.CirclePen().SetVisible(false);
  polar.Pointer().SetVisible(false);
  polar.AddPolar(0, 10, {}, platform::clRed);
  polar.AddPolar(90, 10, {}, platform::clGreen);
  polar.AddPolar(90, 10, {}, platform::clBlue);  // the same pixel: no line, no sector
  polar.AddPolar(180, 10, {}, platform::clFuchsia);
  polar.Brush().SetStyle(platform::TBrushStyle::bsSolid);  // in the points' colours
  Paint();
  const TPoint right{200, 100}, top{100, 0}, left{0, 100}, centre{100, 100};
  const auto lines = recorded.Drawn(TCanvasOp::LineTo);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{right, top}));
  EXPECT_EQ(lines[0].State.Pen.Color, platform::clGreen);
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{top, left}));
  EXPECT_EQ(lines[1].State.Pen.Color, platform::clFuchsia);
  EXPECT_EQ(lines[2].Points, (std::vector<TPoint>{left, right}));
  EXPECT_EQ(lines[2].State.Pen.Color, platform::clRed);
  const auto sectors = recorded.Drawn(TCanvasOp::Polygon);
  ASSERT_EQ(sectors.size(), 3u);
  for (const auto& s : sectors) {
    EXPECT_EQ(s.Points[2], centre);
    EXPECT_EQ(s.State.Pen.Style, platform::TPenStyle::psClear);
  }
  EXPECT_EQ(sectors[2].State.Brush.Color, platform::clRed);

  // One point: the move only.
  polar.Clear();
  polar.AddPolar(45, 3);
  Paint();
  EXPECT_TRUE(recorded.Drawn(TCanvasOp::LineTo).empty());
  EXPECT_EQ(recorded.Drawn(TCanvasOp::Polygon).size(), 0u);
}

TEST_F(PolarSeriesTest, PointersAreDrawnAndClickedOnlyWhenVisible)
{
  GridsOff();
  polar.SetSeriesColor(platform::clNavy);
  polar.AddPolar(0, 10);
  polar.AddPolar(90, 5);
  Paint();
  const auto symbols = recorded.Drawn(TCanvasOp::Rectangle);
  ASSERT_EQ(symbols.size(), 2u);
  EXPECT_EQ(symbols[1].Points[0], (TPoint{100 - 4, 50 - 4}));
  EXPECT_EQ(symbols[1].State.Brush.Color, platform::clNavy);
  EXPECT_EQ(LinesIn(platform::clNavy).size(), 2u);  // the pen took the series colour

  struct Case {
    int x, y, index;
  };
  const Case clicks[] = {{200, 100, 0}, {197, 103, 0}, {196, 100, -1}, {100, 50, 1}, {102, 47, 1}, {100, 100, -1}};
  for (const Case& c : clicks) EXPECT_EQ(polar.Clicked(c.x, c.y), c.index) << c.x << "," << c.y;
  polar.Pointer().SetVisible(false);
  for (const Case& c : clicks) EXPECT_EQ(polar.Clicked(c.x, c.y), -1) << c.x << "," << c.y;
}

TEST_F(PolarSeriesTest, LegendShowsTheLineAndASmallerSymbol)
{
  polar.SetSeriesColor(platform::clMaroon);
  const platform::TRect item{10, 10, 40, 22};
  polar.DrawLegendShape(-1, item);
  const auto lines = recorded.Drawn(TCanvasOp::LineTo);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{10, 16}, {40, 16}}));
  EXPECT_EQ(lines[0].State.Pen.Color, platform::clMaroon);
  const auto symbols = recorded.Drawn(TCanvasOp::Rectangle);
  ASSERT_EQ(symbols.size(), 1u);
  EXPECT_EQ(symbols[0].RectAt(0), (platform::TRect{21, 12, 30, 21}));

  recorded.Recording.Clear();
  polar.Pen().SetVisible(false);
  polar.Pointer().SetVisible(false);
  polar.DrawLegendShape(-1, item);
  EXPECT_TRUE(recorded.Drawn(TCanvasOp::LineTo).empty());
  EXPECT_EQ(recorded.Drawn(TCanvasOp::Rectangle).at(0).RectAt(0), item);
}

TEST_F(PolarSeriesTest, TwoSeriesShareTheFirstOnesRadiiAndFollowTheChartsSize)
{
  TPolarSeries second;
  second.SetParentChart(&chart);
  polar.SetCircleLabels(true);  // the first series makes room for the labels
  polar.AddPolar(0, 10);
  second.AddPolar(0, 10);
  for (const platform::TRect plot : {platform::TRect{0, 0, 400, 300}, platform::TRect{0, 0, 200, 160}}) {
    chart.Plot = plot;
    chart.BeginFlat(0, 10);
    TPolarChart::PaintSeries(polar);
    TPolarChart::PaintSeries(second);
    EXPECT_LT(polar.RadiusY(), plot.Height() / 2);
    EXPECT_EQ(second.RadiusX(), polar.RadiusX());
    EXPECT_EQ(second.RadiusY(), polar.RadiusY());
    EXPECT_EQ(second.CalcXPos(0), polar.CalcXPos(0));
    EXPECT_EQ(second.CustomXRadius(), 0);  // the user's setting, untouched
  }
  // A radius the user gives stays for both.
  second.SetCustomXRadius(40);
  chart.BeginFlat(0, 10);
  TPolarChart::PaintSeries(polar);
  TPolarChart::PaintSeries(second);
  EXPECT_EQ(polar.RadiusX(), 40);
  EXPECT_EQ(second.RadiusX(), 40);
}

TEST_F(PolarSeriesTest, IncrementsComeFromTheAxes)
{
  TPolarSeries alone;
  EXPECT_EQ(alone.AngleIncrement(), 10);
  alone.SetAngleIncrement(30);
  EXPECT_EQ(alone.AngleIncrement(), 10);
  EXPECT_EQ(alone.RadiusIncrement(), 0);

  EXPECT_EQ(polar.AngleIncrement(), 10);
  polar.SetAngleIncrement(15);
  EXPECT_EQ(chart.Bottom.Increment(), 15);
  EXPECT_EQ(polar.AngleIncrement(), 15);
  polar.SetRadiusIncrement(2);
  EXPECT_EQ(chart.Left.Increment(), 2);
  EXPECT_EQ(polar.RadiusIncrement(), 2);
}

TEST_F(PolarSeriesTest, SampleValuesGoRoundTheCircle)
{
  int calls = 0;
  polar.SetRandomSource([&calls](int n) { return (++calls * 7) % n; });
  polar.FillSampleValues(4);
  ASSERT_EQ(polar.Count(), 4);
  const double angles[] = {90, 180, 270, 360};
  const double radii[] = {8, 15, 22, 29};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(polar.AngleValues().GetValue(i), angles[i]);
    EXPECT_EQ(polar.RadiusValues().GetValue(i), radii[i]);
  }
  EXPECT_THROW(polar.FillSampleValues(0), ChartException);
}

TEST(RadarSeriesTest, FivePointsDrawPentagonsFromTheTopLabelledByThePoints)
{
  TRecordedPolarChart recorded;
  TPolarChart& chart = recorded.Chart;
  chart.Plot = {0, 0, 200, 200};
  for (TChartAxis* axis : {&chart.Left, &chart.Right, &chart.Top, &chart.Bottom}) axis->SetVisible(false);
  chart.Left.Grid().SetVisible(false);
  TRadarSeries radar;
  radar.SetParentChart(&chart);
  radar.Marks().SetVisible(false);
  radar.Pointer().SetVisible(false);
  radar.CirclePen().SetColor(platform::clPurple);
  radar.SetRandomSource([](int n) { return n - 1; });
  radar.FillSampleValues(26);
  ASSERT_EQ(radar.Count(), 5);
  EXPECT_EQ(radar.ValueLabel(4), QStringLiteral("Lamps"));
  EXPECT_EQ(radar.RadiusValues().GetValue(0), 999);

  radar.SetCircleLabels(false);
  chart.BeginFlat(0, 1000);
  TPolarChart::PaintSeries(radar);
  EXPECT_EQ(radar.RotationAngle(), 90);
  EXPECT_EQ(radar.SideCount(), 5);
  EXPECT_EQ(chart.Bottom.Increment(), 72);
  EXPECT_EQ(radar.XValues().GetValue(3), 216);
  std::vector<TPoint> corners;
  for (const auto& r : recorded.Drawn(TCanvasOp::LineTo))
    if (r.State.Pen.Color == platform::clPurple) corners.push_back(r.Points[1]);
  // From the top, anticlockwise, closed.
  EXPECT_EQ(corners, (std::vector<TPoint>{{100, 0}, {5, 69}, {41, 181}, {159, 181}, {195, 69}, {100, 0}}));

  recorded.Recording.Clear();
  radar.SetCircleLabels(true);
  TPolarChart::PaintSeries(radar);
  std::vector<QString> texts;
  for (const auto& r : recorded.Drawn(TCanvasOp::TextOut)) texts.push_back(r.Text);
  EXPECT_EQ(texts, (std::vector<QString>{"Cars", "Lamps", "Monitors", "Tables", "Phones", "Cars"}));
}

}  // namespace
}  // namespace chart::testing

namespace chart::testing {
namespace {

TEST(PolarPictureTest, CircledRingIsRoundAndPointsLandOnIt)
{
  QImage image(400, 320, QImage::Format_RGB32);  // room for the ring's last row
  image.fill(Qt::white);
  platform::TImageCanvas canvas(image);
  TPolarChart chart(canvas);
  chart.Plot = {0, 0, 400, 300};
  chart.Bottom.Grid().SetVisible(false);
  chart.Left.Grid().SetVisible(false);
  for (TChartAxis* axis : {&chart.Left, &chart.Right, &chart.Top, &chart.Bottom}) axis->SetVisible(false);
  TPolarSeries polar;
  polar.SetParentChart(&chart);
  polar.Marks().SetVisible(false);
  polar.SetCircled(true);
  polar.CirclePen().SetColor(platform::clBlack);
  polar.Pointer().SetVisible(false);
  polar.SetSeriesColor(platform::clRed);
  for (int a = 0; a < 360; a += 5) polar.AddPolar(a, 5);  // a circle at half the radius
  chart.BeginFlat(0, 10);
  TPolarChart::PaintSeries(polar);

  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  int redLeft = image.width(), redRight = -1, redTop = image.height(), redBottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel == qRgb(0, 0, 0)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      } else if (pixel == qRgb(255, 0, 0)) {
        redLeft = std::min(redLeft, x), redRight = std::max(redRight, x);
        redTop = std::min(redTop, y), redBottom = std::max(redBottom, y);
      }
    }
  EXPECT_EQ(right - left, bottom - top);
  EXPECT_EQ((left + right) / 2, 200);
  EXPECT_EQ((top + bottom) / 2, 150);
  EXPECT_NEAR(right - left, 300, 1);
  // The points' line runs round at half the ring's size.
  EXPECT_NEAR(redRight - redLeft, 150, 2);
  EXPECT_NEAR(redBottom - redTop, 150, 2);
  EXPECT_NEAR((redLeft + redRight) / 2, 200, 1);
}

}  // namespace
}  // namespace chart::testing
