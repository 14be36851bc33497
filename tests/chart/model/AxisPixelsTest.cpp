#include "chart/model/ChartAxis.h"

#include "tests/chart/model/AxisTestChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chart {
namespace {

using testing::PlaceAxis;
using testing::TAxisTestChart;

struct TPixelCase {
  bool Horizontal;
  bool Inverted;
  double Value;
  int Pixel;
};

TEST(AxisPixels, LinearPositionsCountFromTheSideOfTheMinimum)
{
  // 0..100 over pixels 0..400: a horizontal axis grows to the right, a vertical one upwards.
  const TPixelCase cases[] = {
      {true, false, 25, 100}, {true, true, 25, 300},   {false, false, 25, 300}, {false, true, 25, 100},
      {true, false, 0, 0},    {true, false, 100, 400}, {true, false, -50, -200}, {true, false, 0.125, 0},
      {true, false, 0.375, 2}, {false, false, 150, -200},
  };
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  PlaceAxis(axis, 0, 100);
  for (const auto& c : cases) {
    axis.SetHorizontal(c.Horizontal);
    axis.SetInvertedField(c.Inverted);
    EXPECT_EQ(axis.PosOfValue(c.Value), c.Pixel) << c.Horizontal << c.Inverted << " " << c.Value;
    if (c.Pixel >= 0 && c.Pixel <= 400 && c.Value == std::round(c.Value)) {
      EXPECT_DOUBLE_EQ(axis.ValueOfPos(c.Pixel), c.Value) << c.Horizontal << c.Inverted << " " << c.Value;
    }
  }
}

TEST(AxisPixels, FarValuesLandBeyondTheirOwnEndInsteadOfMidPlot)
{
  // Before, every offset past 2^31 pixels came back as the centre pixel, so a far point was drawn
  // in the middle of the plot.
  const double inf = std::numeric_limits<double>::infinity();
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  PlaceAxis(axis, 0, 1, 0, 200);
  for (const bool horizontal : {true, false})
    for (const bool inverted : {false, true}) {
      axis.SetHorizontal(horizontal);
      axis.SetInvertedField(inverted);
      const bool upGoesRight = horizontal != inverted;  // pixels grow with the value
      for (const double value : {1e12, inf, 1e300}) {
        const int pixel = axis.PosOfValue(value);
        EXPECT_TRUE(upGoesRight ? pixel > 200 * 1000 : pixel < -200 * 1000) << horizontal << inverted << value;
        const int opposite = axis.PosOfValue(-value);
        EXPECT_TRUE(upGoesRight ? opposite < -200 * 1000 : opposite > 200 * 1000) << horizontal << inverted;
      }
      EXPECT_EQ(axis.PosOfValue(std::nan("")), axis.CenterPixel());
    }
  EXPECT_GT(axis.SizeOfValue(1e12), 200 * 1000);
}

TEST(AxisPixels, LogarithmicPositionsAndExactEnds)
{
  // ln 10 / ln 1000 * 400 = 133.33, ln 100 / ln 1000 * 400 = 266.67; e^(ln 1000 / 4) = 5.6234...
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  chart.MinX = 1;
  chart.MaxX = 1000;
  axis.SetLogarithmic(true);  // takes the automatic range 1..1000
  axis.SetPixelRange(0, 400);
  EXPECT_EQ(axis.PosOfValue(10), 133);
  EXPECT_EQ(axis.PosOfValue(100), 267);
  EXPECT_EQ(axis.PosOfValue(0), 0);
  EXPECT_EQ(axis.PosOfValue(-5), 0);
  EXPECT_EQ(axis.SizeOfValue(10), 133);
  EXPECT_EQ(axis.ValueOfPos(0), 1.0);
  EXPECT_EQ(axis.ValueOfPos(400), 1000.0);
  EXPECT_NEAR(axis.ValueOfPos(100), 5.623413251903490804, 1e-12);

  axis.SetInvertedField(true);
  EXPECT_EQ(axis.PosOfValue(10), 267);
  EXPECT_EQ(axis.PosOfValue(0), 400);
  EXPECT_EQ(axis.ValueOfPos(0), 1000.0);

  axis.SetHorizontal(false);  // vertical: the minimum at the bottom end, or the top when inverted
  axis.SetInvertedField(false);
  EXPECT_EQ(axis.PosOfValue(10), 400 - 133);
  EXPECT_EQ(axis.PosOfValue(0), 400);
  EXPECT_EQ(axis.ValueOfPos(0), 1000.0);
  EXPECT_EQ(axis.ValueOfPos(400), 1.0);
  EXPECT_NEAR(axis.ValueOfPos(300), 5.623413251903490804, 1e-12);

  PlaceAxis(axis, 5, 5);  // no logarithmic span
  EXPECT_EQ(axis.PosOfValue(5), axis.CenterPixel());
  EXPECT_EQ(axis.SizeOfValue(5), 0);
}

TEST(AxisPixels, DepthSizesAndValuesUnderPixels)
{
  TAxisTestChart chart;
  chart.Depth = 100;
  TChartDepthAxis depth(&chart);
  EXPECT_FALSE(depth.Visible());
  EXPECT_TRUE(depth.IsDepth());
  depth.SetRange(0, 10);
  EXPECT_EQ(depth.DepthPosOfValue(2.5), 25);
  depth.SetInvertedField(true);
  EXPECT_EQ(depth.DepthPosOfValue(2.5), 75);
  depth.SetRange(3, 3);
  EXPECT_EQ(depth.DepthPosOfValue(3), 50);

  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  PlaceAxis(axis, 0, 100);
  EXPECT_EQ(axis.SizeOfValue(25), 100);
  EXPECT_EQ(axis.SizeOfValue(0), 0);
  EXPECT_EQ(axis.SizeOfValue(-3), 0);
  EXPECT_EQ(axis.SizeOfValue(std::nan("")), 0);
  PlaceAxis(axis, 0, 100, 10, 10);
  EXPECT_EQ(axis.ValueOfPos(10), 0.0);  // no pixels: no value
}

}  // namespace
}  // namespace chart
