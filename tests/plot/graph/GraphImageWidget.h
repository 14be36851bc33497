#pragma once
// A picture control double on screen: a bitmap the graph paints on, shown by a self-drawn control
// that hands its mouse events to the graph.

#include "plot/graph/Graph.h"

#include "platform/CustomControl.h"

#include "tests/support/GraphImages.h"

#include <QPoint>

namespace plot::test {

class TGraphImageWidget : public platform::CustomControl, public testing_support::TBitmapGraphImage {
public:
  TGraphImageWidget(int width, int height) : TBitmapGraphImage(width, height)
  {
    resize(width, height);
    setMouseTracking(true);
  }

  void SetCursor(platform::TCursor cursor) override { SetCursorNumber(cursor); }
  platform::TPoint ClientToScreen(platform::TPoint p) const override
  {
    const QPoint at = mapToGlobal(QPoint(p.X, p.Y));
    return {at.x(), at.y()};
  }

  TGraph* Graph = nullptr;

protected:
  void Paint(platform::TCanvas& canvas) override { canvas.Draw(0, 0, Bitmap()); }
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
};

}  // namespace plot::test
