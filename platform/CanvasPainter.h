#pragma once
// A canvas that draws through a Qt painter, without anti-aliasing, keeping the system's pixel rules.
// Back ends give the painter: an image (raster operations work) or a printer page.

#include "platform/Canvas.h"

class QPainter;

namespace platform {

class TPainterCanvas : public TCanvas {
protected:
  // The painter for one call (its state is saved and restored around the call), or nullptr.
  virtual QPainter* BeginPaint() = 0;
  virtual void EndPaint() = 0;
  // Whether pen modes and inverting copies work on the device (images: yes, printers: no).
  virtual bool HasRasterOps() const { return true; }

  void Render(const TCanvasRecord& record) override;

private:
  void RenderOn(QPainter& p, const TCanvasRecord& r) const;
  void Shape(QPainter& p, const TCanvasState& s, bool fill, const auto& draw) const;
  void Text(QPainter& p, const TCanvasRecord& r) const;
  void FocusRect(QPainter& p, const TRect& r) const;
  bool IsThin(const TCanvasState& s) const;
  // One-pixel lines through the points, each pixel once, the last point left out.
  void ThinLines(QPainter& p, const TCanvasState& s, const std::vector<TPoint>& points, bool closed) const;
  void Fill(QPainter& p, const TCanvasState& s, const TRect& r) const;
};

}  // namespace platform
