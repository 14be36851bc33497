// Picking and editing series points with the mouse on the plot's picture: the hit test of each
// style, cursors, the delete, hide and select gestures, the popup's items and point dragging.
#include "PlotFixture.h"

#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>

namespace plotui::test {
namespace {

using testing_support::MoveHeldTo;
using testing_support::PressAt;
using testing_support::ReleaseAt;

struct TPickFixture : TPlotFixture {
  QPointF At(double x, double y) const
  {
    return QPointF(chart->Graph->XToScreen(x), chart->Graph->YToScreen(y));
  }
  // A move of the free mouse over the picture.
  void Hover(QPointF at, Qt::KeyboardModifiers keys = Qt::NoModifier)
  {
    QMouseEvent move(QEvent::MouseMove, at, chart->Image->mapToGlobal(at), Qt::NoButton, Qt::NoButton, keys);
    QApplication::sendEvent(chart->Image, &move);
  }
  void ClickWith(QPointF at, Qt::KeyboardModifiers keys, Qt::MouseButton button = Qt::LeftButton)
  {
    Hover(at, keys);
    QMouseEvent press(QEvent::MouseButtonPress, at, chart->Image->mapToGlobal(at), button, button, keys);
    QApplication::sendEvent(chart->Image, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, chart->Image->mapToGlobal(at), button, Qt::NoButton, keys);
    QApplication::sendEvent(chart->Image, &release);
  }
};

TEST(SeriesPick, EachStyleFindsItsPointOrSegment)
{
  const struct {
    plot::TSeriesStyle style;
    double x, y;  // the mouse, in world units
    int hit;
  } cases[] = {
      {plot::kStylePoints, 5, 5, 1},          // on the marker
      {plot::kStylePoints, 3, 3, -1},         // between markers: no line to hit
      {plot::kStyleLine, 1, 1, 0},            // nearer the segment's start
      {plot::kStyleLine, 4, 4, 1},            // nearer its end
      {plot::kStyleLine, 6, 4, 1},
      {plot::kStyleLine, 9, 1, 2},
      {plot::kStyleLine, 6, 2, -1},
      {plot::kStyleLineAndPoint, 10, 0, 2},
      {plot::kStyleArea, 7, 2, 2},            // inside the filled area
      {plot::kStyleArea, 2, 8, -1},           // above it
      {plot::kStyleVolume, 5, 2, 1},          // on the volume bar below the point
      {plot::kStylePiecewiseConstant, 3, 0, 0},  // on the first level
      {plot::kStyleMatrix, 5, 5, -1},
  };
  for (const auto& c : cases) {
    TPickFixture f;
    TSeries& s = f.AddSeries("s", c.style, platform::clRed, {{0, 0}, {5, 5}, {10, 0}});
    f.chart->Graph->SetRange({-1, 11, 11, -1});
    f.chart->Redraw();
    f.Hover(f.At(c.x, c.y));
    EXPECT_EQ(s.HitIndex, c.hit) << int(c.style) << " at " << c.x << ", " << c.y;
  }
}

TEST(SeriesPick, CursorsFollowTheKeysAndTheSwitches)
{
  TPickFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLineAndPoint, platform::clRed, {{0, 0}, {5, 5}, {10, 0}});
  f.chart->Redraw();
  s.SelectShift = kModShift;
  s.DeleteShift = kModCtrl;
  s.InfoShift = kModAlt;
  const struct {
    bool allowDelete;
    bool allowSelect;
    Qt::KeyboardModifiers keys;
    platform::TCursor cursor;
  } cases[] = {
      {false, false, Qt::NoModifier, platform::crDefault},
      {true, false, Qt::ControlModifier, 103},
      {false, false, Qt::ControlModifier, platform::crDefault},
      {false, true, Qt::ShiftModifier, 104},
      {false, false, Qt::ShiftModifier, platform::crDefault},
      {false, false, Qt::AltModifier, 109},
  };
  for (const auto& c : cases) {
    s.AllowDelete = c.allowDelete;
    s.AllowSelect = c.allowSelect;
    f.chart->Image->SetCursorNumber(-100);
    f.Hover(f.At(5, 5), c.keys);
    EXPECT_EQ(f.chart->Image->CursorNumber(), c.cursor) << int(c.keys);
  }
  f.Hover(f.At(9, 9));
  EXPECT_EQ(f.chart->Image->CursorNumber(), platform::crDefault);
}

TEST(SeriesPick, CtrlClickDeletesAMiddlePointJoiningItsNeighboursAndTheLastLeavesTheSeriesHidden)
{
  TPickFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLineAndPoint, platform::clRed, {{0, 0}, {5, 5}, {10, 0}});
  f.chart->Graph->SetRange({-1, 11, 11, -1});
  f.chart->Redraw();
  f.ClickWith(f.At(5, 5), Qt::ControlModifier);
  EXPECT_EQ(s.GetCount(), 3);  // deleting is not allowed
  s.AllowDelete = true;
  f.ClickWith(f.At(5, 5), Qt::ControlModifier);
  ASSERT_EQ(s.GetCount(), 2);
  EXPECT_EQ(s.GetData(1).X1, 0);
  EXPECT_EQ(s.GetData(1).Y1, 0);
  EXPECT_EQ(s.GetPoint(1), plot::TFloatPoint({10, 0}));
  f.ClickWith(f.At(0, 0), Qt::ControlModifier);
  ASSERT_EQ(s.GetCount(), 1);
  EXPECT_EQ(s.GetPoint(0), plot::TFloatPoint({10, 0}));
  EXPECT_EQ(s.GetData(0).X1, 10);
  f.ClickWith(f.At(10, 0), Qt::ControlModifier);
  EXPECT_EQ(s.GetCount(), 0);
  EXPECT_FALSE(s.GetVisible());
  // A stale hit point from before the change is refused.
  s.HitPoint = 5;
  s.DeleteClick();
  EXPECT_EQ(s.GetCount(), 0);
}

