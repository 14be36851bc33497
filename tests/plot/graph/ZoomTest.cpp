#include "GraphDoubles.h"
#include "GraphImageWidget.h"

#include "tests/support/MouseInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>

namespace plot::test {
namespace {

using platform::mbLeft;
using testing_support::MoveHeldTo;
using testing_support::PressAt;
using testing_support::ReleaseAt;

struct TZoomFixture : TGraphFixture {
  std::vector<TFloatRect> reported;

  TZoomFixture()
  {
    AddSeries("s", PointsXY({{0, 0}, {10, 10}}));
    graph.Paint();
    graph.OnZoomEnded = [this](TGraph&, double xMin, double yMax, double xMax, double yMin) {
      reported.push_back({xMin, yMin, xMax, yMax});
    };
  }

  // A band dragged with the mouse between two world points.
  void Drag(double x1, double y1, double x2, double y2)
  {
    const int px1 = graph.X1ToScreen(x1), py1 = graph.Y1ToScreen(y1);
    const int px2 = graph.X1ToScreen(x2), py2 = graph.Y1ToScreen(y2);
    graph.MouseDown(mbLeft, {}, px1, py1);
    graph.MouseMove({}, (px1 + px2) / 2, (py1 + py2) / 2);
    graph.MouseMove({}, px2, py2);
    graph.MouseUp(mbLeft, {}, px2, py2);
  }
};

// Lets the event loop run until done() or the time is up.
template <typename Done>
bool RunEventsUntil(const Done& done, int milliseconds)
{
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return done();
}

void ExpectNear(const TFloatRect& r, const TFloatRect& expected, double tolerance)
{
  EXPECT_NEAR(r.Left, expected.Left, tolerance);
  EXPECT_NEAR(r.Top, expected.Top, tolerance);
  EXPECT_NEAR(r.Right, expected.Right, tolerance);
  EXPECT_NEAR(r.Bottom, expected.Bottom, tolerance);
}

TEST(GraphZoom, TwoZoomsThenZoomOutReturnToTheFirstAndResetToTheOriginal)
{
  TZoomFixture f;
  const TFloatRect original = f.graph.Range;
  f.graph.Zoom.Enabled = true;
  f.graph.Zoom.ZoomAutoStop = false;

  f.Drag(2, 2, 8, 8);
  const TFloatRect first = f.graph.Range;
  ExpectNear(first, {2, 2, 8, 8}, 0.1);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 1);
  EXPECT_TRUE(f.graph.Zoom.Enabled);  // without auto stop the mode stays on
  ASSERT_EQ(f.reported.size(), 1u);
  EXPECT_EQ(f.reported.back(), first);

  f.Drag(8, 3, 5, 6);  // dragged towards the lower left
  ExpectNear(f.graph.Range, {5, 3, 8, 6}, 0.1);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 2);

  EXPECT_TRUE(f.graph.Zoom.ZoomOut());
  EXPECT_EQ(f.graph.Range, first);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 1);

  f.graph.Zoom.Reset();
  EXPECT_EQ(f.graph.Range, original);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 0);
  EXPECT_FALSE(f.graph.Zoom.Enabled);
  EXPECT_EQ(f.reported.back(), original);
  EXPECT_FALSE(f.graph.Zoom.ZoomOut());
}

TEST(GraphZoom, ZoomOutOfTheLastStepLeavesNoneAndAutoStopEndsTheMode)
{
  TZoomFixture f;
  f.graph.Zoom.Enabled = true;
  f.Drag(1, 1, 4, 4);
  EXPECT_FALSE(f.graph.Zoom.Enabled);
  EXPECT_FALSE(f.graph.Zoom.ZoomOut());
  EXPECT_EQ(f.graph.Zoom.GetCount(), 0);
}

TEST(GraphZoom, AClickInZoomModeLeavesZoomModeAndChangesNothing)
{
  TZoomFixture f;
  const TFloatRect before = f.graph.Range;
  f.graph.Zoom.Enabled = true;
  f.graph.Zoom.ZoomAutoStop = false;
  f.Drag(5, 5, 5, 5);
  EXPECT_FALSE(f.graph.Zoom.Enabled);
  EXPECT_FALSE(f.graph.Zoom.Dragging);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 0);
  EXPECT_EQ(f.graph.Range, before);
}

