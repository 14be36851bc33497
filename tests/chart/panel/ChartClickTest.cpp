#include "ChartWindow.h"

#include "platform/ModalRun.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TChartWindow;

// Records which of the chart's click events ran, and lets them keep or give back the click.
struct TClickLog {
  explicit TClickLog(TChart& chart, bool keepClicks)
  {
    const auto note = [this, &chart, keepClicks](const std::string& what) {
      Events.push_back(what);
      chart.SetCancelMouse(keepClicks);
    };
    chart.OnClickLegend = [note](TCustomChart&, platform::TMouseButton, platform::TShiftState, int, int) {
      note("legend");
    };
    chart.OnClickBackground = [note](TCustomChart&, platform::TMouseButton, platform::TShiftState, int, int) {
      note("background");
    };
    chart.OnClickAxis = [note](TCustomChart&, TCustomChartAxis&, platform::TMouseButton, platform::TShiftState,
                               int, int) { note("axis"); };
    chart.OnClickSeries = [this, note](TCustomChart&, TChartSeries&, int index, platform::TMouseButton,
                                       platform::TShiftState, int, int) {
      SeriesIndex = index;
      note("series");
    };
  }
  std::vector<std::string> Events;
  int SeriesIndex = -1;
};

TEST(ChartClicks, EachPartOfTheChartGetsItsOwnEvent)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  chart.Title().SetText({"Title"});
  window.Shown();
  TClickLog log(chart, true);
  const platform::TRect plot = chart.ChartRect();
  const platform::TRect title = chart.Title().TitleRect();
  const platform::TRect legend = chart.Legend().RectLegend();
  ASSERT_GT(legend.Width(), 10);
  const struct {
    QPoint At;
    std::vector<std::string> Expected;
  } cases[] = {
      {{window.XOf(3), window.YOf(30)}, {"series"}},       // on the line's point 3
      {{window.XOf(2), window.YOf(80)}, {"background"}},   // in the plot, off the line
      {{plot.Left - 3, window.YOf(50)}, {"axis"}},         // on the left axis' ticks
      {{title.Left + title.Width() / 2, title.Top + 2}, {"background"}},  // the title has no event
      {{2, 2}, {"background"}},                            // outside everything
      {{(legend.Left + legend.Right) / 2, (legend.Top + legend.Bottom) / 2}, {"legend"}},
  };
  for (const auto& c : cases) {
    log.Events.clear();
    testing_support::ClickAt(chart, c.At);
    EXPECT_EQ(log.Events, c.Expected) << c.At.x() << ", " << c.At.y();
  }
  log.Events.clear();
  testing_support::ClickAt(chart, QPoint(window.XOf(3), window.YOf(30)));
  EXPECT_EQ(log.SeriesIndex, 3);
  EXPECT_FALSE(chart.CancelMouse());  // cleared after every click
}

// An axis or series click that its event gives back falls to zooming, and when no zoom starts there
// (the right button zooms nothing with zoom off), to the background.
TEST(ChartClicks, AClickItsEventGivesBackFallsToZoomingOrTheBackground)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  TClickLog log(chart, false);
  chart.SetAllowPanning(TPanningMode::pmNone);
  const QPoint onLine{window.XOf(3), window.YOf(30)};
  testing_support::PressAt(chart, onLine);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"series"}));
  EXPECT_TRUE(chart.Zoom().Active);
  testing_support::ReleaseAt(chart, onLine);

  chart.SetAllowZoom(false);
  log.Events.clear();
  testing_support::PressAt(chart, onLine);
  testing_support::ReleaseAt(chart, onLine);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"series", "background"}));
}

TEST(ChartClicks, WithoutActiveSeriesAClickInThePlotIsABackgroundClick)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  window.Shown();
  const platform::TRect legend = chart.Legend().RectLegend();
  window.line->SetActive(false);
  window.Shown();
  TClickLog log(chart, true);
  const platform::TRect plot = chart.ChartRect();
  testing_support::ClickAt(chart, QPoint((plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2));
  EXPECT_EQ(log.Events, (std::vector<std::string>{"background"}));
  // No legend is drawn either: where it stood, a click reaches the background too.
  log.Events.clear();
  testing_support::ClickAt(chart, QPoint((legend.Left + legend.Right) / 2, (legend.Top + legend.Bottom) / 2));
  EXPECT_EQ(log.Events, (std::vector<std::string>{"background"}));
  EXPECT_EQ(chart.ClickedPart((plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2).Part,
            TChartClickedPartStyle::cpNone);
}

TEST(ChartClicks, ASeriesOwnClickEventTakesTheClickFirst)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  TClickLog log(chart, true);
  int own = -1;
  window.line->OnClick = [&](TChartSeries&, int index, platform::TMouseButton, platform::TShiftState, int, int) {
    own = index;
  };
  testing_support::ClickAt(chart, QPoint(window.XOf(7), window.YOf(70)));
  EXPECT_EQ(own, 7);
  EXPECT_TRUE(log.Events.empty());
}

// A handler that fails used to leave the chart believing a click event still ran, deaf to every
// later press.
TEST(ChartClicks, AFailingClickHandlerLeavesTheChartListening)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  int clicks = 0;
  chart.OnClickBackground = [&](TCustomChart&, platform::TMouseButton, platform::TShiftState, int, int) {
    if (++clicks == 1)
      throw std::runtime_error("handler failed");
    chart.SetCancelMouse(false);  // the chart goes on: zooming may start
  };
  {
    platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    script.Press(platform::mrOk);
    testing_support::ClickAt(chart, {2, 2});
    EXPECT_EQ(script.StepsLeft(), 0);  // the failure was shown
  }
  EXPECT_FALSE(chart.ClickEventRunning());
  EXPECT_FALSE(chart.CancelMouse());
  testing_support::ClickAt(chart, {2, 2});
  EXPECT_EQ(clicks, 2);
  // The zoom still starts on a press in the plot.
  testing_support::PressAt(chart, QPoint(window.XOf(2), window.YOf(80)));
  EXPECT_TRUE(chart.Zoom().Active);
  testing_support::ReleaseAt(chart, QPoint(window.XOf(2), window.YOf(80)));
}

}  // namespace
}  // namespace chart
