#include "TestAxisPanel.h"

#include "chart/model/SeriesMarks.h"
#include "platform/Bitmap.h"
#include "platform/CanvasRecording.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TLoggedAxisPanel;
using testing::TLoggedSeries;
using testing::TStepLog;

void DrawOnImage(TCustomAxisPanel& panel) { panel.CreateBitmap(platform::clWhite, panel.GetRectangle()); }

// The log from the first series value on.
TStepLog SeriesSteps(const TStepLog& log)
{
  TStepLog steps;
  bool started = false;
  for (const std::string& step : log) {
    started = started || step == "series";
    if (started && step != "series" && step != "done")
      steps.push_back(step);
  }
  return steps;
}

TEST(AxisPanelDrawing, APictureRunsItsStepsInOrderAxesBeforeSeries)
{
  TLoggedAxisPanel panel;
  TLoggedSeries series(panel.Log, "s");
  series.AddPoints(2);
  series.Marks().SetVisible(true);
  series.OnGetMarkText = [&panel](const TChartSeries&, int index, QString&) {
    panel.Log.push_back("mark " + std::to_string(index));
  };
  panel.AddSeries(series);
  panel.SetView3D(false);
  DrawOnImage(panel);
  const TStepLog expected = {"s chart", "titles",      "layout",   "margins", "walls",  "axes",   "axis bottom",
                             "axis left", "series",    "s before", "s 0",     "s 1",    "mark 0", "mark 1",
                             "s after",   "done"};
  EXPECT_EQ(panel.Log, expected);
}

TEST(AxisPanelDrawing, ASeriesWithoutPointsInRangeIsNotDrawnNorMarked)
{
  TLoggedAxisPanel panel;
  TLoggedSeries outside(panel.Log, "out"), inside(panel.Log, "in");
  outside.AddPoints(3);
  inside.SetHorizAxis(THorizAxis::aTopAxis);
  inside.AddPoints(1);
  for (TLoggedSeries* s : {&outside, &inside}) {
    s->Marks().SetVisible(true);
    panel.AddSeries(*s);
  }
  panel.SetView3D(false);
  panel.BottomAxis().SetMinMax(100, 200);
  DrawOnImage(panel);
  EXPECT_EQ(SeriesSteps(panel.Log), (TStepLog{"in before", "in 0", "in after"}));
}

TEST(AxisPanelDrawing, In3DTheFirstSeriesIsAtTheBackAndEachHasItsDepthSlice)
{
  struct Case {
    bool orthogonal;
    int slice;  // of the chart rectangle before the axes' room, 376 wide: round(376 * 0.015), or 0.03 when oblique
  };
  for (const Case& c : {Case{true, 6}, Case{false, 11}}) {
    SCOPED_TRACE(c.orthogonal);
    TLoggedAxisPanel panel;
    panel.View3DOptions().SetOrthogonal(c.orthogonal);
    TLoggedSeries back(panel.Log, "back"), front(panel.Log, "front");
    back.AddPoints(2);
    front.AddPoints(2);
    panel.AddSeries(back);
    panel.AddSeries(front);
    DrawOnImage(panel);
    EXPECT_EQ(panel.MaxZOrder(), 1);
    EXPECT_EQ(back.ZOrder(), 1);
    EXPECT_EQ(front.ZOrder(), 0);
    EXPECT_EQ(panel.SeriesWidth3D(), c.slice);
    EXPECT_EQ(panel.SeriesHeight3D(), c.slice);
    EXPECT_EQ(panel.Width3D(), 2 * c.slice);
    EXPECT_EQ(panel.Height3D(), 2 * c.slice);
    EXPECT_EQ(back.DepthStart, c.slice);
    EXPECT_EQ(back.DepthEnd, 2 * c.slice);
    EXPECT_EQ(back.DepthMiddle, 3 * c.slice / 2);
    EXPECT_EQ(back.Marks().ZPosition(), back.DepthMiddle);
    EXPECT_EQ(front.DepthStart, 0);
    EXPECT_EQ(SeriesSteps(panel.Log),
              (TStepLog{"back before", "back 0", "back 1", "back after", "front before", "front 0", "front 1",
                        "front after"}));
    // The depth axis has a slot per z order.
    EXPECT_EQ(panel.DepthAxis().RangeMin(), -0.5);
    EXPECT_EQ(panel.DepthAxis().RangeMax(), 1.5);
  }

  TLoggedAxisPanel flat;
  TLoggedSeries only(flat.Log, "only");
  only.AddPoints(1);
  flat.AddSeries(only);
  flat.SetView3D(false);
  DrawOnImage(flat);
  EXPECT_EQ(flat.SeriesWidth3D(), 0);
  EXPECT_EQ(flat.Width3D(), 0);
  EXPECT_EQ(flat.Height3D(), 0);
  EXPECT_EQ(only.ZOrder(), 0);
}

