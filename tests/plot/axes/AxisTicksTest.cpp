#include "../graph/GraphDoubles.h"

#include "plot/axes/TickWalk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace plot::test {
namespace {

struct TLayout {
  int count;
  int majorEvery;
  double step;
  int decimals;
  double firstTick;
  double high;  // after the upper rounding
};

void ExpectLayout(const TAxis& axis, double high, const TLayout& want)
{
  EXPECT_EQ(axis.TickCount, want.count);
  EXPECT_EQ(axis.MajorEvery, want.majorEvery);
  EXPECT_NEAR(axis.TickStep, want.step, std::fabs(want.step) * 1e-12);
  EXPECT_EQ(axis.Decimals, want.decimals);
  EXPECT_NEAR(axis.FirstTick, want.firstTick, 1e-12);
  EXPECT_NEAR(high, want.high, 1e-12);
}

TEST(AxisTicks, RealLayouts)
{
  struct TCase {
    double low, high;
    TLayout want;
  };
  const TCase cases[] = {
      {0, 1, {11, 5, 0.1, 2, 0, 1}},
      {0, 10, {11, 5, 1, 2, 0, 10}},
      {0, 100, {11, 5, 10, 2, 0, 100}},
      {0, 250, {13, 5, 20, 0, 0, 250}},  // Round(12.5) is 12
      {0, 7, {15, 4, 0.5, 1, 0, 7}},
      {0, 3, {16, 5, 0.2, 1, 0, 3}},
      {0, 0.003, {16, 5, 0.0002, 4, 0, 0.003}},
      {0.37, 10.2, {21, 4, 0.5, 1, 0.37, 10.2}},
      {0, 9.87654, {21, 4, 0.5, 1, 0, 9.88}},
      {10, 0, {11, 5, 1, 2, 0, 10}},  // exchanged
      {-1e12, 1e12, {11, 5, 2e11, 0, -1e12, 1e12}},  // beyond 32 bits: fixed-notation first tick
  };
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}}));
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high);
    double low = c.low, high = c.high;
    f.graph.XAxis->ComputeTicks(low, high);
    ExpectLayout(*f.graph.XAxis, high, c.want);
  }
  // The upper end stays as it is without AutoMax and while zoomed.
  double low = 0, high = 9.87654;
  f.graph.XAxis->AutoMax = false;
  f.graph.XAxis->ComputeTicks(low, high);
  EXPECT_EQ(high, 9.87654);
  f.graph.XAxis->AutoMax = true;
  f.graph.Zoom.Stack.push_back({});
  f.graph.XAxis->ComputeTicks(low, high);
  EXPECT_EQ(high, 9.87654);
}

TEST(AxisTicks, IntegerLayouts)
{
  struct TCase {
    double low, high;
    bool empty;
    TLayout want;
  };
  const TCase cases[] = {
      {0, 1, false, {3, 1, 1, 1, 0, 1}},
      {0, 7, false, {9, 2, 1, 1, 0, 7}},
      {0, 15, false, {17, 5, 1, 1, 0, 15}},
      {0, 50, false, {27, 5, 2, 1, 0, 50}},
      {5.2, 50, false, {24, 5, 2, 1, 5, 50}},  // a whole first tick of this range
      {0, 500, false, {26, 5, 20, 0, 0, 500}},  // with data: the real layout
      {0, 500, true, {26, 5, 20, 0, 0, 500}},   // without: whole steps
      {0, 1500, true, {16, 5, 100, 0, 0, 1500}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << (c.empty ? " empty" : ""));
    TGraphFixture f;
    if (!c.empty)
      f.AddSeries("s", PointsXY({{0, 0}}));
    f.graph.XAxis->LabelsStyle = asInteger;
    double low = c.low, high = c.high;
    f.graph.XAxis->ComputeTicks(low, high);
    ExpectLayout(*f.graph.XAxis, high, c.want);
  }
}

