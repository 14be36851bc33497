#include "plotui/PlotImage.h"

#include "plot/graph/Graph.h"

#include <algorithm>

namespace plotui {

TPlotImage::TPlotImage(QWidget* parent) : platform::CustomControl(parent), Picture(1, 1)
{
  setMouseTracking(true);
  Picture.Canvas().OnChange = [this] { PictureChanged(); };
}

void TPlotImage::PictureChanged()
{
  // A hidden control is painted whole when it is shown.
  if (repaintAsked_ || !isVisible())
    return;
  repaintAsked_ = true;
  Invalidate();
}

void TPlotImage::Paint(platform::TCanvas& canvas)
{
  repaintAsked_ = false;
  canvas.Draw(0, 0, Picture);
}

const QImage* TPlotImage::FinishedPicture()
{
  // A keyed or translucent picture needs the back buffer's blend.
  const QImage& image = Picture.Image();
  if (Picture.Transparent() || image.format() != QImage::Format_RGB32)
    return nullptr;
  repaintAsked_ = false;
  return &image;
}

platform::TPoint TPlotImage::ClientToScreen(platform::TPoint p) const
{
  const QPoint at = mapToGlobal(QPoint(p.X, p.Y));
  return {at.x(), at.y()};
}

void TPlotImage::NewPicture()
{
  Picture.SetSize(std::max(width(), 1), std::max(height(), 1));
}

void TPlotImage::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  leftDown_ = button == platform::mbLeft;
  if (Graph)
    Graph->MouseDown(button, shift, x, y);
  if (OnMouseDown)
    OnMouseDown(button, shift, x, y);
}

void TPlotImage::MouseMove(platform::TShiftState shift, int x, int y)
{
  if (Graph)
    Graph->MouseMove(shift, x, y);
  if (OnMouseMove)
    OnMouseMove(shift, x, y);
}

void TPlotImage::MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  if (Graph)
    Graph->MouseUp(button, shift, x, y);
  if (OnMouseUp)
    OnMouseUp(button, shift, x, y);
  const bool click = leftDown_ && button == platform::mbLeft && rect().contains(x, y);
  leftDown_ = false;
  if (click && OnClick)
    OnClick();
}

void TPlotImage::DblClick()
{
  if (OnDblClick)
    OnDblClick();
}

}  // namespace plotui
