#include "platform/Canvas.h"
#include "platform/Caret.h"
#include "platform/CustomControl.h"
#include "platform/Exceptions.h"
#include "ScriptReporter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace platform {
namespace {

// Records what the handlers receive.
class Probe : public CustomControl {
 public:
  struct Key {
    int key;
    TShiftState shift;
  };
  std::vector<Key> downs;
  std::vector<int> presses;  // as unsigned Latin-1 codes
  std::vector<int> wheels;
  std::vector<TShiftState> mouseDowns;
  std::vector<int> ticks;
  int paints = 0;
  bool throwOnPress = false;
  bool throwOnPaint = false;

  using CustomControl::focusNextPrevChild;

 protected:
  void Paint(TCanvas& canvas) override
  {
    ++paints;
    if (throwOnPaint)
      throw Exception(QStringLiteral("Paint failed"));
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect({0, 0, 4, 4});
  }
  void KeyDown(int& key, TShiftState shift) override { downs.push_back({key, shift}); }
  void KeyPress(char& key) override
  {
    if (throwOnPress)
      throw Exception(QStringLiteral("Bad key"));
    presses.push_back(static_cast<unsigned char>(key));
  }
  bool MouseWheel(TShiftState, int delta, int, int) override
  {
    wheels.push_back(delta);
    return true;
  }
  void MouseDown(TMouseButton, TShiftState shift, int, int) override { mouseDowns.push_back(shift); }
  void TimerTick(int id) override
  {
    ticks.push_back(id);
    KillTimer(id);
  }
};

void SendKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&target, &event);
}

void SendWheel(QWidget& target, int delta)
{
  QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&target, &event);
}

