#include "ChartDouble.h"

#include "chart/model/FunctionKinds.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace chart {
namespace {

using testing::TTestChart;

struct TPoint {
  double X, Y;
};

std::vector<TPoint> Points(const TChartSeries& series)
{
  std::vector<TPoint> out;
  for (int i = 0; i < series.Count(); ++i) out.push_back({series.XValues().GetValue(i), series.YValues().GetValue(i)});
  return out;
}

void ExpectPoints(const TChartSeries& series, const std::vector<TPoint>& expected, const char* what)
{
  const auto actual = Points(series);
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_DOUBLE_EQ(actual[i].X, expected[i].X) << what << " point " << i;
    EXPECT_DOUBLE_EQ(actual[i].Y, expected[i].Y) << what << " point " << i;
  }
}

using TFunctionFactory = std::function<std::unique_ptr<TTeeFunction>()>;
template <typename Kind>
TFunctionFactory Make()
{
  return [] { return std::make_unique<Kind>(); };
}

// Kinds that draw a function as a level line, or along X.
class TLevelLineSeries : public TChartSeries {
public:
  TLevelLineSeries() { functionAsPoint_ = false; }
};
class THorizontalSeries : public TChartSeries {
public:
  const TChartValueList& MandatoryValueList() const override { return XValues(); }
};
class TExtraListSeries : public TChartSeries {
public:
  TExtraListSeries() { CreateValueList("Z"); }
};

// A chart whose series hold dates along the horizontal axis.
class TDateChart : public TTestChart {
public:
  bool IsAxisDateTime(const TCustomChartAxis&) const override { return true; }
};

class SeriesFunctionTest : public ::testing::Test {
protected:
  TChartSeries& Source(const std::vector<double>& xs, const std::vector<double>& ys)
  {
    auto& series = *owned_.emplace_back(std::make_unique<TChartSeries>());
    series.SetParentChart(&chart_);
    for (std::size_t i = 0; i < ys.size(); ++i) series.AddXY(xs.empty() ? double(i) : xs[i], ys[i]);
    return series;
  }
  TChartSeries& Source(const std::vector<double>& ys) { return Source({}, ys); }
  // A series on the chart computing function over sources.
  TChartSeries& Computed(std::unique_ptr<TTeeFunction> function, const std::vector<TChartSeries*>& sources,
                         std::unique_ptr<TChartSeries> series = std::make_unique<TChartSeries>())
  {
    auto& parent = *owned_.emplace_back(std::move(series));
    parent.SetParentChart(&chart_);
    parent.SetFunction(std::move(function));
    for (TChartSeries* source : sources) parent.AddDataSource(source);
    parent.CheckDataSource();
    return parent;
  }

  TDateChart chart_;
  std::vector<std::unique_ptr<TChartSeries>> owned_;
};

TEST_F(SeriesFunctionTest, SeveralSourcesCombinePointByPointAtTheFirstSourcesPositions)
{
  TChartSeries& a = Source({5, -2, 8, 3, 1});
  TChartSeries& b = Source({2, 4, 0});
  TChartSeries& c = Source({1, 1, 2, 7});
  TChartSeries& d = Source({10, 20}, {-5, -6});
  TChartSeries& e = Source({-3, -9, -1});
  struct Case {
    const char* what;
    TFunctionFactory function;
    std::vector<TChartSeries*> sources;
    std::vector<TPoint> expected;
  };
  const Case cases[] = {
      {"add: the longer first source", Make<TAddTeeFunction>(), {&a, &b}, {{0, 7}, {1, 2}, {2, 8}, {3, 3}, {4, 1}}},
      {"add: the shorter first source", Make<TAddTeeFunction>(), {&b, &a}, {{0, 7}, {1, 2}, {2, 8}}},
      {"subtract: first minus the others", Make<TSubtractTeeFunction>(), {&a, &b, &c},
       {{0, 2}, {1, -7}, {2, 6}, {3, -4}, {4, 1}}},
      {"multiply", Make<TMultiplyTeeFunction>(), {&a, &b, &c}, {{0, 10}, {1, -8}, {2, 0}, {3, 21}, {4, 1}}},
      {"divide: a divisor 0 keeps the dividend", Make<TDivideTeeFunction>(), {&a, &b, &c},
       {{0, 2.5}, {1, -0.5}, {2, 4}, {3, 0.42857142857142855}, {4, 1}}},
      {"high of negatives", Make<THighTeeFunction>(), {&d, &e}, {{10, -3}, {20, -6}}},
      {"low", Make<TLowTeeFunction>(), {&d, &e}, {{10, -5}, {20, -9}}},
      {"average", Make<TAverageTeeFunction>(), {&d, &e}, {{10, -4}, {20, -7.5}}},
      {"average where one source ends", Make<TAverageTeeFunction>(), {&a, &b}, {{0, 3.5}, {1, 1}, {2, 4}, {3, 3}, {4, 1}}},
  };
  for (const Case& test : cases) ExpectPoints(Computed(test.function(), test.sources), test.expected, test.what);
}

