#pragma once
// A canvas that draws through a Qt painter, without anti-aliasing, keeping the system's pixel rules.
// Back ends give the painter: an image (raster operations work) or a printer page.

#include "platform/Canvas.h"
#include "platform/FontCache.h"

#include <QFont>
#include <optional>
#include <span>

class QPainter;

namespace platform {

class TPainterCanvas : public TCanvas {
protected:
  // The painter for one call (its state is saved and restored around the call), or nullptr.
  virtual QPainter* BeginPaint() = 0;
  virtual void EndPaint() = 0;
  // Whether pen modes and inverting copies work on the device (images: yes, printers: no).
  virtual bool HasRasterOps() const { return true; }

  void Render(const TCanvasCall& call) override;
  // One-pixel lines through the points, each pixel once, the last point left out (closed: back to
  // the first point). Images write the pixels themselves.
  virtual void ThinLines(QPainter& p, const TCanvasState& s, std::span<const TPoint> points, bool closed);
  // Whether lines of this state are drawn as one-pixel lines.
  bool IsThin(const TCanvasState& s) const;

private:
  void RenderOn(QPainter& p, const TCanvasCall& r);
  void Shape(QPainter& p, const TCanvasState& s, bool fill, const auto& draw) const;
  void Text(QPainter& p, const TCanvasCall& r);
  void FocusRect(QPainter& p, const TRect& r) const;
  void Fill(QPainter& p, const TCanvasState& s, const TRect& r) const;

  // Gives the painter the Qt font of the font unless it has it already: the painter keeps the
  // font it took, with its glyph engine, between calls.
  const TQtFontCache::TEntry& SelectFont(QPainter& p, const TFontData& data);

  // The Qt font and metrics of the last font drawn with, and that font as the painter took it.
  TQtFontCache fonts_;
  std::optional<QFont> fontGiven_;
  std::optional<QFont> fontTaken_;
};

}  // namespace platform
