#include "plotui/print/PreviewImage.h"

#include "platform/Canvas.h"

#include <algorithm>

namespace plotui {

TPreviewImage::TPreviewImage(QWidget* parent) : platform::CustomControl(parent), Picture(1, 1)
{
  setMouseTracking(true);
  Picture.Canvas().OnChange = [this] { PictureChanged(); };
}

void TPreviewImage::NewPicture(int width, int height)
{
  Picture.SetSize(std::max(width, 1), std::max(height, 1));
  Picture.Canvas().Brush().SetStyle(platform::TBrushStyle::bsSolid);
  Picture.Canvas().Brush().SetColor(platform::clWhite);
  Picture.Canvas().FillRect({0, 0, Picture.Width(), Picture.Height()});
}

void TPreviewImage::PictureChanged()
{
  if (repaintAsked_ || !isVisible())
    return;
  repaintAsked_ = true;
  Invalidate();
}

void TPreviewImage::Paint(platform::TCanvas& canvas)
{
  repaintAsked_ = false;
  canvas.Draw(0, 0, Picture);
}

const QImage* TPreviewImage::FinishedPicture()
{
  const QImage& image = Picture.Image();
  if (Picture.Transparent() || image.format() != QImage::Format_RGB32 || image.size() != size())
    return nullptr;
  repaintAsked_ = false;
  return &image;
}

void TPreviewImage::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  if (OnMouseDown)
    OnMouseDown(button, shift, x, y);
}

void TPreviewImage::MouseMove(platform::TShiftState shift, int x, int y)
{
  if (OnMouseMove)
    OnMouseMove(shift, x, y);
}

void TPreviewImage::MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  if (OnMouseUp)
    OnMouseUp(button, shift, x, y);
}

}  // namespace plotui