TEST_F(SeriesFunctionTest, PeriodsOfPointsOverOneSource)
{
  // X 0..9, Y = X squared.
  std::vector<double> squares;
  for (int x = 0; x < 10; ++x) squares.push_back(x * x);
  TChartSeries& source = Source(squares);
  struct Case {
    const char* what;
    TFunctionFactory function;
    double period;
    TFunctionPeriodAlign align;
    std::vector<TPoint> expected;
  };
  using A = TFunctionPeriodAlign;
  const Case cases[] = {
      {"average by 3, centred; the tenth point dropped", Make<TAverageTeeFunction>(), 3, A::paCenter,
       {{1, 5.0 / 3}, {4, 50.0 / 3}, {7, 149.0 / 3}}},
      {"sum by 3 at the first", Make<TAddTeeFunction>(), 3, A::paFirst, {{0, 5}, {3, 50}, {6, 149}}},
      {"high by 3 at the last", Make<THighTeeFunction>(), 3, A::paLast, {{2, 4}, {5, 25}, {8, 64}}},
      {"low by 4", Make<TLowTeeFunction>(), 4, A::paCenter, {{1.5, 0}, {5.5, 16}}},
      {"a period rounding to 3", Make<TAddTeeFunction>(), 2.6, A::paFirst, {{0, 5}, {3, 50}, {6, 149}}},
      {"one period of all points", Make<TAverageTeeFunction>(), 10, A::paCenter, {{4.5, 28.5}}},
      {"a period longer than the source", Make<TAverageTeeFunction>(), 11, A::paCenter, {}},
      {"a period below one half counts one point", Make<TAddTeeFunction>(), 0.3, A::paCenter,
       {{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}, {5, 25}, {6, 36}, {7, 49}, {8, 64}, {9, 81}}},
  };
  for (const Case& test : cases) {
    auto function = test.function();
    function->SetPeriod(test.period);
    function->SetPeriodAlign(test.align);
    ExpectPoints(Computed(std::move(function), {&source}), test.expected, test.what);
  }
}

TEST_F(SeriesFunctionTest, PeriodsOfRangesStepByTheCalendarOnADateAxis)
{
  using A = TFunctionPeriodAlign;
  // Daily points of a week, none the next week, three the week after; Y = the day.
  std::vector<double> days;
  for (double day : {0, 1, 2, 3, 4, 5, 6, 14, 15, 16}) days.push_back(45000 + day);
  // Every day of January to March 2024 (day 45292 is 1 January 2024).
  std::vector<double> quarter;
  for (int day = 45292; day <= 45382; ++day) quarter.push_back(day);
  const std::vector<double> dayValues{0, 1, 2, 3, 4, 5, 6, 14, 15, 16};
  struct Case {
    const char* what;
    std::vector<double> xs, ys;
    double period;
    A align;
    bool exactDates;
    std::vector<TPoint> expected;
  };
  const Case cases[] = {
      {"weeks at the first day; the empty week gives 0", days, dayValues, 7, A::paFirst, true,
       {{45000, 21}, {45007, 0}, {45014, 45}}},
      {"weeks centred", days, dayValues, 7, A::paCenter, true,
       {{45003.4965, 21}, {45010.4965, 0}, {45017.4965, 45}}},
      {"months by the calendar", quarter, std::vector<double>(quarter.size(), 1), 30, A::paFirst, true,
       {{45292, 31}, {45323, 29}, {45352, 31}}},
      {"thirty days when dates are not exact", quarter, std::vector<double>(quarter.size(), 1), 30, A::paFirst,
       false, {{45292, 30}, {45322, 30}, {45352, 30}, {45382, 1}}},
  };
  for (const Case& test : cases) {
    chart_.Bottom.SetExactDateTime(test.exactDates);
    TChartSeries& source = Source(test.xs, test.ys);
    auto function = std::make_unique<TAddTeeFunction>();
    function->SetPeriod(test.period);
    function->SetPeriodStyle(TFunctionPeriodStyle::psRange);
    function->SetPeriodAlign(test.align);
    ExpectPoints(Computed(std::move(function), {&source}), test.expected, test.what);
  }
}

