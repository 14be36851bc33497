#pragma once
// A canvas on an image in memory: the back buffer of a self-drawn control, or a bitmap's pixels.
// It draws straight onto the image: one-pixel lines, solid fills and pixels are written into the
// pixel memory, everything else through one painter that stays open between calls. The image must
// outlive the canvas; while the canvas lives the image is drawn through it or read, and whoever
// replaces or resizes it calls ReleasePainter first. It is painted on 32-bit RGB (other formats are
// converted).

#include "platform/CanvasPainter.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace platform {

class TImageCanvas : public TPainterCanvas {
public:
  explicit TImageCanvas(QImage& image);
  ~TImageCanvas() override;

  QImage& Image() { return image_; }
  TRect DeviceBounds() const override { return {0, 0, image_.width(), image_.height()}; }
  const QImage* SourceImage() const override { return &image_; }
  // Ends the open painter; the next call opens a new one.
  void ReleasePainter();

protected:
  QPainter* BeginPaint() override;
  void EndPaint() override {}
  void Render(const TCanvasCall& call) override;
  void ThinLines(QPainter& p, const TCanvasState& s, std::span<const TPoint> points, bool closed) override;
  TColor ReadPixel(TPoint device) const override;

private:
  bool PrepareImage();
  void WriteThinLines(const TCanvasState& s, std::span<const TPoint> points, bool closed);
  bool FillSolid(const TCanvasState& s, const TRect& r);
  bool FastPolygon(const TCanvasState& s, std::span<const TPoint> points);
  // The clip as device rectangles inside the image (the whole image when not clipped).
  const std::vector<TRect>& ClipRects(const TCanvasState& s);

  QImage& image_;
  std::optional<QPainter> painter_;
  const uchar* paintedBits_ = nullptr;
  TRegion clipSeen_;
  bool clipSeenSet_ = false;
  TRect boundsSeen_;
  std::vector<TRect> clipRects_;
};

}  // namespace platform
