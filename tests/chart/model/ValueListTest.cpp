#include "chart/model/ChartSeries.h"
#include "chart/model/ListIndexError.h"
#include "chart/model/ValueList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace chart {
namespace {

std::vector<double> Values(const TChartValueList& list)
{
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetValue(i));
  return out;
}

struct TInsertCase {
  TChartListOrder Order;
  std::vector<double> Existing;
  double Value;
  int Index;
};

// Each point's Y is its arrival number, so the Y list shows where equal X values went.
TEST(ValueList, InsertsByOrderAfterItsEquals)
{
  using enum TChartListOrder;
  const TInsertCase cases[] = {
      {loAscending, {1, 2, 2, 3}, 2, 3},  {loAscending, {1, 2, 3}, 0, 0},   {loAscending, {1, 2, 3}, 5, 3},
      {loAscending, {}, 7, 0},            {loAscending, {1, 1}, 1, 2},      {loDescending, {5, 3, 3, 1}, 3, 3},
      {loDescending, {5, 3, 1}, 9, 0},     {loDescending, {5, 3, 1}, 0, 3},  {loNone, {3, 1, 2}, 0, 3},
      {loNone, {3, 1, 2}, 9, 3},
  };
  for (const auto& c : cases) {
    TChartSeries series;
    series.XValues().SetOrder(c.Order);
    for (double x : c.Existing) series.AddXY(x, series.Count());
    const double arrival = series.Count();
    EXPECT_EQ(series.AddXY(c.Value, arrival), c.Index) << c.Value;
    EXPECT_EQ(series.YValues().GetValue(c.Index), arrival);
    auto expected = c.Existing;
    expected.insert(expected.begin() + c.Index, c.Value);
    EXPECT_EQ(Values(series.XValues()), expected);
  }
}

struct TStatsCase {
  std::vector<double> Raw;
  double Multiplier;
  double Min, Max, Total, TotalAbs;
};

TEST(ValueList, StatisticsOfMultipliedFiniteValues)
{
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  const TStatsCase cases[] = {
      {{}, 1, 0, 0, 0, 0},
      {{}, 2, 0, 0, 0, 0},
      {{1, -3, 2}, 2, -6, 4, 0, 12},
      {{5, 1, 9}, 1, 1, 9, 15, 15},
      {{-2.5}, 1, -2.5, -2.5, -2.5, 2.5},
      {{inf, 2, nan, -1, -inf}, 1, -1, 2, 1, 3},
      {{inf, nan}, 1, 0, 0, 0, 0},
      {{1e308, 2}, 10, 20, 20, 20, 20},  // 1e309 is not finite
  };
  for (const auto& c : cases) {
    TChartSeries series;
    auto& list = series.YValues();
    for (double v : c.Raw) list.AddChartValue(v);
    list.SetMultiplier(c.Multiplier);
    EXPECT_EQ(list.MinValue(), c.Min);
    EXPECT_EQ(list.MaxValue(), c.Max);
    EXPECT_EQ(list.Total(), c.Total);
    EXPECT_EQ(list.TotalAbs(), c.TotalAbs);
    for (int i = 0; i < list.Count(); ++i)  // stored raw
      EXPECT_TRUE(list.RawValue(i) == c.Raw[std::size_t(i)] || std::isnan(c.Raw[std::size_t(i)]));
  }
}

TEST(ValueList, StatisticsRecomputedOnlyAfterAChange)
{
  TChartSeries series;
  auto& list = series.YValues();
  list.AddChartValue(4);
  EXPECT_TRUE(list.StatsStale());
  EXPECT_EQ(list.MaxValue(), 4);
  EXPECT_FALSE(list.StatsStale());
  list.MinValue();
  EXPECT_FALSE(list.StatsStale());

  const std::vector<std::function<void()>> changes = {
      [&] { list.AddChartValue(8); },     [&] { list.InsertChartValue(0, -1); }, [&] { list.SetValue(0, 3); },
      [&] { list.Delete(0); },            [&] { list.SetMultiplier(3); },        [&] { list.Scroll(); },
      [&] { list.ClearValues(); },
  };
  for (const auto& change : changes) {
    list.Total();
    change();
    EXPECT_TRUE(list.StatsStale());
  }
  EXPECT_EQ(list.Total(), 0);
}

