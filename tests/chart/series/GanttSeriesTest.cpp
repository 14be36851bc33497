#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/model/SeriesMarks.h"
#include "chart/series/GanttSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <cmath>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TLineTestChart;
using Calls = std::vector<std::string>;

// Bottom axis 0..10 (40 px a unit), left 0..100 (y pixel = 300 - 3 y).
class GanttTest : public ::testing::Test {
protected:
  GanttTest()
  {
    Chart.InsertSeries(Gantt);
    Gantt.AddTask(1, 3, 50, QStringLiteral("a"));  // bar 40..120 at y 150
    Gantt.AddTask(5, 7, 20, QStringLiteral("b"));  // bar 200..280 at y 240
  }
  Calls Drawn(const std::function<void()>& draw)
  {
    Chart.Target.Clear();
    draw();
    return Chart.Target.Calls();
  }
  Calls Bars()
  {
    return Drawn([&] {
      for (int i = 0; i < Gantt.Count(); ++i) {
        Gantt.Pointer().PrepareCanvas(Gantt.ValueColor(i));
        const int x0 = Gantt.CalcXPos(i);
        const int half = (Gantt.XValueToPixel(Gantt.EndValues()[i]) - x0) / 2;
        Gantt.Pointer().DrawSymbol(Chart.View3D(), x0 + half, Gantt.CalcYPos(i), half, Gantt.Pointer().VertSize(),
                                   Gantt.ValueColor(i), TSeriesPointerStyle::psRectangle);
      }
    });
  }

  TLineTestChart Chart;
  TGanttSeries Gantt;
};

TEST_F(GanttTest, TasksFillTheirListsAndWidenTheRange)
{
  EXPECT_EQ(Gantt.StartValues().Name(), QStringLiteral("Start"));
  EXPECT_TRUE(Gantt.StartValues().DateTime());
  EXPECT_EQ(Gantt.EndValues().Name(), QStringLiteral("End"));
  EXPECT_TRUE(Gantt.EndValues().DateTime());
  EXPECT_EQ(Gantt.NextTask().Name(), QStringLiteral("NextTask"));
  EXPECT_EQ(&Gantt.MandatoryValueList(), &Gantt.StartValues());
  EXPECT_TRUE(Gantt.ColorEachPoint());
  EXPECT_FALSE(Gantt.ClickableLine());
  EXPECT_FALSE(Gantt.RestrictToAxisRange());

  // Tasks sort by start; the extra values follow their task.
  EXPECT_EQ(Gantt.AddTask(0.5, 9, 70, QStringLiteral("c"), platform::clRed), 0);
  EXPECT_EQ(Gantt.Count(), 3);
  EXPECT_EQ(Gantt.EndValues().Count(), 3);
  EXPECT_EQ(Gantt.EndValues()[0], 9);
  EXPECT_EQ(Gantt.EndValues()[2], 7);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Gantt.NextTask()[i], -1);
  EXPECT_EQ(Gantt.ValueColor(0), platform::clRed);
  EXPECT_EQ(Gantt.MaxXValue(), 9);
  EXPECT_EQ(Gantt.MinXValue(), 0.5);

  Gantt.NextTask().SetStagedValue(4);
  Gantt.EndValues().SetStagedValue(4);
  Gantt.ClearTempValue(Gantt.NextTask());
  Gantt.ClearTempValue(Gantt.EndValues());
  EXPECT_EQ(Gantt.NextTask().StagedValue(), -1);
  EXPECT_EQ(Gantt.EndValues().StagedValue(), 0);

  TGanttSeries copy;
  Gantt.ConnectingPen().SetWidth(3);
  Gantt.Pointer().SetVertSize(7);
  copy.Assign(Gantt);
  EXPECT_EQ(copy.ConnectingPen().Width(), 3);
  EXPECT_EQ(copy.Pointer().VertSize(), 7);
  EXPECT_TRUE(copy.CanCopyFrom(Gantt));
  EXPECT_FALSE(copy.CanCopyFrom(copy));
}