TEST(GraphZoom, BandEndsAreComparedInAxisUnits)
{
  struct TCase {
    bool xLog, yLog;
    TFloatRect range;  // axis units
    double x1, x2, y1, y2;  // data units
    bool zooms;
  };
  const TCase cases[] = {
      // Wide on the logarithmic X axis (a factor 1.5), though a span of 0.0005 in data units.
      {true, false, {-3, 0, 3, 1}, 0.001, 0.0015, 0.2, 0.8, true},
      // A factor of 1.000001 is a hair on a logarithmic axis, however many data units it spans.
      {true, false, {0, 0, 6, 1}, 999999, 1000000, 0.2, 0.8, false},
      {false, true, {0, 0, 1, 6}, 0.2, 0.8, 999999, 1000000, false},
      {false, true, {0, -3, 1, 3}, 0.2, 0.8, 0.001, 0.0015, true},
      {false, false, {0, 0, 1, 1}, 0.2, 0.20001, 0.2, 0.8, false},
      {false, false, {0, 0, 1, 1}, 0.2, 0.8, 0.2, 0.8, true},
  };
  for (const TCase& c : cases) {
    TGraphFixture f;
    f.graph.XAxis->Log = c.xLog;
    f.graph.YAxis->Log = c.yLog;
    f.graph.SetRange(c.range);
    f.graph.Zoom.Enabled = true;
    const auto axis = [&](bool log, double v) { return log ? std::log10(v) : v; };
    f.graph.Zoom.StartZoom(0, 0, axis(c.xLog, c.x1), axis(c.yLog, c.y1));
    ASSERT_TRUE(f.graph.Zoom.Dragging);
    f.graph.Zoom.EndZoom(0, 0, c.x2, c.y2);
    EXPECT_EQ(f.graph.Zoom.GetCount(), c.zooms ? 1 : 0) << c.x1 << " " << c.x2 << " " << c.y1 << " " << c.y2;
    EXPECT_FALSE(f.graph.Zoom.Dragging);
    if (c.zooms) {
      EXPECT_NEAR(f.graph.Range.Left, axis(c.xLog, c.x1), 1e-12);
      EXPECT_NEAR(f.graph.Range.Bottom, axis(c.yLog, c.y2), 1e-12);
    }
  }
}

TEST(GraphZoom, InvertedAxesKeepTheirLimitsSwapped)
{
  TGraphFixture f;
  f.graph.XAxis->Inverted = true;
  f.graph.SetRange({10, 0, 0, 10});
  f.graph.Zoom.Enabled = true;
  f.graph.Zoom.StartZoom(0, 0, 2, 2);
  f.graph.Zoom.EndZoom(0, 0, 6, 7);
  EXPECT_EQ(f.graph.Range, (TFloatRect{6, 2, 2, 7}));
}

TEST(GraphZoom, AnimatedZoomOfFiveStepsLeavesFiveEntriesAndKeepsThePoint)
{
  TZoomFixture f;
  f.graph.Zoom.Enabled = true;
  f.graph.AnimatedZoom = true;
  f.graph.Zoom.Steps = 5;
  f.graph.Zoom.ChangePerStep = 0.1;
  const TFloatRect before = f.graph.Range;
  const int px = f.graph.X1ToScreen(7), py = f.graph.Y1ToScreen(3);
  const double wx = f.graph.ScreenToX(px), wy = f.graph.ScreenToY(py);
  const double relX = (wx - before.Left) / (before.Right - before.Left);
  const double relY = (wy - before.Top) / (before.Bottom - before.Top);

  f.graph.MouseDown(mbLeft, {}, px, py);
  EXPECT_TRUE(f.graph.Zoom.Animating());
  EXPECT_EQ(f.graph.Zoom.GetCount(), 0);  // the steps come from the timer
  for (int i = 0; i < 5; ++i) {
    f.graph.Zoom.AnimationStep();
    EXPECT_EQ(f.graph.Zoom.GetCount(), i + 1);
  }
  EXPECT_FALSE(f.graph.Zoom.Animating());
  const TFloatRect& r = f.graph.Range;
  EXPECT_NEAR((r.Right - r.Left) / (before.Right - before.Left), std::pow(0.9, 5), 1e-9);
  EXPECT_NEAR((wx - r.Left) / (r.Right - r.Left), relX, 1e-9);
  EXPECT_NEAR((wy - r.Top) / (r.Bottom - r.Top), relY, 1e-9);
  EXPECT_FALSE(f.graph.Zoom.Enabled);  // auto stop
  EXPECT_FALSE(f.graph.AnimatedZoom);

  // Each step is undone on its own.
  EXPECT_TRUE(f.graph.Zoom.ZoomOut());
  EXPECT_EQ(f.graph.Zoom.GetCount(), 4);
  f.graph.Zoom.Reset();
  EXPECT_EQ(f.graph.Range, before);
}

