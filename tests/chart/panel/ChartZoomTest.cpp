#include "ChartWindow.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TChartWindow;

struct TRange {
  double Min;
  double Max;
};

TRange RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

// One pixel's worth of value on each axis of the window's chart (500 x 400 pixels around 0..10, 0..100).
constexpr double kXPixel = 10.0 / 300;
constexpr double kYPixel = 100.0 / 200;

TEST(ChartZoom, ADragRightAndDownZoomsToTheValuesUnderItsCorners)
{
  TChartWindow window;
  window.Drag({window.XOf(2), window.YOf(80)}, {window.XOf(6), window.YOf(30)});
  TChart& chart = *window.chart;
  EXPECT_NEAR(chart.BottomAxis().Minimum(), 2, kXPixel);
  EXPECT_NEAR(chart.BottomAxis().Maximum(), 6, kXPixel);
  EXPECT_NEAR(chart.LeftAxis().Minimum(), 30, kYPixel);
  EXPECT_NEAR(chart.LeftAxis().Maximum(), 80, kYPixel);
  EXPECT_TRUE(chart.Zoomed());

  // The picture on the screen follows: the line's point at x = 4 now sits in the middle third.
  window.Shown();
  EXPECT_NEAR(window.XOf(4), (window.XOf(2) + window.XOf(6)) / 2, 1);
}

TEST(ChartZoom, ZoomingTwiceAndUndoingOnceBringsBackTheRangesBeforeTheFirstZoom)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  chart.LeftAxis().SetAutomatic(true);
  window.Shown();
  const TRange bottom = RangeOf(chart.BottomAxis());
  window.Drag({window.XOf(1), window.YOf(90)}, {window.XOf(9), window.YOf(10)});
  window.Shown();
  window.Drag({window.XOf(3), window.YOf(70)}, {window.XOf(5), window.YOf(40)});
  ASSERT_NEAR(chart.BottomAxis().Maximum(), 5, 0.1);

  // Dragged up and left: undo.
  window.Shown();
  window.Drag({window.XOf(4.6), window.YOf(45)}, {window.XOf(3.4), window.YOf(65)});
  EXPECT_EQ(chart.BottomAxis().Minimum(), bottom.Min);
  EXPECT_EQ(chart.BottomAxis().Maximum(), bottom.Max);
  EXPECT_FALSE(chart.BottomAxis().Automatic());
  EXPECT_TRUE(chart.LeftAxis().Automatic());  // automatic again, as before the zooms
  EXPECT_FALSE(chart.Zoomed());
}

TEST(ChartZoom, ARectangleOfSixteenPixelsOrLessInEitherDirectionIsIgnored)
{
  struct TCase {
    int Width;
    int Height;
    bool Zooms;
  };
  const TCase cases[] = {{16, 100, false}, {100, 16, false}, {16, 16, false}, {17, 17, true}, {-100, -100, false}};
  for (const TCase& c : cases) {
    TChartWindow window;
    const QPoint from{window.XOf(5), window.YOf(50)};
    window.Drag(from, from + QPoint(c.Width, c.Height));
    EXPECT_EQ(window.chart->BottomAxis().Maximum() != 10, c.Zooms) << c.Width << " x " << c.Height;
    EXPECT_EQ(window.chart->Zoomed(), c.Zooms);
  }
}

// The band is drawn over the picture shown: dragging it around does not draw the chart again.
TEST(ChartZoom, TheRubberBandReachesTheScreenWithoutDrawingTheChartAgain)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  int draws = 0;
  chart.OnAfterDraw = [&] { ++draws; };
  const QImage before = window.Shown();
  const QPoint from{window.XOf(1), window.YOf(90)};
  testing_support::PressAt(chart, from);
  for (int i = 1; i <= 100; ++i)
    testing_support::MoveHeldTo(chart, from + QPoint(2 + i, 2 + i));
  const QPoint corner = from + QPoint(102, 102);
  const QImage during = window.Shown();
  EXPECT_EQ(draws, 0);
  // Only the band's outline changed: its edges, not its inside.
  int changed = 0;
  for (int x = from.x() + 5; x < corner.x() - 5; ++x)
    changed += during.pixel(x, from.y()) != before.pixel(x, from.y()) ? 1 : 0;
  EXPECT_GT(changed, 80);
  EXPECT_EQ(during.copy(from.x() + 2, from.y() + 2, 90, 90), before.copy(from.x() + 2, from.y() + 2, 90, 90));
  testing_support::ReleaseAt(chart, corner);
}

