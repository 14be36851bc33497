#pragma once
// The plot's picture control: a bitmap the graph paints on, shown by a self-drawn control that
// hands its mouse events to the graph first and then to the plot's own handlers. Every drawing on
// the picture repaints the control.

#include "plot/graph/GraphHost.h"

#include "platform/Bitmap.h"
#include "platform/CustomControl.h"

#include <functional>

namespace plot {
class TGraph;
}

namespace plotui {

class TPlotImage : public platform::CustomControl, public plot::TGraphImage {
public:
  explicit TPlotImage(QWidget* parent = nullptr);

  platform::TCanvas& Canvas() override { return Picture.Canvas(); }
  int Width() const override { return Picture.Width(); }
  int Height() const override { return Picture.Height(); }
  void SetCursor(platform::TCursor cursor) override { SetCursorNumber(cursor); }
  platform::TPoint ClientToScreen(platform::TPoint p) const override;
  // A new picture of the control's size.
  void NewPicture();

  platform::TBitmap Picture;
  plot::TGraph* Graph = nullptr;  // not owned
  // Raised after the graph has handled the same event.
  std::function<void(platform::TMouseButton, platform::TShiftState, int, int)> OnMouseDown, OnMouseUp;
  std::function<void(platform::TShiftState, int, int)> OnMouseMove;
  // A left press and release on the picture; a double click.
  std::function<void()> OnClick, OnDblClick;

protected:
  void Paint(platform::TCanvas& canvas) override;
  const QImage* FinishedPicture() override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void DblClick() override;

private:
  // Whatever draws on the picture (a paint, the rubber band, a bubble, an edit) shows at the next
  // chance; one repaint is asked for until it has run.
  void PictureChanged();

  bool leftDown_ = false;
  bool repaintAsked_ = false;
};

}  // namespace plotui