TEST(GraphZoom, AnimatedZoomOutRunsOnItsTimer)
{
  TZoomFixture f;
  f.graph.Zoom.Enabled = true;
  f.graph.AnimatedZoom = true;
  f.graph.Zoom.Steps = 3;
  f.graph.Zoom.Style = zsOut;
  f.graph.Zoom.StepInterval = 1;
  const double span = f.graph.Range.Right - f.graph.Range.Left;
  f.graph.MouseDown(mbLeft, {}, f.graph.X1ToScreen(5), f.graph.Y1ToScreen(5));
  ASSERT_TRUE(RunEventsUntil([&] { return !f.graph.Zoom.Animating(); }, 5000));
  EXPECT_EQ(f.graph.Zoom.GetCount(), 3);
  EXPECT_NEAR(f.graph.Range.Right - f.graph.Range.Left, span * std::pow(1.1, 3), 1e-9);
}

// The image a user sees: the band is drawn inverted on it while the mouse moves, erased when it
// moves on, and the release zooms.
TEST(GraphZoom, RubberBandByMouseEventsOnThePictureControl)
{
  TGraphImageWidget widget(400, 300);
  TGraph graph(nullptr, widget, nullptr);
  graph.ProcessMessages = [] {};
  widget.Graph = &graph;
  graph.AddLayer(std::make_unique<TTestSeries>(graph, "s", PointsXY({{0, 0}, {10, 10}})));
  widget.show();
  graph.Paint();
  graph.Zoom.Enabled = true;

  const int x1 = graph.X1ToScreen(2), y1 = graph.Y1ToScreen(8);
  const int x2 = graph.X1ToScreen(6), y2 = graph.Y1ToScreen(4);
  const QRgb plotColour = widget.Image().pixel(x1 + 5, y1 + 5);
  PressAt(widget, QPoint(x1, y1));
  EXPECT_TRUE(graph.Zoom.Dragging);
  MoveHeldTo(widget, QPoint(x2, y2));
  EXPECT_EQ(widget.CursorNumber(), kZoomInCursor);
  const platform::TRect band = graph.Zoom.BandRect;
  EXPECT_EQ(band, (platform::TRect{x1, y1, x2, y2}));
  const QRgb inside = widget.Image().pixel((x1 + x2) / 2, (y1 + y2) / 2);
  EXPECT_EQ(inside & 0xFFFFFFu, platform::ColorToQColor(kZoomBandColor).rgb() & 0xFFFFFFu);  // not-xor on white
  widget.Image().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "zoom-band.png"));

  MoveHeldTo(widget, QPoint(x1 + 10, y1 + 10));  // the first band is erased
  EXPECT_EQ(widget.Image().pixel(x2 - 3, y2 - 3), plotColour);
  MoveHeldTo(widget, QPoint(x2, y2));
  ReleaseAt(widget, QPoint(x2, y2));
  EXPECT_FALSE(graph.Zoom.Dragging);
  EXPECT_EQ(graph.Zoom.GetCount(), 1);
  ExpectNear(graph.Range, {2, 4, 6, 8}, 0.1);
  EXPECT_EQ(widget.CursorNumber(), platform::crDefault);
}

}  // namespace
}  // namespace plot::test
