#include "TestAxisPanel.h"

#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TLoggedAxisPanel;
using testing::TLoggedSeries;
using testing::TStepLog;

// A panel with one series of count points (i, 10 i), paged by 10.
struct TPagedChart {
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries series{log, "s"};
  int pageChanges = 0;
  explicit TPagedChart(int count)
  {
    for (int i = 0; i < count; ++i) series.AddXY(i, 10 * i);
    panel.AddSeries(series);
    panel.SetMaxPointsPerPage(10);
    panel.OnPageChange = [this] { ++pageChanges; };
  }
  double MinX() const { return panel.MinXOfAxis(panel.BottomAxis()); }
  double MaxX() const { return panel.MaxXOfAxis(panel.BottomAxis()); }
};

TEST(AxisPanelPaging, EachPageShowsItsPointsAlongTheHorizontalAxis)
{
  struct Case {
    int page;
    bool scaleLastPage;
    double min, max;
  };
  const Case cases[] = {
      {1, true, 0, 9},
      {2, true, 10, 19},
      {3, true, 20, 24},
      {3, false, 20, 28},  // five points stretched as if ten: 20 + 4 * 10 / 5
      {1, false, 0, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    TPagedChart chart(25);
    EXPECT_EQ(chart.panel.NumPages(), 3);
    chart.panel.SetScaleLastPage(c.scaleLastPage);
    chart.panel.SetPage(c.page);
    EXPECT_EQ(chart.MinX(), c.min);
    EXPECT_EQ(chart.MaxX(), c.max);
    // The values axis keeps the range of all points.
    EXPECT_EQ(chart.panel.MinYOfAxis(chart.panel.LeftAxis()), 0);
    EXPECT_EQ(chart.panel.MaxYOfAxis(chart.panel.LeftAxis()), 240);
  }
}

TEST(AxisPanelPaging, APageBeyondTheLastAfterDeletingPointsShowsTheLastPage)
{
  struct Case {
    int count;
    double min, max;
  };
  const Case cases[] = {{25, 20, 24}, {20, 10, 19}, {1, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    TPagedChart chart(40);
    chart.panel.SetPage(4);
    while (chart.series.Count() > c.count) chart.series.Delete(chart.series.Count() - 1);
    EXPECT_EQ(chart.panel.Page(), 4);
    EXPECT_EQ(chart.MinX(), c.min);
    EXPECT_EQ(chart.MaxX(), c.max);
  }
}

TEST(AxisPanelPaging, ThePageStaysWithinThePagesAndOnlyAChangeIsTold)
{
  struct Case {
    int set;
    int page;
    int events;
  };
  const Case cases[] = {{0, 1, 0}, {-5, 1, 0}, {7, 3, 1}, {2, 2, 1}, {1, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    TPagedChart chart(25);
    chart.panel.SetPage(c.set);
    EXPECT_EQ(chart.panel.Page(), c.page);
    EXPECT_EQ(chart.pageChanges, c.events);
    chart.panel.SetPage(c.set);  // the same page again
    EXPECT_EQ(chart.pageChanges, c.events);
  }
}

TEST(AxisPanelPaging, PointsPerPageRefuseNegativesAndPullThePageBack)
{
  TPagedChart chart(25);
  chart.panel.SetPage(3);
  try {
    chart.panel.SetMaxPointsPerPage(-1);
    ADD_FAILURE() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("MaxPointsPerPage must be >= 0"));
  }
  EXPECT_EQ(chart.panel.MaxPointsPerPage(), 10);
  EXPECT_EQ(chart.panel.Page(), 3);

  chart.panel.SetMaxPointsPerPage(20);
  EXPECT_EQ(chart.panel.NumPages(), 2);
  EXPECT_EQ(chart.panel.Page(), 2);
  chart.panel.SetMaxPointsPerPage(0);
  EXPECT_EQ(chart.panel.NumPages(), 1);
  EXPECT_EQ(chart.panel.Page(), 1);
  EXPECT_EQ(chart.pageChanges, 3);  // 1 to 3, then back to 2 and 1
  EXPECT_EQ(chart.MaxX(), 24);
}

// Pages count the longest active series on either horizontal axis.
TEST(AxisPanelPaging, PagesCountTheLongestActiveSeries)
{
  TPagedChart chart(25);
  TLoggedSeries top(chart.log, "top");
  top.SetHorizAxis(THorizAxis::aTopAxis);
  top.AddPoints(41);
  chart.panel.AddSeries(top);
  EXPECT_EQ(chart.panel.NumPages(), 5);
  top.SetActive(false);
  EXPECT_EQ(chart.panel.NumPages(), 3);
  chart.series.Clear();
  EXPECT_EQ(chart.panel.NumPages(), 1);
  EXPECT_EQ(chart.MaxX(), 0);  // no points: no range
}

}  // namespace
}  // namespace chart
