#include "platform/DragDrop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace platform {
namespace {

// A window with a source list on the left and a plot on the right that takes drops in its upper half.
class DragBetweenControls : public ::testing::Test {
protected:
  DragBetweenControls()
  {
    window.setGeometry(100, 100, 300, 200);
    source.setGeometry(0, 0, 100, 200);
    plot.setGeometry(150, 0, 150, 200);
    inner.setGeometry(10, 10, 50, 50);  // a part of the plot without drag events of its own
    TDragEvents& from = DragEvents(source);
    from.OnStartDrag = [this] { events << "start"; };
    from.OnEndDrag = [this](QWidget* target, int x, int y) {
      events << QString("end %1 %2,%3").arg(target == &plot ? "plot" : target ? "?" : "none").arg(x).arg(y);
    };
    TDragEvents& to = DragEvents(plot);
    to.OnDragOver = [this](QWidget* from, int x, int y, TDragState state, bool& accept) {
      const char* names[] = {"enter", "leave", "move"};
      events << QString("%1 %2,%3%4").arg(names[int(state)]).arg(x).arg(y).arg(from == &source ? "" : " ?");
      accept = y < 100;
    };
    to.OnDragDrop = [this](QWidget*, int x, int y) { events << QString("drop %1,%2").arg(x).arg(y); };
    window.show();
  }
  ~DragBetweenControls() override { CancelDrag(); }

  QPoint At(QWidget& w, int x, int y) const { return w.mapToGlobal(QPoint(x, y)); }
  void Mouse(QEvent::Type type, QPoint global, Qt::MouseButtons held)
  {
    QWidget* receiver = QWidget::mouseGrabber() != nullptr ? QWidget::mouseGrabber() : &source;
    const QPointF local = receiver->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
  }

  QWidget window;
  QWidget source{&window};
  QWidget plot{&window};
  QWidget inner{&plot};
  QStringList events;
};

TEST_F(DragBetweenControls, ADropOnAnAcceptingTargetRunsInTheSystemsOrder)
{
  BeginDrag(source);
  EXPECT_TRUE(Dragging(source));
  Mouse(QEvent::MouseMove, At(source, 50, 20), Qt::LeftButton);
  Mouse(QEvent::MouseMove, At(plot, 20, 30), Qt::LeftButton);  // over the inner part: the plot's
  EXPECT_EQ(DragTarget(), &plot);
  Mouse(QEvent::MouseMove, At(plot, 40, 50), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, At(plot, 40, 50), Qt::NoButton);
  EXPECT_FALSE(Dragging());
  EXPECT_EQ(events, QStringList({"start", "enter 20,30", "move 20,30", "move 40,50", "move 40,50", "leave 40,50",
                                 "drop 40,50", "end plot 40,50"}));
}

TEST_F(DragBetweenControls, ATargetThatRefusesGetsNoDrop)
{
  BeginDrag(source);
  Mouse(QEvent::MouseMove, At(plot, 20, 150), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, At(plot, 20, 150), Qt::NoButton);
  EXPECT_EQ(events, QStringList({"start", "enter 20,150", "move 20,150", "move 20,150", "leave 20,150",
                                 "end none 0,0"}));
}

TEST_F(DragBetweenControls, LeavingTheTargetAndEscapeEndTheDragWithoutADrop)
{
  BeginDrag(source);
  Mouse(QEvent::MouseMove, At(plot, 20, 30), Qt::LeftButton);
  Mouse(QEvent::MouseMove, At(source, 20, 30), Qt::LeftButton);
  EXPECT_EQ(DragTarget(), &source);  // a control with drag events that accepts nothing
  Mouse(QEvent::MouseMove, At(plot, 25, 30), Qt::LeftButton);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&source, &escape);
  EXPECT_FALSE(Dragging());
  EXPECT_EQ(events, QStringList({"start", "enter 20,30", "move 20,30", "leave -130,30", "enter 25,30", "move 25,30",
                                 "leave 25,30", "end none 0,0"}));
}

TEST_F(DragBetweenControls, AnAutomaticDragStartsOnlyPastTheThreshold)
{
  DragEvents(source).DragMode = TDragMode::dmAutomatic;
  Mouse(QEvent::MouseButtonPress, At(source, 10, 10), Qt::LeftButton);
  EXPECT_TRUE(Dragging(source));
  Mouse(QEvent::MouseMove, At(source, 12, 11), Qt::LeftButton);
  EXPECT_TRUE(events.isEmpty());
  Mouse(QEvent::MouseButtonRelease, At(source, 12, 11), Qt::NoButton);  // a click, no drag
  EXPECT_FALSE(Dragging());
  EXPECT_TRUE(events.isEmpty());
  Mouse(QEvent::MouseButtonPress, At(source, 10, 10), Qt::LeftButton);
  Mouse(QEvent::MouseMove, At(plot, 5, 5), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, At(plot, 5, 5), Qt::NoButton);
  EXPECT_EQ(events.first(), "start");
  EXPECT_EQ(events.last(), "end plot 5,5");
}

TEST_F(DragBetweenControls, AHandlerMayEndTheDragAndASecondBeginWaits)
{
  QWidget other(&window);
  BeginDrag(source);
  BeginDrag(other);  // one drag at a time
  EXPECT_TRUE(Dragging(source));
  DragEvents(plot).OnDragOver = [this](QWidget*, int, int, TDragState state, bool&) {
    events << QString("over %1").arg(int(state));
    if (state == TDragState::dsDragEnter)
      EndDrag(true);
  };
  DragMouseMove(At(plot, 20, 30));
  EXPECT_FALSE(Dragging());
  EXPECT_EQ(events, QStringList({"start", "over 0", "over 1", "drop 20,30", "end plot 20,30"}));
}

}  // namespace
}  // namespace platform
