#pragma once
// A picture control double on screen: a bitmap the graph paints on, shown by a self-drawn control
// that hands its mouse events to the graph, and mouse events sent to it as a user makes them.

#include "plot/graph/Graph.h"

#include "platform/Bitmap.h"
#include "platform/CustomControl.h"

#include <QApplication>
#include <QMouseEvent>

namespace plot::test {

class TGraphImageWidget : public platform::CustomControl, public TGraphImage {
public:
  TGraphImageWidget(int width, int height) : picture_(width, height)
  {
    resize(width, height);
    setMouseTracking(true);
  }

  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }
  void SetCursor(platform::TCursor cursor) override { SetCursorNumber(cursor); }
  platform::TPoint ClientToScreen(platform::TPoint p) const override
  {
    const QPoint at = mapToGlobal(QPoint(p.X, p.Y));
    return {at.x(), at.y()};
  }

  const QImage& Picture() const { return picture_.Image(); }
  TGraph* Graph = nullptr;

protected:
  void Paint(platform::TCanvas& canvas) override { canvas.Draw(0, 0, picture_); }
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override
  {
    if (Graph)
      Graph->MouseDown(button, shift, x, y);
  }
  void MouseMove(platform::TShiftState shift, int x, int y) override
  {
    if (Graph)
      Graph->MouseMove(shift, x, y);
  }
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override
  {
    if (Graph)
      Graph->MouseUp(button, shift, x, y);
  }

private:
  platform::TBitmap picture_;
};

inline void SendMouse(QWidget& target, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held)
{
  const QPointF local(x, y);
  QMouseEvent event(type, local, target.mapToGlobal(local), button, held, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

inline void Press(QWidget& target, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseButtonPress, x, y, button, button);
}
inline void MoveHeld(QWidget& target, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseMove, x, y, Qt::NoButton, button);
}
inline void Release(QWidget& target, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseButtonRelease, x, y, button, Qt::NoButton);
}

}  // namespace plot::test