TEST(AxisTicks, ZeroOrNonFiniteSpansKeepTheLayout)
{
  TGraphFixture f;
  TAxis& axis = *f.graph.XAxis;
  double low = 0, high = 1;
  axis.ComputeTicks(low, high);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const auto& [a, b] : {std::pair{3.0, 3.0}, {nan, 1.0}, {0.0, inf}, {-inf, inf}}) {
    low = a;
    high = b;
    axis.ComputeTicks(low, high);
    EXPECT_EQ(axis.TickCount, 11);
    EXPECT_EQ(axis.TickStep, 0.1);
  }
  // A drawing walk over such a range visits nothing and ends.
  for (const bool log : {false, true}) {
    axis.Log = log;
    f.graph.Range = {nan, 0, inf, 1};
    EXPECT_EQ(TTickWalk(axis).Count(), 0);
    f.graph.Range = {-1e300, 0, 1e300, 1};
    EXPECT_LE(TTickWalk(axis).Count(), kMaxTickCount);
  }
}

TEST(AxisTicks, NiceRangeWritesTheAutomaticEndsBack)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}}));
  f.graph.Range = {0, 0, 9.87654, 9.87654};
  f.graph.XAxis->ApplyNiceRange();
  EXPECT_NEAR(f.graph.Range.Right, 9.88, 1e-12);
  f.graph.YAxis->AutoMax = false;
  f.graph.YAxis->ApplyNiceRange();
  EXPECT_EQ(f.graph.Range.Bottom, 9.87654);

  // An inverted axis keeps the larger value as its range minimum; the smaller one is still the low
  // end of the layout.
  f.graph.Range2 = {9.87654, 0, 0, 1};
  f.graph.XAxis2->Inverted = true;
  f.graph.XAxis2->ApplyNiceRange();
  EXPECT_NEAR(f.graph.Range2.Left, 9.88, 1e-12);
  EXPECT_EQ(f.graph.Range2.Right, 0);
  EXPECT_EQ(f.graph.XAxis2->FirstTick, 0);

  f.graph.XAxis->TickStep = 0.5;
  f.graph.XAxis->FirstTick = 0;
  f.graph.XAxis->TickCount = 21;
  f.graph.XAxis->ExtendByTicks(2, 1);
  EXPECT_EQ(f.graph.Range.Left, -1);
  EXPECT_EQ(f.graph.Range.Right, 10.5);
  EXPECT_EQ(f.graph.XAxis->TickCount, 24);
  EXPECT_EQ(f.graph.XAxis->FirstTick, -1);
}

// The ticks a walk visits: value, major and (for majors) label.
struct TWalked {
  std::vector<double> values;
  std::vector<QString> labels;
  int majors = 0;
};

TWalked Walk(TAxis& axis)
{
  TWalked walked;
  TTickWalk walk(axis);
  for (int i = 1; i <= walk.Count(); ++i) {
    walk.StartTick(i);
    walked.values.push_back(walk.Value());
    if (walk.IsMajor(i)) {
      ++walked.majors;
      walked.labels.push_back(axis.Log ? walk.Label() + "^" + walk.Exponent() : walk.Label());
    }
    walk.Advance();
  }
  return walked;
}