TEST(CustomControl, KeysArriveAsVirtualKeysWithShiftStateAndLatin1Characters)
{
  Probe probe;
  SendKey(probe, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(probe.downs.size(), 1u);
  EXPECT_EQ(probe.downs[0].key, 37);
  EXPECT_EQ(probe.downs[0].shift, ssShift | ssCtrl);
  EXPECT_TRUE(probe.presses.empty());

  SendKey(probe, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
  EXPECT_EQ(probe.presses, std::vector<int>{233});
}

TEST(CustomControl, TabReachesTheControlOnlyWhenItWantsTabs)
{
  Probe probe;
  EXPECT_TRUE(probe.focusNextPrevChild(true) || true);  // moves the focus (nowhere to go here)
  probe.SetWantTabs(true);
  EXPECT_FALSE(probe.focusNextPrevChild(true));
  SendKey(probe, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  ASSERT_EQ(probe.downs.size(), 1u);
  EXPECT_EQ(probe.downs[0].key, VK_TAB);
}

TEST(CustomControl, DialogKeysGoOnToTheWindowWhenNotWanted)
{
  int windowKeys = 0;
  struct Window : QWidget {
    int* keys;
    void keyPressEvent(QKeyEvent*) override { ++*keys; }
  };
  Window parent;
  parent.keys = &windowKeys;
  auto* probe = new Probe;
  probe->setParent(&parent);
  SendKey(*probe, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1B"));
  EXPECT_EQ(windowKeys, 0);
  EXPECT_EQ(probe->presses, std::vector<int>{27});

  probe->SetWantDialogKeys(false);
  SendKey(*probe, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1B"));
  SendKey(*probe, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(windowKeys, 2);
  EXPECT_EQ(probe->downs.size(), 3u);  // KeyDown saw them first
  EXPECT_EQ(probe->presses.size(), 1u);
}

TEST(CustomControl, WheelDeliversWholeStepsOf120)
{
  Probe probe;
  SendWheel(probe, 60);
  EXPECT_TRUE(probe.wheels.empty());
  SendWheel(probe, 60);
  SendWheel(probe, -240);
  EXPECT_EQ(probe.wheels, (std::vector<int>{120, -120, -120}));
}

TEST(CustomControl, DoubleClickIsAMouseDownWithDouble)
{
  Probe probe;
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&probe, &press);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                  Qt::ShiftModifier);
  QApplication::sendEvent(&probe, &dbl);
  ASSERT_EQ(probe.mouseDowns.size(), 2u);
  EXPECT_EQ(probe.mouseDowns[0], ssLeft);
  EXPECT_EQ(probe.mouseDowns[1], ssLeft | ssShift | ssDouble);
}

TEST(CustomControl, AnExceptionInAHandlerIsShownAndTheControlGoesOn)
{
  Probe probe;
  probe.throwOnPress = true;
  {
    ModalScript script(testing::FailTest());
    script.ExpectMessage(QStringLiteral("Bad key"), mrOk);
    SendKey(probe, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  }
  probe.throwOnPress = false;
  SendKey(probe, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
  EXPECT_EQ(probe.presses, std::vector<int>{'b'});
}

TEST(CustomControl, PaintsIntoItsBackBuffer)
{
  Probe probe;
  probe.resize(20, 10);
  probe.SetColor(clRed);
  const QImage image = probe.PaintToImage();
  EXPECT_EQ(probe.paints, 1);
  EXPECT_EQ(image.size(), QSize(20, 10));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::red));
}

// Holds a finished picture smaller than its client area, in a framed control.
class PictureHolder : public CustomControl {
 public:
  QImage picture{6, 4, QImage::Format_RGB32};
  int paints = 0;

 protected:
  void Paint(TCanvas&) override { ++paints; }
  const QImage* FinishedPicture() override { return &picture; }
};

// What the control shows on the screen, in its own coordinates.
QImage Shown(QWidget& control)
{
  control.show();
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  control.repaint();
  const QPixmap shown = control.windowHandle()->screen()->grabWindow(control.winId());
  return shown.toImage().copy(QRect(QPoint(0, 0), control.size())).convertToFormat(QImage::Format_RGB32);
}

TEST(CustomControl, AFinishedPictureGoesToTheScreenAsItStandsWithoutPaint)
{
  PictureHolder holder;
  holder.resize(12, 8);
  holder.SetFrameWidth(1);
  holder.SetColor(clRed);
  holder.picture.fill(QColor(Qt::blue));
  holder.picture.setPixelColor(5, 3, QColor(Qt::green));
  const QImage shown = Shown(holder);
  EXPECT_EQ(holder.paints, 0);
  EXPECT_EQ(shown.pixelColor(0, 0), ColorToQColor(clWindowFrame));  // the frame
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::blue));
  EXPECT_EQ(shown.pixelColor(6, 4), QColor(Qt::green));  // the picture's last pixel, inside the frame
  EXPECT_EQ(shown.pixelColor(7, 4), QColor(Qt::red));    // the client area beyond it shows the colour
  EXPECT_EQ(shown.pixelColor(3, 6), QColor(Qt::red));
  // A picture larger than the client area is clipped to it: the frame stays.
  holder.picture = QImage(40, 40, QImage::Format_RGB32);
  holder.picture.fill(QColor(Qt::blue));
  const QImage clipped = Shown(holder);
  EXPECT_EQ(clipped.pixelColor(10, 6), QColor(Qt::blue));
  EXPECT_EQ(clipped.pixelColor(11, 7), ColorToQColor(clWindowFrame));
}

TEST(CustomControl, APaintErrorIsShownAfterThePaintAndOnlyOnce)
{
  Probe probe;
  probe.resize(10, 10);
  probe.throwOnPaint = true;
  ModalScript script(testing::FailTest());
  script.ExpectMessage(QStringLiteral("Paint failed"), mrOk);
  probe.PaintToImage();
  probe.PaintToImage();
  EXPECT_EQ(script.StepsLeft(), 1);  // no box inside the paint
  QCoreApplication::processEvents();
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(CustomControl, MouseCaptureTakesTheMouseUntilReleased)
{
  Probe probe;
  probe.resize(10, 10);
  probe.show();
  probe.SetMouseCapture(true);
  EXPECT_TRUE(probe.MouseCapture());
  EXPECT_EQ(QWidget::mouseGrabber(), &probe);
  probe.SetMouseCapture(false);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  probe.hide();
}

TEST(CustomControl, TimersFireByIdUntilKilled)
{
  Probe probe;
  probe.SetTimer(7, 1);
  EXPECT_TRUE(probe.HasTimer(7));
  while (probe.ticks.empty())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(probe.ticks, std::vector<int>{7});
  EXPECT_FALSE(probe.HasTimer(7));
}

TEST(CustomControl, TheCaretHasOneOwnerAndHidingCounts)
{
  Probe first;
  Probe second;
  first.CreateCaret(2, 10);
  EXPECT_TRUE(first.OwnsCaret());
  EXPECT_FALSE(caret::IsShown());  // a new caret starts hidden
  first.ShowCaret();
  first.SetCaretPos(5, 6);
  EXPECT_TRUE(caret::IsDrawn());
  EXPECT_EQ(caret::Rect(), QRect(5, 6, 2, 10));
  first.HideCaret();
  first.HideCaret();
  first.ShowCaret();
  EXPECT_FALSE(caret::IsShown());
  first.ShowCaret();
  EXPECT_TRUE(caret::IsShown());

  second.CreateCaret(1, 8);
  EXPECT_FALSE(first.OwnsCaret());
  EXPECT_TRUE(second.OwnsCaret());
  first.ShowCaret();  // no caret of its own any more: nothing happens
  EXPECT_FALSE(caret::IsShown());
}

TEST(CustomControl, ADestroyedOwnerGivesUpTheCaret)
{
  {
    Probe probe;
    probe.CreateCaret(2, 10);
    probe.ShowCaret();
  }
  EXPECT_EQ(caret::Owner(), nullptr);
  EXPECT_FALSE(caret::IsShown());
}

TEST(CustomControl, CursorsByNumber)
{
  Probe probe;
  RegisterCursor(101, QCursor(Qt::CrossCursor));
  probe.SetCursorNumber(101);
  EXPECT_EQ(probe.cursor().shape(), Qt::CrossCursor);
  probe.SetCursorNumber(crHourGlass);
  EXPECT_EQ(probe.cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(CursorFor(12345).shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace platform