TEST_F(SeriesFunctionTest, RangePeriodsThatCannotAdvanceEnd)
{
  struct Case {
    const char* what;
    std::vector<double> xs;
    double period;
    int expectedCount;
  };
  const Case cases[] = {
      {"a period too small to move the boundary", {1e6, 1e6 + 1}, 1e-12, 0},
      {"a gap of a billion periods", {0, 1e9}, 1, kMaxFunctionPeriods},
  };
  for (const Case& test : cases) {
    TChartSeries& source = Source(test.xs, std::vector<double>(test.xs.size(), 1));
    auto function = std::make_unique<TAddTeeFunction>();
    function->SetPeriodStyle(TFunctionPeriodStyle::psRange);
    function->SetPeriod(test.period);
    EXPECT_EQ(Computed(std::move(function), {&source}).Count(), test.expectedCount) << test.what;
  }
}

TEST_F(SeriesFunctionTest, PeriodZeroGivesOnePointOrALevelLine)
{
  TChartSeries& source = Source({2, 4, 10}, {1, 2, 3});
  struct Case {
    const char* what;
    std::unique_ptr<TChartSeries> parent;
    std::vector<TPoint> expected;
  };
  Case cases[] = {
      {"one point at the middle X", std::make_unique<TChartSeries>(), {{6, 2}}},
      {"a level line across the X range", std::make_unique<TLevelLineSeries>(), {{2, 2}, {10, 2}}},
      {"one point, the mean along X", std::make_unique<THorizontalSeries>(), {{2, 6}}},
  };
  for (Case& test : cases)
    ExpectPoints(Computed(std::make_unique<TAverageTeeFunction>(), {&source}, std::move(test.parent)), test.expected,
                 test.what);
  // No points: the average of none is 0.
  TChartSeries& empty = Source({});
  EXPECT_EQ(TAverageTeeFunction().Calculate(empty, -1, -1), 0);
}

TEST_F(SeriesFunctionTest, PeriodSettingsRecalculateOncePerChange)
{
  TChartSeries& source = Source({1, 2, 3, 4});
  TChartSeries& sum = Computed(std::make_unique<TAddTeeFunction>(), {&source});
  int recomputed = 0;
  sum.OnClearValues = [&](TChartSeries&) { ++recomputed; };
  TTeeFunction& function = *sum.SeriesFunction();

  try {
    function.SetPeriod(-1);
    ADD_FAILURE() << "a negative period was taken";
  } catch (const platform::Exception& e) {
    EXPECT_EQ(e.Message(), "Function Period should be >= 0");
  }
  EXPECT_EQ(function.Period(), 0);
  function.SetPeriod(0);
  function.SetPeriodAlign(TFunctionPeriodAlign::paCenter);
  EXPECT_EQ(recomputed, 0);

  function.BeginUpdate();
  function.SetPeriod(2);
  function.SetPeriodAlign(TFunctionPeriodAlign::paFirst);
  EXPECT_EQ(recomputed, 0);
  EXPECT_EQ(sum.Count(), 1);
  function.EndUpdate();
  EXPECT_EQ(recomputed, 1);
  ExpectPoints(sum, {{0, 3}, {2, 7}}, "after the update");
  function.EndUpdate();
  EXPECT_EQ(recomputed, 1);
  sum.OnClearValues = nullptr;  // the series outlives the counter
}

TEST_F(SeriesFunctionTest, TheFunctionReadsTheListItsParentNames)
{
  TExtraListSeries& source = *new TExtraListSeries;
  owned_.emplace_back(&source);
  source.SetParentChart(&chart_);
  source.AddXY(0, 1);
  source.AddXY(1, 2);
  source.ValueList(2).InsertChartValue(0, 10);
  source.ValueList(2).InsertChartValue(1, 20);
  TChartSeries& sum = Computed(std::make_unique<TAddTeeFunction>(), {&source});
  EXPECT_EQ(sum.YValues().First(), 3);
  sum.YValues().SetValueSource("z");
  EXPECT_EQ(sum.YValues().First(), 30);
}

TEST_F(SeriesFunctionTest, SetParentSeriesMovesTheFunction)
{
  TChartSeries& source = Source({1, 2});
  TChartSeries& first = Computed(std::make_unique<TAddTeeFunction>(), {&source});
  TChartSeries& second = Computed(std::make_unique<TLowTeeFunction>(), {&source});
  TTeeFunction* function = first.SeriesFunction();
  function->SetParentSeries(second);
  EXPECT_EQ(first.SeriesFunction(), nullptr);
  EXPECT_EQ(second.SeriesFunction(), function);
  EXPECT_EQ(function->ParentSeries(), &second);
  ExpectPoints(second, {{0.5, 3}}, "recomputed by the moved sum");
}

}  // namespace
}  // namespace chart