TEST(AxisTicks, LabelsOfTheTickWalk)
{
  struct TCase {
    double low, high;
    std::vector<QString> labels;
  };
  const TCase cases[] = {
      {0, 1, {"0", "0.5", "1"}},
      {0, 250, {"0", "100", "200"}},
      {0, 0.003, {"0", "0.001", "0.002", "0.003"}},
      {0, 7, {"0", "2", "4", "6"}},
      {-0.3, 0.3, {"-0.3", "-0.1", "0.1", "0.3"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high);
    TGraphFixture f;
    f.AddSeries("s", PointsXY({{c.low, c.low}, {c.high, c.high}}));
    f.graph.Range = {c.low, c.low, c.high, c.high};
    f.graph.XAxis->ApplyNiceRange();
    f.graph.YAxis->ApplyNiceRange();
    EXPECT_EQ(Walk(*f.graph.XAxis).labels, c.labels);
    EXPECT_EQ(Walk(*f.graph.YAxis).labels, c.labels);
  }
}

// Decades of 1 to 9 times their start: the usual positions of logarithmic paper.
TEST(AxisTicks, LogarithmicDecades)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{1, 1}, {1000, 1000}}));
  f.graph.Range = {0, 0, 3, 3};
  for (TAxis* axis : {static_cast<TAxis*>(f.graph.XAxis.get()), static_cast<TAxis*>(f.graph.YAxis.get())}) {
    axis->SetLog(true);
    axis->ApplyNiceRange();
    const TWalked walked = Walk(*axis);
    EXPECT_EQ(axis->TickCount, 28);
    EXPECT_EQ(walked.labels, (std::vector<QString>{"10^0", "10^1", "10^2", "10^3"}));
    const std::vector<double> firstDecade(walked.values.begin(), walked.values.begin() + 10);
    EXPECT_EQ(firstDecade, (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(walked.values[18], 100);
    EXPECT_EQ(walked.values.back(), 1000);
  }
  // An inverted X axis runs down from its upper decade.
  f.graph.XAxis->Inverted = true;
  f.graph.Range.Left = 3;
  f.graph.Range.Right = 0;
  const TWalked inverted = Walk(*f.graph.XAxis);
  EXPECT_EQ(inverted.values[1], 900);
  EXPECT_EQ(inverted.values[9], 100);
  EXPECT_EQ(inverted.values[10], 90);
  EXPECT_EQ(inverted.labels.front(), "10^3");
}

TEST(AxisTicks, IntegerWalkStartsAtAWholeNumber)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0.3, 0.3}, {7.6, 7.6}}));
  f.graph.Range = {0.3, 0.3, 7.6, 7.6};
  f.graph.XAxis->LabelsStyle = asInteger;
  f.graph.XAxis->ApplyNiceRange();
  EXPECT_EQ(Walk(*f.graph.XAxis).values.front(), 0);  // Round(0.3 - 0.5) on X
  f.graph.YAxis->LabelsStyle = asInteger;
  f.graph.YAxis->ApplyNiceRange();
  EXPECT_EQ(Walk(*f.graph.YAxis).values.front(), 1);  // Round(0.3 + 0.5) on Y
  // Inverted, the walk still starts at the smaller end.
  f.graph.Range.Left = 7.6;
  f.graph.Range.Right = 0.3;
  f.graph.XAxis->Inverted = true;
  f.graph.XAxis->ApplyNiceRange();
  EXPECT_EQ(Walk(*f.graph.XAxis).values.front(), 0);
}

TEST(AxisTicks, FormatLabel)
{
  TGraphFixture f;
  TAxis& axis = *f.graph.XAxis;
  struct TCase {
    int digits;
    double value, step;
    bool log;
    const char* text;
  };
  const TCase cases[] = {
      {2, 0.25, 0.05, false, "0.25"}, {2, 0.5, 0.1, false, "0.5"},  {2, 3, 1, false, "3"},
      {2, 0, 1, false, "0"},          {2, 1e-17, 0.5, false, "0.0"}, {2, 1e-17, 0.5, true, "1.0E-17"},
      {2, 2.5e6, 1e5, false, "2.5E6"}, {1, 2, 1, false, "2"},       {2, -0.04, 0.01, false, "-0.04"},
      {1, -0.04, 0.01, false, "0"},   {0, 3, 0.2, true, "3"},
  };
  for (const TCase& c : cases) {
    axis.Log = c.log;
    EXPECT_EQ(axis.FormatLabel(c.digits, c.value, c.step), c.text) << c.value;
  }
}

TEST(AxisTicks, CustomLabelsAndLogSwitch)
{
  TGraphFixture f;
  TAxis& axis = *f.graph.YAxis;
  EXPECT_EQ(axis.AddLabel("low", 1), 0);
  EXPECT_EQ(axis.AddLabel("mid", 2), 1);
  EXPECT_EQ(axis.AddLabel("high", 3), 2);
  axis.ClearLabels();
  EXPECT_TRUE(axis.Labels.empty());

  std::vector<std::string> events;
  axis.OnLogChanging = [&](TGraph&) { events.push_back(axis.Log ? "changing from log" : "changing to log"); };
  axis.OnLogChanged = [&](TGraph&) { events.push_back(axis.Log ? "log" : "linear"); };
  f.graph.Legend->Style = lsInside;
  axis.SetLog(true);
  axis.SetLog(true);  // no change, no events
  EXPECT_EQ(events, (std::vector<std::string>{"changing to log", "log"}));
  EXPECT_EQ(f.graph.Legend->Style, lsRight);
}

}  // namespace
}  // namespace plot::test
