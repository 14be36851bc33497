// The circled base: the chart adapted while a round series is attached and active, rotation,
// the circle's rectangle and radii, angles to pixels and back, the back colour.
#include "chart/canvas/View3DOptions.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/PolarSeries.h"
#include "chart/support/ChartExceptions.h"
#include "platform/CanvasImage.h"
#include "tests/chart/series/PolarChartDouble.h"

#include <gtest/gtest.h>

#include <numbers>

namespace chart::testing {
namespace {

using platform::TRect;

struct CircledSeriesTest : ::testing::Test {
  TRecordedPolarChart recorded;
  TPolarChart& chart = recorded.Chart;
};

TEST_F(CircledSeriesTest, ChartIsAdaptedWhileARoundSeriesIsAttachedAndActive)
{
  TChartSeries line;
  line.SetParentChart(&chart);
  chart.View.SetOrthogonal(true);
  chart.View.SetRotation(345);
  chart.View.SetElevation(345);
  chart.View.SetPerspective(15);
  chart.View.SetTilt(5);

  TPolarSeries polar;
  polar.SetParentChart(&chart);
  EXPECT_FALSE(chart.AxesAndWalls);
  EXPECT_FALSE(chart.ClipPoints);
  EXPECT_FALSE(chart.View.Orthogonal());
  EXPECT_EQ(chart.View.Rotation(), 360);
  EXPECT_EQ(chart.View.Elevation(), 315);
  EXPECT_EQ(chart.View.Perspective(), 0);
  EXPECT_EQ(chart.View.Tilt(), 0);

  polar.SetActive(false);
  EXPECT_TRUE(chart.AxesAndWalls);
  EXPECT_TRUE(chart.ClipPoints);
  polar.SetActive(true);
  EXPECT_FALSE(chart.AxesAndWalls);
  EXPECT_FALSE(chart.ClipPoints);

  polar.SetParentChart(nullptr);
  EXPECT_TRUE(chart.AxesAndWalls);
  EXPECT_TRUE(chart.ClipPoints);
  EXPECT_FALSE(chart.SeriesList().Contains(polar));
}

TEST_F(CircledSeriesTest, LastRoundSeriesOfARoundChartLeavesItAsItIs)
{
  {
    TPolarSeries polar;
    polar.SetParentChart(&chart);
    EXPECT_FALSE(chart.AxesAndWalls);
    const int adaptations = chart.Adaptations;
    polar.SetParentChart(nullptr);
    EXPECT_EQ(chart.Adaptations, adaptations);
    polar.SetParentChart(&chart);
  }
  // Destroyed on the chart: it left without switching anything back.
  EXPECT_FALSE(chart.AxesAndWalls);
  EXPECT_EQ(chart.SeriesList().Count(), 0);

  // Beside a line series its destruction restores the chart.
  TChartSeries line;
  line.SetParentChart(&chart);
  {
    TPolarSeries polar;
    polar.SetParentChart(&chart);
    EXPECT_FALSE(chart.AxesAndWalls);
  }
  EXPECT_TRUE(chart.AxesAndWalls);
}

TEST_F(CircledSeriesTest, RotationIsKeptModulo360AndANegativeAngleRaises)
{
  TPolarSeries polar;
  polar.SetRotationAngle(370);
  EXPECT_EQ(polar.RotationAngle(), 10);
  EXPECT_DOUBLE_EQ(polar.RotationRadians(), 0.1745329251994329576923690768488612713443);
  try {
    polar.SetRotationAngle(-1);
    FAIL() << "no exception";
  } catch (const PieException& e) {
    EXPECT_EQ(QString::fromStdString(e.what()), QStringLiteral("Rotation Angle must be between 0 and 359 degrees"));
  }
  EXPECT_EQ(polar.RotationAngle(), 10);
}

TEST_F(CircledSeriesTest, CircleRectangleIsEvenAtLeast4AndSquareWhenCircled)
{
  struct Case {
    TRect plot;
    bool circled;
    int customX;
    TRect bounds;
    int centerX, centerY, radiusX, radiusY;
  };
  const Case cases[] = {
      {{10, 20, 111, 71}, false, 0, {10, 20, 110, 70}, 60, 45, 50, 25},
      {{10, 20, 12, 22}, false, 0, {10, 20, 14, 24}, 12, 22, 2, 2},
      {{0, 0, 200, 100}, true, 0, {50, 0, 150, 100}, 100, 50, 50, 50},
      {{0, 0, 100, 200}, true, 0, {0, 50, 100, 150}, 50, 100, 50, 50},
      {{0, 0, 200, 100}, false, 30, {70, 0, 130, 100}, 100, 50, 30, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plot.Width());
    TPolarSeries polar;
    polar.SetParentChart(&chart);
    polar.Marks().SetVisible(false);
    polar.SetCircled(c.circled);
    polar.SetCustomXRadius(c.customX);
    chart.Plot = c.plot;
    polar.TCircledSeries::DoBeforeDrawValues();
    EXPECT_EQ(polar.CircleBounds(), c.bounds);
    EXPECT_EQ(polar.CenterX(), c.centerX);
    EXPECT_EQ(polar.CenterY(), c.centerY);
    EXPECT_EQ(polar.RadiusX(), c.radiusX);
    EXPECT_EQ(polar.RadiusY(), c.radiusY);
  }
}

TEST_F(CircledSeriesTest, CircledStaysSquareOnTargetsNotShapedLikeTheScreen)
{
  // The circle's aspect comes from the target's own resolution, whatever its size in pixels.
  for (const QSize size : {QSize(1000, 120), QSize(120, 1000), QSize(400, 300)}) {
    QImage image(size, QImage::Format_RGB32);
    platform::TImageCanvas canvas(image);
    TPolarChart onImage(canvas);
    onImage.Plot = {0, 0, 300, 100};
    TPolarSeries polar;
    polar.SetParentChart(&onImage);
    polar.Marks().SetVisible(false);
    polar.SetCircled(true);
    polar.TCircledSeries::DoBeforeDrawValues();
    EXPECT_EQ(polar.RadiusX(), polar.RadiusY()) << size.width() << "x" << size.height();
    EXPECT_EQ(polar.CircleBounds(), (TRect{100, 0, 200, 100}));
  }
}

TEST_F(CircledSeriesTest, CircledAndCustomRadiiGoToTheSeriesOfTheClass)
{
  TPolarSeries a, b;
  TRadarSeries radar;
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  radar.SetParentChart(&chart);
  a.SetCustomXRadius(60);
  a.SetCircled(true);
  EXPECT_EQ(b.CustomXRadius(), 60);
  EXPECT_TRUE(b.Circled());
  // A radar series is no polar series: it keeps its own settings.
  EXPECT_EQ(radar.CustomXRadius(), 0);
  EXPECT_FALSE(radar.Circled());

  chart.BeginFlat(0, 10);
  a.AddPolar(0, 5);
  b.AddPolar(0, 5);
  TPolarChart::PaintSeries(a);
  TPolarChart::PaintSeries(b);
  EXPECT_EQ(a.RadiusX(), 60);
  EXPECT_EQ(b.RadiusX(), 60);
}

TEST_F(CircledSeriesTest, PolarToPixelAndBack)
{
  TPolarSeries polar;
  polar.SetParentChart(&chart);
  chart.Plot = {0, 0, 200, 200};
  chart.BeginFlat(0, 10);
  polar.AddPolar(30, 5);
  polar.AddPolar(225, 8);
  TPolarChart::PaintSeries(polar);
  ASSERT_EQ(polar.RadiusX(), 100);
  ASSERT_EQ(polar.CenterX(), 100);
  ASSERT_EQ(polar.CenterY(), 100);
  EXPECT_EQ(polar.CalcXPos(0), 100 + 43);
  EXPECT_EQ(polar.CalcYPos(0), 100 - 25);
  EXPECT_EQ(polar.CalcXPos(1), 100 - 57);
  EXPECT_EQ(polar.CalcYPos(1), 100 + 57);
  polar.SetRotationAngle(90);
  EXPECT_EQ(polar.CalcXPos(0), 100 - 25);
  EXPECT_EQ(polar.CalcYPos(0), 100 - 43);

  struct Case {
    int rotation, x, y;
    double radians;
  };
  const Case cases[] = {
      {0, 100, 40, 1.570796326794896619231321691639751442099},
      {0, 100, 100, 1.570796326794896619231321691639751442099},
      {0, 100, 160, 4.712388980384689857693965074919254326296},
      {0, 160, 100, 0},
      {0, 40, 100, 3.141592653589793238462643383279502884197},
      {0, 150, 50, 0.7853981633974483096156608458198757210493},
      {90, 150, 50, 5.497787143782138167151045960239130047344},
      {90, 100, 40, 0},
  };
  for (const Case& c : cases) {
    polar.SetRotationAngle(c.rotation);
    EXPECT_NEAR(polar.PixelToAngle(c.x, c.y), c.radians, 1e-12) << c.rotation << " " << c.x << "," << c.y;
  }
}

TEST_F(CircledSeriesTest, EffectiveBackColorFallsBackToTheWallThenTheChart)
{
  TPolarSeries polar;
  polar.SetParentChart(&chart);
  chart.BackColor = platform::clYellow;
  EXPECT_EQ(polar.EffectiveBackColor(), platform::clYellow);  // a chart without walls
  chart.WallColor = platform::clAqua;
  EXPECT_EQ(polar.EffectiveBackColor(), platform::clAqua);
  polar.SetCircleBackColor(platform::clRed);
  EXPECT_EQ(polar.EffectiveBackColor(), platform::clRed);

  platform::TColor back = platform::clWhite;
  platform::TBrushStyle style = platform::TBrushStyle::bsSolid;
  polar.PrepareLegendCanvas(0, back, style);
  EXPECT_EQ(back, platform::clRed);
}

TEST_F(CircledSeriesTest, AssignCopiesTheCircledSettings)
{
  TPolarSeries source, copy;
  source.SetCircled(true);
  source.SetRotationAngle(45);
  source.SetCustomXRadius(7);
  source.SetCustomYRadius(9);
  source.SetCircleBackColor(platform::clLime);
  source.SetCloseCircle(false);
  source.Pointer().SetVisible(false);
  copy.Assign(source);
  EXPECT_TRUE(copy.Circled());
  EXPECT_EQ(copy.RotationAngle(), 45);
  EXPECT_DOUBLE_EQ(copy.RotationRadians(), source.RotationRadians());
  EXPECT_EQ(copy.CustomXRadius(), 7);
  EXPECT_EQ(copy.CustomYRadius(), 9);
  EXPECT_EQ(copy.CircleBackColor(), platform::clLime);
  EXPECT_FALSE(copy.CloseCircle());
  EXPECT_FALSE(copy.Pointer().Visible());
  EXPECT_EQ(copy.XValues().Name(), QStringLiteral("Angle"));
  EXPECT_EQ(copy.YValues().Name(), QStringLiteral("Radius"));
  EXPECT_FALSE(copy.RestrictToAxisRange());
}

}  // namespace
}  // namespace chart::testing