TEST(ValueList, LocateScrollAndFillSequence)
{
  TChartSeries series;
  auto& list = series.YValues();
  list.Scroll();  // nothing on an empty list
  EXPECT_EQ(list.Count(), 0);
  for (double v : {1, 2, 3, 2}) list.AddChartValue(v);
  list.SetMultiplier(2);
  EXPECT_EQ(list.Locate(4), 1);  // the first match of the multiplied value
  EXPECT_EQ(list.Locate(2), 0);
  EXPECT_EQ(list.Locate(3), -1);
  list.SetMultiplier(1);
  list.Delete(3);
  list.Scroll();
  EXPECT_EQ(Values(list), (std::vector<double>{2, 3, 1}));
  list.FillSequence();
  EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2}));
}

TEST(ValueList, SortMovesWholePoints)
{
  for (const auto order : {TChartListOrder::loAscending, TChartListOrder::loDescending}) {
    TChartSeries series;
    series.XValues().SetOrder(TChartListOrder::loNone);
    const std::vector<double> xs = {5, 3, 9, 1, 7, 3, 8, 2, 6, 0, 4, 3, 11, -2};
    for (double x : xs)
      series.AddXY(x, x * 10, QString::number(x), platform::TColor(x + 100));
    series.XValues().SetOrder(order);
    series.XValues().Sort();
    auto expected = xs;
    std::sort(expected.begin(), expected.end());
    if (order == TChartListOrder::loDescending) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(Values(series.XValues()), expected);
    for (int i = 0; i < series.Count(); ++i) {
      const double x = series.XValues().GetValue(i);
      EXPECT_EQ(series.YValues().GetValue(i), x * 10);
      EXPECT_EQ(series.ValueLabel(i), QString::number(x));
      EXPECT_EQ(series.PointColors()[std::size_t(i)], platform::TColor(x + 100));
    }
  }
  TChartSeries unordered;
  unordered.YValues().AddChartValue(2);
  unordered.YValues().AddChartValue(1);
  unordered.YValues().Sort();  // loNone: nothing
  EXPECT_EQ(Values(unordered.YValues()), (std::vector<double>{2, 1}));
}

TEST(ValueList, AssignCopiesSettingsOnly)
{
  TChartSeries a, b;
  auto& source = a.YValues();
  source.AddChartValue(1);
  source.SetOrder(TChartListOrder::loDescending);
  source.SetDateTime(true);
  source.SetMultiplier(2.5);
  source.SetValueSource("Field");
  auto& target = b.XValues();
  target.Assign(source);
  EXPECT_EQ(target.Order(), TChartListOrder::loDescending);
  EXPECT_TRUE(target.DateTime());
  EXPECT_EQ(target.Multiplier(), 2.5);
  EXPECT_EQ(target.ValueSource(), "Field");
  EXPECT_EQ(target.Name(), "X");
  EXPECT_EQ(target.Count(), 0);
}

TEST(ValueList, BadIndexRaisesAndChangesNothing)
{
  TChartSeries series;
  auto& list = series.YValues();
  list.AddChartValue(1);
  list.AddChartValue(2);
  EXPECT_THROW(list.GetValue(2), EListIndexError);
  EXPECT_THROW(list.GetValue(-1), EListIndexError);
  EXPECT_THROW(list.SetValue(2, 5), EListIndexError);
  EXPECT_THROW(list.Delete(-1), EListIndexError);
  EXPECT_THROW(list.InsertChartValue(3, 5), EListIndexError);
  EXPECT_EQ(Values(list), (std::vector<double>{1, 2}));
}

TEST(ValueList, EmptiedListsKeepTheSeriesCapacity)
{
  TChartSeries series;
  for (int i = 0; i < 50; ++i) series.AddXY(i, i, "p");
  series.Clear();
  EXPECT_EQ(series.XValues().Capacity(), 0u);  // memory released
  EXPECT_EQ(series.YValues().Capacity(), 0u);
  series.SetDefaultCapacity(1000);
  series.Clear();
  EXPECT_GE(series.XValues().Capacity(), 1000u);
  EXPECT_GE(series.YValues().Capacity(), 1000u);
}

}  // namespace
}  // namespace chart