TEST(SeriesPick, HideAndSelectGestures)
{
  TPickFixture f;
  TSeries& s = f.AddSeries("s", plot::kStylePoints, platform::clRed, {{0, 0}, {5, 5}, {10, 0}});
  f.chart->Graph->SetRange({-1, 11, 11, -1});
  f.chart->Redraw();
  s.AllowHide = true;
  f.ClickWith(f.At(5, 5), Qt::ControlModifier);
  EXPECT_EQ(s.GetCount(), 3);
  EXPECT_FALSE(s.GetData(1).Marker->Visible);
  f.Hover(f.At(5, 5));
  EXPECT_EQ(s.HitIndex, -1);  // a hidden marker is no longer found
  s.AllowSelect = true;
  f.ClickWith(f.At(10, 0), Qt::ShiftModifier);
  EXPECT_TRUE(s.GetSelected());
  f.ClickWith(f.At(10, 0), Qt::ShiftModifier);
  EXPECT_FALSE(s.GetSelected());
}

TEST(SeriesPick, WithoutAllowSwitchesThePopupOffersInfoAlone)
{
  TPickFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {10, 10}});
  f.chart->Redraw();
  QStringList shown;
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject& subject) {
    auto& menu = dynamic_cast<platform::TPopupMenu&>(subject);
    for (int i = 0; i < menu.Items().Count(); ++i)
      if (menu.Items().Item(i).Visible())
        shown.append(menu.Items().Item(i).Caption());
    return platform::mrCancel;
  });
  f.ClickWith(f.At(5, 5), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(shown, QStringList({"&Info"}));
  EXPECT_EQ(s.GetCount(), 2);
}

