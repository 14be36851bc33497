#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "tests/chart/model/AxisTestChart.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace chart {
namespace {

using testing::PlaceAxis;
using testing::TAxisTestChart;

constexpr double kSecond = 1.0 / 86400;

struct TStepCase {
  bool DateTime;
  double Min, Max;
  double Increment;
  int Separation;
  int MaxLabels;
  double Step;
};

TEST(AxisIncrement, StepsGrowUntilTheLabelsFit)
{
  const TStepCase cases[] = {
      {false, 0, 1000, 0, 10, 12, 100},  // 1, 2, 5, ... 100: 10 labels
      {false, 0, 100, 3, 10, 5, 20},     // 3, 5, 10, 20
      {false, -10, 10, 0, 10, 7, 5},
      {false, 0, 0.5, 0, 10, 4, 0.2},    // from 1e-12 upwards
      {false, 0, 1000, 0, 0, 3, 1},      // no separation: the step stays
      {false, 0, 1000, 7, 0, 3, 7},
      {false, 0, 1000, 0, 10, 0, 1e-12},  // no room at all
      {true, 0, 30, 0, 10, 10, 3},       // days
      {true, 0, 400, 0, 10, 3, 120},
      {true, 0, 3650, 0, 10, 3, 1460},   // beyond a year: doubling
      {true, 0, 1.0 / 24, 0, 10, 6, 10.0 / 1440},
      {true, 0, 30, 0, 10, 0, kSecond},
      {true, 0, 1, 0.5 * kSecond, 10, 100000, kSecond},  // never below a second
  };
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  for (const auto& c : cases) {
    chart.DateTime = c.DateTime;
    axis.UpdateIsDateTime();
    axis.SetIncrement(c.Increment);
    axis.SetLabelsSeparation(c.Separation);
    PlaceAxis(axis, c.Min, c.Max);
    EXPECT_NEAR(axis.CalcLabelsIncrement(c.MaxLabels), c.Step, c.Step * 1e-9)
        << c.DateTime << " " << c.Max << " " << c.MaxLabels;
  }
}

TEST(AxisIncrement, LabelRoomGivesTheLabelCount)
{
  // 30-pixel labels with 10 % separation take 33 pixels: 12 of them on 400 pixels.
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  PlaceAxis(axis, 0, 1000);
  EXPECT_EQ(axis.CalcXYIncrement(30), 100.0);
  EXPECT_EQ(axis.CalcXYIncrement(0), 1000.0);  // one label

  // Measured on the range ends, in the labels' font.
  TTeeCanvas& canvas = chart.Canvas();
  canvas.Font().Assign(axis.LabelsFont());
  const int width = std::max(canvas.TextWidthOf("1,000"), canvas.TextWidthOf("0"));
  EXPECT_EQ(axis.CalcIncrement(), axis.CalcXYIncrement(width));
  EXPECT_EQ(axis.HorizLabelSize(1000), canvas.TextWidthOf("1,000"));
}

TEST(AxisIncrement, InfiniteAndUndefinedRangesEndTheSearch)
{
  // Before, the search for a fitting step never ended on these spans.
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, double> ranges[] = {{0, inf}, {-inf, inf}, {nan, 1}, {-DBL_MAX, DBL_MAX}, {0, DBL_MAX}};
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  for (const bool dateTime : {false, true}) {
    chart.DateTime = dateTime;
    axis.UpdateIsDateTime();
    for (const auto& [min, max] : ranges) {
      PlaceAxis(axis, min, max);
      const double step = axis.CalcLabelsIncrement(10);
      EXPECT_TRUE(std::isfinite(step) && step > 0) << dateTime << " " << min << " " << max;
    }
  }
  chart.DateTime = false;
  axis.UpdateIsDateTime();
  PlaceAxis(axis, 0, DBL_MAX);  // the largest finite span still finds its step
  EXPECT_LE(std::nearbyint(DBL_MAX / axis.CalcLabelsIncrement(10)), 10);
}

TEST(AxisIncrement, LabelValuesStepByTheCalendarOnExactDateAxes)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  double value = 5;
  axis.StepLabelValue(false, value, 25, 2);
  EXPECT_EQ(value, 3.0);
  chart.DateTime = true;
  axis.UpdateIsDateTime();
  value = 45322;  // 31 January 2024
  axis.StepLabelValue(true, value, 19, 30);
  EXPECT_EQ(value, 45323.0);  // 1 February 2024
  value = 45366;  // 15 March 2024
  axis.StepLabelValue(false, value, 24, 365);
  EXPECT_EQ(value, 45000.0);  // 15 March 2023
  value = 45366;
  axis.StepLabelValue(true, value, 17, 7);  // a week: plain days
  EXPECT_EQ(value, 45373.0);
  axis.SetExactDateTime(false);
  value = 45366;
  axis.StepLabelValue(true, value, 19, 30);
  EXPECT_EQ(value, 45396.0);
}

}  // namespace
}  // namespace chart