TEST_F(GanttTest, BarsAndConnectors)
{
  struct Case {
    const char* Name;
    double Next0;
    Calls Connector;
  };
  const std::vector<Case> cases{
      {"none", -1, {}},
      {"to the next task", 1, {"LineTo(120,150,160,150)", "LineTo(160,150,160,240)", "LineTo(160,240,200,240)"}},
      {"back to itself", 0, {"LineTo(120,150,80,150)", "LineTo(80,150,80,150)", "LineTo(80,150,40,150)"}},
      {"rounded to a task", 0.6, {"LineTo(120,150,160,150)", "LineTo(160,150,160,240)", "LineTo(160,240,200,240)"}},
      {"past the last task", 2, {}},
      {"rounded past the last task", 1.5, {}},
      {"not a number", std::nan(""), {}},
  };
  const Calls bars = Bars();
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0], "Rectangle(40,146,121,155)");
  for (const Case& c : cases) {
    Gantt.NextTask().SetValue(0, c.Next0);
    Calls want{bars[0]};
    want.insert(want.end(), c.Connector.begin(), c.Connector.end());
    want.push_back(bars[1]);
    EXPECT_EQ(Chart.Paint(Gantt), want) << c.Name;
  }
  Gantt.NextTask().SetValue(0, 1);
  Gantt.ConnectingPen().SetVisible(false);
  EXPECT_EQ(Chart.Paint(Gantt), bars);
  Gantt.Pointer().SetVisible(false);
  EXPECT_EQ(Chart.Paint(Gantt), Calls{});
}

TEST_F(GanttTest, BarsAreSolidsIn3D)
{
  Chart.Begin3D(Gantt);
  Gantt.ConnectingPen().SetVisible(false);
  const Calls bars = Bars();
  EXPECT_FALSE(bars.empty());
  EXPECT_EQ(Chart.Paint(Gantt), bars);
}

TEST_F(GanttTest, ClicksHitTheWholeBar)
{
  Gantt.CalcVisibleRange();
  struct Case {
    int X, Y, Want;
  };
  // Bar 0 spans x 40..120 and y 150 +- 4 (exclusive).
  const std::vector<Case> cases{{40, 150, 0}, {120, 150, 0}, {80, 153, 0}, {39, 150, -1},
                                {121, 150, -1}, {80, 154, -1}, {240, 240, 1}};
  for (const Case& c : cases) EXPECT_EQ(Gantt.Clicked(c.X, c.Y), c.Want) << c.X << "," << c.Y;
}

TEST_F(GanttTest, MarksSitOnTheMiddleOfTheBar)
{
  TSeriesMarkPosition moved;
  moved.ArrowStart = {40, 150};
  moved.ArrowEnd = {40, 150};
  moved.TopLeft = {30, 140};
  moved.Width = 20;
  moved.Height = 10;
  Gantt.Marks().SetArrowLength(0);
  Gantt.DrawMark(0, QStringLiteral("a"), moved);
  EXPECT_EQ(moved.TopLeft, (platform::TPoint{30 + 40, 140 + 5}));
}

TEST_F(GanttTest, SamplesGiveOneTaskMoreThanAskedAndLinkEarlierTasks)
{
  // Every random number 0: each task starts 3 days after the last and lasts 9.
  Gantt.SetRandomSource([](int) { return 0; });
  Gantt.FillSampleValues(5);
  ASSERT_EQ(Gantt.Count(), 6);
  EXPECT_EQ(Gantt.PointLabels().at(0), QStringLiteral("Design"));
  EXPECT_EQ(Gantt.PointLabels().at(5), QStringLiteral("Testing"));
  std::vector<double> next;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Gantt.EndValues()[i] - Gantt.StartValues()[i], 9);
    EXPECT_EQ(Gantt.YValues()[i], i);
    next.push_back(Gantt.NextTask()[i]);
  }
  // Task 0 ends on day 9, before task 4 (day 12) starts; task 1 ends on day 12, before task 5 (15).
  EXPECT_EQ(next, (std::vector<double>{4, 5, -1, -1, -1, -1}));

  Gantt.PrepareForGallery(false);
  EXPECT_FALSE(Gantt.ColorEachPoint());
  EXPECT_EQ(Gantt.Pointer().VertSize(), 3);
}

}  // namespace
}  // namespace chart