TEST(SeriesPick, DraggingAStepMovesThePointAndTheNextStartOnALogAxisToo)
{
  for (const bool log : {false, true}) {
    TPickFixture f;
    TSeries& s = f.AddSeries("s", plot::kStylePiecewiseConstant, platform::clRed,
                             {{0, 1}, {5, 10}, {10, 100}, {15, 20}});
    f.chart->Graph->YAxis->Log = log;
    f.chart->Graph->SetRange(log ? plot::TFloatRect{-1, 3, 16, -1} : plot::TFloatRect{-1, 110, 16, -10});
    f.chart->Redraw();
    plot::TGraph& g = *f.chart->Graph;
    // "&Edit" on the second step (the level from x 5 to 10 at y 10) starts the drag.
    platform::ModalScript script;
    script.ChooseItem("miEdit");
    const QPointF step = f.At(7, 10);
    f.Hover(step);
    PressAt(*f.chart->Image, step, Qt::RightButton);  // the menu takes the release
    ASSERT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(s.DragPoint, 1);
    const QPointF to(step.x(), step.y() - 40);
    f.Hover(to);
    EXPECT_EQ(f.chart->Image->CursorNumber(), platform::crSizeNS);
    f.ClickWith(to, Qt::NoModifier);
    const double expected = log ? std::pow(10.0, g.ScreenToY(int(to.y()))) : g.ScreenToY(int(to.y()));
    EXPECT_DOUBLE_EQ(s.GetData(1).Y2, expected) << log;
    EXPECT_DOUBLE_EQ(s.GetData(2).Y1, expected) << log;
    EXPECT_EQ(s.GetData(0).Y2, 1);
    EXPECT_EQ(s.GetData(2).Y2, 100);
    EXPECT_EQ(s.DragState, 0x10);
    EXPECT_EQ(g.Canvas->Pen().Mode(), platform::TPenMode::pmCopy);
    // Armed: a plain press on the last point drags only that point.
    const QPointF last = f.At(15, 20);
    f.Hover(last);
    EXPECT_EQ(s.HitIndex, 3);
    PressAt(*f.chart->Image, last);
    EXPECT_EQ(s.DragState, 0x14);
    MoveHeldTo(*f.chart->Image, QPointF(last.x(), last.y() - 20));
    ReleaseAt(*f.chart->Image, QPointF(last.x(), last.y() - 20));
    EXPECT_GT(s.GetData(3).Y2, 20);
    EXPECT_EQ(s.DragState, 0x10);
    EXPECT_EQ(s.GetData(3).Y1, s.GetData(2).Y2);
  }
}

// The pixels of the control as the screen shows them once pending paints have run.
QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

bool RedNear(const QImage& image, QPoint at)
{
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if ((image.pixel(at + QPoint(dx, dy)) & 0xFFFFFF) == 0xFF0000)
        return true;
  return false;
}

TEST(SeriesPick, TheDragFeedbackFollowsTheMouseOnTheScreen)
{
  TPickFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {5, 5}, {10, 0}});
  f.chart->Redraw();
  s.DragState = 0x10;  // armed by an earlier drag
  const QPointF start = f.At(0, 0), middle = f.At(5, 5), end = f.At(10, 0);
  const QPointF to(middle.x(), middle.y() + 60);
  const QPoint newLeft = ((start + to) / 2).toPoint();
  EXPECT_FALSE(RedNear(OnScreen(*f.chart->Image), newLeft));
  f.Hover(middle);
  PressAt(*f.chart->Image, middle);
  MoveHeldTo(*f.chart->Image, to);
  QImage shown = OnScreen(*f.chart->Image);
  EXPECT_TRUE(RedNear(shown, newLeft));
  EXPECT_TRUE(RedNear(shown, ((end + to) / 2).toPoint()));
  const double dropped = f.chart->Graph->ScreenToY(int(to.y()));
  const int paints = f.paints;
  ReleaseAt(*f.chart->Image, to);
  EXPECT_EQ(s.GetData(1).Y2, dropped);
  EXPECT_EQ(s.GetData(2).Y1, dropped);
  // The release repaints the series where it now lies (the axes follow the new extent).
  EXPECT_EQ(f.paints, paints + 1);
  shown = OnScreen(*f.chart->Image);
  EXPECT_TRUE(RedNear(shown, ((f.At(0, 0) + f.At(5, dropped)) / 2).toPoint()));
  EXPECT_TRUE(RedNear(shown, ((f.At(10, 0) + f.At(5, dropped)) / 2).toPoint()));
  EXPECT_EQ(f.chart->Graph->Canvas->Pen().Mode(), platform::TPenMode::pmCopy);
}

}  // namespace
}  // namespace plotui::test
