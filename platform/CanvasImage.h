#pragma once
// A canvas on an image in memory: the back buffer of a self-drawn control, or a bitmap's pixels.
// The image must outlive the canvas; it is painted on 32-bit RGB (other formats are converted).

#include "platform/CanvasPainter.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace platform {

class TImageCanvas : public TPainterCanvas {
public:
  explicit TImageCanvas(QImage& image);

  QImage& Image() { return image_; }
  TRect DeviceBounds() const override { return {0, 0, image_.width(), image_.height()}; }
  const QImage* SourceImage() const override { return &image_; }

protected:
  QPainter* BeginPaint() override;
  void EndPaint() override;
  void Render(const TCanvasRecord& record) override;
  TColor ReadPixel(TPoint device) const override;

private:
  QImage& image_;
  std::optional<QPainter> painter_;
};

}  // namespace platform
