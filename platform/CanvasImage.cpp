#include "platform/CanvasImage.h"

namespace platform {

TImageCanvas::TImageCanvas(QImage& image) : image_(image) {}

QPainter* TImageCanvas::BeginPaint()
{
  if (image_.isNull())
    return nullptr;
  if (image_.format() != QImage::Format_RGB32 && image_.format() != QImage::Format_ARGB32_Premultiplied
      && image_.format() != QImage::Format_ARGB32)
    image_.convertTo(QImage::Format_RGB32);
  painter_.emplace(&image_);
  return &*painter_;
}

void TImageCanvas::EndPaint()
{
  painter_.reset();
}

void TImageCanvas::Render(const TCanvasRecord& record)
{
  // Pixels are set exactly, without a painter, where no mapping is involved.
  if (record.Op == TCanvasOp::SetPixel && record.State.Mapping.IsIdentity()) {
    const TPoint p = record.Points[0];
    if (!image_.rect().contains(p.X, p.Y) || (record.State.Clipped && !record.State.Clip.Contains(p)))
      return;
    image_.setPixel(p.X, p.Y, ColorToQColor(record.Value).rgb());
    return;
  }
  TPainterCanvas::Render(record);
}

TColor TImageCanvas::ReadPixel(TPoint device) const
{
  if (!image_.rect().contains(device.X, device.Y))
    return clNone;
  return FromQColor(QColor(image_.pixel(device.X, device.Y)));
}

}  // namespace platform