TEST(AxisPanelDrawing, SeriesSharingAZOrderAreDrawnPointByPoint)
{
  struct Case {
    const char* what;
    bool reverseAt3, backwards;
    TStepLog steps;
  };
  const TStepLog before = {"a before", "b before"};
  const TStepLog after = {"a after", "b after"};
  const Case cases[] = {
      {"forward", false, false, {"a 0", "b 0", "a 1", "b 1", "a 2", "b 2", "a 3", "b 3", "a 4"}},
      {"point 3 reversed", true, false, {"a 0", "b 0", "a 1", "b 1", "a 2", "b 2", "b 3", "a 3", "a 4"}},
      {"backwards", false, true, {"a 4", "a 3", "b 3", "a 2", "b 2", "a 1", "b 1", "a 0", "b 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLoggedAxisPanel panel;
    TLoggedSeries a(panel.Log, "a"), b(panel.Log, "b");
    a.AddPoints(5);
    b.AddPoints(4);
    a.ReverseAt3 = c.reverseAt3;
    a.Backwards = c.backwards;
    b.ShareZOrder = true;
    panel.AddSeries(a);
    panel.AddSeries(b);
    DrawOnImage(panel);
    EXPECT_EQ(panel.MaxZOrder(), 0);
    EXPECT_EQ(b.ZOrder(), a.ZOrder());
    TStepLog expected = before;
    expected.insert(expected.end(), c.steps.begin(), c.steps.end());
    expected.insert(expected.end(), after.begin(), after.end());
    EXPECT_EQ(SeriesSteps(panel.Log), expected);
  }
}

TEST(AxisPanelDrawing, PointsBeyondThePlotShowOnlyWithoutClipping)
{
  for (const bool clip : {true, false}) {
    SCOPED_TRACE(clip);
    TLoggedAxisPanel panel;
    TLoggedSeries series(panel.Log, "s");
    series.AddXY(5, 10.25);
    series.SetSeriesColor(platform::clRed);
    panel.AddSeries(series);
    panel.SetView3D(false);
    panel.SetClipPoints(clip);
    panel.LeftAxis().SetMinMax(0, 10);
    const auto bitmap = panel.CreateBitmap(platform::clWhite, panel.GetRectangle());
    const int x = series.CalcXPos(0);
    const int y = series.CalcYPos(0);
    ASSERT_LT(y + TLoggedSeries::kHalfSize, panel.ChartRect().Top);
    ASSERT_GE(y, 0);
    EXPECT_EQ(platform::FromQColor(QColor(bitmap->Image().pixel(x, y))) == platform::clRed, !clip);
  }
}

// What the panel shows on the screen after the pending paints.
QImage Shown(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  control.repaint();
  const QPixmap shown = control.windowHandle()->screen()->grabWindow(control.winId());
  return shown.toImage().copy(QRect(QPoint(0, 0), control.size())).convertToFormat(QImage::Format_RGB32);
}

TEST(AxisPanelDrawing, TheSeriesPointsReachTheScreenAndTheRecording)
{
  TLoggedAxisPanel panel;
  TLoggedSeries series(panel.Log, "s");
  series.AddXY(0, 0);
  series.AddXY(10, 5);
  series.AddXY(20, 20);
  series.SetSeriesColor(platform::clRed);
  panel.AddSeries(series);
  panel.SetView3D(false);
  panel.show();
  const QImage shown = Shown(panel);
  // The axes are on the screen too: the lines of the bottom and left axes.
  const int middleY = (panel.ChartRect().Top + panel.ChartRect().Bottom) / 2;
  const int middleX = (panel.ChartRect().Left + panel.ChartRect().Right) / 2;
  EXPECT_EQ(platform::FromQColor(QColor(shown.pixel(panel.LeftAxis().AxisPixel(), middleY))), platform::clBlack);
  EXPECT_EQ(platform::FromQColor(QColor(shown.pixel(middleX, panel.BottomAxis().AxisPixel()))), platform::clBlack);
  // The squares at the ends of the axes are clipped to their quarter inside the plot.
  const struct {
    int index, dx, dy;
  } inside[] = {{0, 2, -2}, {1, 0, 0}, {2, -2, 2}};
  for (const auto& p : inside) {
    SCOPED_TRACE(p.index);
    const int x = series.CalcXPos(p.index);
    const int y = series.CalcYPos(p.index);
    EXPECT_EQ(platform::FromQColor(QColor(shown.pixel(x + p.dx, y + p.dy))), platform::clRed);
    if (p.dx != 0) {
      EXPECT_NE(platform::FromQColor(QColor(shown.pixel(x - p.dx, y - p.dy))), platform::clRed);
    }
  }
  EXPECT_NE(platform::FromQColor(QColor(shown.pixel(200, 100))), platform::clRed);

  // The same squares, clipped to the chart rectangle, on a recording.
  platform::TRecordingCanvas recording;
  recording.SetDeviceBounds(panel.GetRectangle());
  panel.Canvas().SetBuffered(false);
  panel.Draw(recording, panel.GetRectangle());
  int squares = 0;
  for (const std::string& call : recording.Calls())
    if (call.rfind("Polygon", 0) == 0)
      ++squares;
  EXPECT_EQ(squares, 3);
}

}  // namespace
}  // namespace chart