TEST(ChartZoom, ZoomRectAndAnimatedZoomReachTheSameRanges)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  int repaints = 0;
  chart.OnAfterDraw = [&] { ++repaints; };
  const platform::TRect r{window.XOf(2), window.YOf(80), window.XOf(6), window.YOf(30)};
  chart.SetAnimatedZoom(true);
  chart.SetAnimatedZoomSteps(8);
  window.Shown();
  repaints = 0;
  chart.ZoomRect(r);
  EXPECT_EQ(repaints, 7);  // the steps before the final range
  EXPECT_NEAR(chart.BottomAxis().Minimum(), 2, kXPixel);
  EXPECT_NEAR(chart.LeftAxis().Maximum(), 80, kYPixel);
}

TEST(ChartPanning, EachMouseStepMovesTheAxesByTheValuesItCrosses)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  int scrolls = 0;
  chart.OnScroll = [&] { ++scrolls; };
  const QPoint start{window.XOf(5), window.YOf(50)};
  const int step = window.XOf(6) - window.XOf(5);  // one unit of x
  testing_support::PressAt(chart, start, Qt::RightButton);
  // Right by one unit: the axis goes one unit left; then left by two units: one unit right of the start.
  testing_support::MoveHeldTo(chart, start + QPoint(step, 0), Qt::RightButton);
  EXPECT_NEAR(chart.BottomAxis().Minimum(), -1, kXPixel);
  EXPECT_NEAR(chart.BottomAxis().Maximum(), 9, kXPixel);
  testing_support::MoveHeldTo(chart, start + QPoint(-step, 0), Qt::RightButton);
  EXPECT_NEAR(chart.BottomAxis().Minimum(), 1, kXPixel);
  EXPECT_NEAR(chart.BottomAxis().Maximum(), 11, kXPixel);
  EXPECT_EQ(chart.LeftAxis().Minimum(), 0);  // y did not change
  EXPECT_EQ(scrolls, 2);

  // Leaving the chart rectangle ends the pan: a later step moves nothing.
  testing_support::MoveHeldTo(chart, {2, 2}, Qt::RightButton);
  testing_support::MoveHeldTo(chart, start, Qt::RightButton);
  testing_support::ReleaseAt(chart, start, Qt::RightButton);
  EXPECT_NEAR(chart.BottomAxis().Minimum(), 1, kXPixel);
  EXPECT_EQ(scrolls, 2);

  chart.UndoZoom();
  EXPECT_EQ(chart.BottomAxis().Minimum(), 0);
  EXPECT_EQ(chart.BottomAxis().Maximum(), 10);
}

TEST(ChartPanning, OnAllowScrollMayChangeOrRefuseTheNewRange)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  chart.OnAllowScroll = [&](const TCustomChartAxis& axis, double& min, double& max, bool& allow) {
    if (!axis.Horizontal())
      allow = false;
    min = std::max(min, -0.5);
    max = min + 10;
  };
  const QPoint start{window.XOf(5), window.YOf(50)};
  window.Drag(start, {window.XOf(7), window.YOf(20)}, Qt::RightButton);
  EXPECT_EQ(RangeOf(chart.BottomAxis()).Min, -0.5);
  EXPECT_EQ(RangeOf(chart.BottomAxis()).Max, 9.5);
  EXPECT_EQ(RangeOf(chart.LeftAxis()).Min, 0);
  EXPECT_EQ(RangeOf(chart.LeftAxis()).Max, 100);
}

// A value delta on a logarithmic axis would take its minimum to 0 or below, which it cannot show.
TEST(ChartPanning, ALogarithmicAxisRefusesAStepThatTakesItsMinimumToZeroOrBelow)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  chart.LeftAxis().SetMinMax(1, 100);
  chart.LeftAxis().SetLogarithmic(true);
  window.Shown();
  const int top = window.YOf(100);
  const int bottom = window.YOf(1);
  // Dragging up over most of the height subtracts almost 100: refused.
  window.Drag({window.XOf(5), bottom - 2}, {window.XOf(5), top + 2}, Qt::RightButton);
  EXPECT_EQ(chart.LeftAxis().Minimum(), 1);
  EXPECT_EQ(chart.LeftAxis().Maximum(), 100);
  // A small drag down adds a little: it pans.
  window.Shown();
  window.Drag({window.XOf(5), window.YOf(10)}, {window.XOf(5), window.YOf(10) + 10}, Qt::RightButton);
  EXPECT_GT(chart.LeftAxis().Minimum(), 1);
}

}  // namespace
}  // namespace chart
