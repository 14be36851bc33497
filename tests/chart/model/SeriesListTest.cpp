#include "ChartDouble.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TTestChart;

TEST(SeriesList, MembershipActiveCountAndRangesOnAxes)
{
  TTestChart chart;
  TChartSeries a, b, c, empty;
  for (TChartSeries* s : {&a, &b, &c, &empty}) s->SetParentChart(&chart);
  auto& list = chart.SeriesList();
  list.Add(a);  // already there
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOf(c), 2);
  EXPECT_EQ(&list.Items(1), &b);

  a.AddXY(1, -4);
  a.AddXY(2, 8);
  b.AddXY(-3, 20);
  b.SetVertAxis(TVertAxis::aRightAxis);
  c.AddXY(50, 100);
  c.SetActive(false);
  EXPECT_EQ(list.CountActive(), 3);

  double min = 1, max = 1;
  EXPECT_TRUE(list.ValueRangeOnAxis(chart.Left, false, min, max));  // b is on the right, c inactive
  EXPECT_EQ(min, -4);
  EXPECT_EQ(max, 8);
  EXPECT_TRUE(list.ValueRangeOnAxis(chart.Bottom, true, min, max));
  EXPECT_EQ(min, -3);
  EXPECT_EQ(max, 2);
  EXPECT_FALSE(list.ValueRangeOnAxis(chart.Top, true, min, max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 0);
  b.SetHorizAxis(THorizAxis::aBothHorizAxis);  // counts on the top axis too
  EXPECT_TRUE(list.ValueRangeOnAxis(chart.Top, true, min, max));
  EXPECT_EQ(min, -3);

  b.SetParentChart(nullptr);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(b.ResolvedVertAxis(), nullptr);
  list.Exchange(0, 2);
  EXPECT_EQ(&list[0], &empty);
}

}  // namespace
}  // namespace chart
