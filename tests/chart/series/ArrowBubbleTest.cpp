#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/ArrowSeries.h"
#include "chart/series/BubbleSeries.h"
#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace chart {
namespace {

using testing::TLineTestChart;
using Calls = std::vector<std::string>;

Calls Drawn(TLineTestChart& chart, const std::function<void()>& draw)
{
  chart.Target.Clear();
  draw();
  return chart.Target.Calls();
}

// Bottom axis 0..10 (40 px a unit), left 0..100 (y pixel = 300 - 3 y).
TEST(ArrowSeries, ArrowsRunFromStartToEndFlatAndFilledIn3D)
{
  TLineTestChart chart;
  TArrowSeries arrows;
  chart.InsertSeries(arrows);
  EXPECT_EQ(arrows.AddFromTo(1, 10, 4, 90, {}, platform::clRed), 0);
  EXPECT_EQ(arrows.AddFromTo(3, 50, 2, 50, {}, platform::clBlue), 1);
  EXPECT_EQ(arrows.EndXValues()[0], 4);
  EXPECT_EQ(arrows.EndYValues()[1], 50);
  arrows.SetArrowWidth(6);
  arrows.SetArrowHeight(9);
  arrows.Pointer().Pen().SetWidth(2);

  TTeeCanvas3D& c = chart.Canvas();
  const auto want = [&](bool filled) {
    return Drawn(chart, [&] {
      for (const auto& [from, to, color] : {std::tuple{platform::TPoint{40, 270}, platform::TPoint{160, 30}, platform::clRed},
                                            std::tuple{platform::TPoint{120, 150}, platform::TPoint{80, 150}, platform::clBlue}}) {
        if (filled) {
          arrows.Pointer().PrepareCanvas(color);
        } else {
          c.ApplyChartPen(arrows.Pointer().Pen());
          c.Pen().SetColor(color);
        }
        c.Arrow3D(filled, from, to, 6, 9, arrows.DepthMiddle);
      }
    });
  };
  const Calls flat = want(false);
  ASSERT_FALSE(flat.empty());
  EXPECT_EQ(chart.Paint(arrows), flat);
  EXPECT_EQ(chart.Target.Records().back().State.Pen.Color, platform::clBlue);
  EXPECT_EQ(chart.Target.Records().back().State.Pen.Width, 2);
  // The pointer's visibility does not matter.
  arrows.Pointer().SetVisible(false);
  EXPECT_EQ(chart.Paint(arrows), flat);

  chart.Begin3D(arrows);
  const Calls solid = want(true);
  ASSERT_FALSE(solid.empty());
  EXPECT_EQ(chart.Paint(arrows), solid);
}

TEST(ArrowSeries, BothEndsMakeTheExtremesAndSizesBelowOneAreRefused)
{
  TArrowSeries arrows;
  EXPECT_TRUE(arrows.StartXValues().DateTime());
  EXPECT_TRUE(arrows.EndXValues().DateTime());
  EXPECT_EQ(arrows.EndXValues().Name(), QStringLiteral("EndX"));
  EXPECT_EQ(arrows.EndYValues().Name(), QStringLiteral("EndY"));
  EXPECT_FALSE(arrows.Pointer().InflateMargins());
  EXPECT_FALSE(arrows.Marks().Frame().Visible());
  EXPECT_TRUE(arrows.Marks().Transparent());

  arrows.AddFromTo(1, 10, 4, 90);
  arrows.AddFromTo(3, 50, -2, 5);
  EXPECT_EQ(arrows.MinXValue(), -2);
  EXPECT_EQ(arrows.MaxXValue(), 4);
  EXPECT_EQ(arrows.MinYValue(), 5);
  EXPECT_EQ(arrows.MaxYValue(), 90);

  EXPECT_THROW(arrows.SetArrowWidth(0), ChartException);
  EXPECT_THROW(arrows.SetArrowHeight(-3), ChartException);
  EXPECT_EQ(arrows.ArrowWidth(), TSeriesPointer::kDefaultSize);
  EXPECT_EQ(arrows.ArrowHeight(), TSeriesPointer::kDefaultSize);

  arrows.SetRandomSource([](int n) { return n / 2; });
  arrows.FillSampleValues(5);
  EXPECT_EQ(arrows.Count(), 5);
  EXPECT_EQ(arrows.EndYValues().Count(), 5);
  arrows.PrepareForGallery(false);
  EXPECT_EQ(arrows.Count(), 3);
  EXPECT_EQ(arrows.ArrowWidth(), 12);
  EXPECT_EQ(arrows.ArrowHeight(), 12);
  EXPECT_EQ(arrows.SeriesColor(), platform::clGray);
}

// A 100-pixel square plot with both axes 0..100 unless a case says otherwise.
TEST(BubbleSeries, RadiusSizesTheCircleOnTheAxisScales)
{
  TLineTestChart chart;
  chart.Plot = {0, 0, 100, 100};
  chart.SetAxisRange(chart.Bottom, 0, 100);
  chart.SetAxisRange(chart.Left, 0, 100);
  TBubbleSeries bubbles;
  chart.InsertSeries(bubbles);
  EXPECT_EQ(bubbles.AddXYRadius(50, 50, 10), 0);
  EXPECT_EQ(bubbles.Pointer().Style(), TSeriesPointerStyle::psCircle);
  EXPECT_TRUE(bubbles.Squared());

  struct Case {
    const char* Name;
    bool Squared;
    double BottomMax;
    Calls Want;
  };
  const std::vector<Case> cases{
      {"radius 10 is 10 pixels", true, 100, {"Ellipse(40,40,60,60)"}},
      {"squared ignores the horizontal scale", true, 50, {"Ellipse(90,40,110,60)"}},
      {"not squared follows it", false, 50, {"Ellipse(80,40,120,60)"}},
  };
  for (const Case& c : cases) {
    bubbles.SetSquared(c.Squared);
    chart.SetAxisRange(chart.Bottom, 0, c.BottomMax);
    EXPECT_EQ(chart.Paint(bubbles), c.Want) << c.Name;
  }
  // Drawn whatever the pointer's visibility.
  bubbles.Pointer().SetVisible(false);
  EXPECT_EQ(chart.Paint(bubbles), cases.back().Want);

  // The legend symbol fills the smaller side of the item.
  bubbles.Pointer().SetVisible(true);
  bubbles.DrawLegendShape(0, {0, 0, 20, 12});
  EXPECT_EQ(bubbles.Pointer().HorizSize(), 12);
  EXPECT_EQ(bubbles.Pointer().VertSize(), 12);
}

TEST(BubbleSeries, VerticalRangeHoldsEveryBubble)
{
  TLineTestChart chart;
  TBubbleSeries bubbles;
  chart.InsertSeries(bubbles);
  bubbles.AddXYRadius(1, 10, 5);
  bubbles.AddXYRadius(2, 50, 30);
  bubbles.AddXYRadius(3, 90, 2);
  EXPECT_EQ(bubbles.MaxYValue(), 92);
  EXPECT_EQ(bubbles.MinYValue(), 5);
  EXPECT_EQ(chart.AxisMinMax(chart.Left, false, false), 92);
  EXPECT_EQ(chart.AxisMinMax(chart.Left, true, false), 5);

  TBubbleSeries copy;
  bubbles.SetSquared(false);
  copy.Assign(bubbles);
  EXPECT_FALSE(copy.Squared());
  EXPECT_TRUE(copy.CanCopyFrom(bubbles));
  EXPECT_FALSE(copy.CanCopyFrom(copy));

  // Samples: Y from 0 over the range 0..1000, radius Round(1000 / 10) + 100.
  TBubbleSeries samples;
  samples.SetRandomSource([](int) { return 0; });
  samples.FillSampleValues(5);
  ASSERT_EQ(samples.Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(samples.XValues()[i], i);
    EXPECT_EQ(samples.YValues()[i], 0);
    EXPECT_EQ(samples.RadiusValues()[i], 200);
  }
}

}  // namespace
}  // namespace chart
