#pragma once
// The drawing surface with the system's pixel rules: a line leaves out its end pixel, a shape
// leaves out its right and bottom edges, polygons fill alternately, text is placed by the
// alignment flags, pens draw with raster operations. Back ends: images and bitmaps, the printer
// page, metafiles and the recording canvas of the tests.

#include "platform/Brush.h"
#include "platform/CanvasRecord.h"
#include "platform/CanvasRegion.h"
#include "platform/CanvasTypes.h"
#include "platform/Font.h"
#include "platform/Pen.h"

#include <QString>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

class QImage;

namespace platform {

class TGraphic;
class TQtFontCache;

struct TTextMetric {
  int Height = 0;  // ascent + descent
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

// What a canvas tells of its device.
enum class TDeviceCap { LogPixelsX, LogPixelsY, HorzRes, VertRes, HorzSize, VertSize, BitsPixel, Planes };

class TCanvas {
public:
  TCanvas();
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Drawing tools, read at every call.
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }

  // Background of text and hatches. Setting the brush sets them as the system does: a solid
  // brush gives an opaque background of its colour, any other brush a transparent one.
  TBkMode BkMode() const { return bkMode_; }
  void SetBkMode(TBkMode mode) { bkMode_ = mode; stateStale_ = true; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color) { bkColor_ = color; stateStale_ = true; }
  unsigned TextAlign() const { return textAlign_; }
  void SetTextAlign(unsigned flags) { textAlign_ = flags; stateStale_ = true; }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // Lines: the end point is not drawn; the pen position moves to it. Lines and polygons reaching
  // beyond +-kMaxCoord are cut there, so their visible part keeps its direction.
  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polyline(const TPoint* points, int count) { Polyline({points, std::size_t(std::max(count, 0))}); }

  // Shapes: pen outline, brush interior, the right and bottom edges left out.
  void Polygon(std::span<const TPoint> points);  // closed, alternate fill
  void Polygon(const TPoint* points, int count) { Polygon({points, std::size_t(std::max(count, 0))}); }
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  // Elliptic curves of the box (x1, y1, x2, y2), counter-clockwise from the radial through
  // (x3, y3) to the radial through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Brush fills without outline and without the pen mode.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);      // one-pixel frame in the brush
  void DrawFocusRect(const TRect& r);  // dotted, inverting: drawing it twice removes it
  void PatBlt(const TRect& r, TCopyMode rop);

  TColor Pixel(int x, int y) const;  // clNone where the device can't tell
  void SetPixel(int x, int y, TColor color);

  // Text in the font at (x, y) placed by TextAlign (and turned by the font's escapement).
  void TextOut(int x, int y, const QString& text);
  // Text clipped to r, over r filled with the brush unless the brush is clear.
  void TextRect(const TRect& r, int x, int y, const QString& text);
  // Text with options: ETO_CLIPPED clips it to r, ETO_OPAQUE fills r with the background colour.
  void ExtTextOut(int x, int y, unsigned options, const TRect& r, const QString& text);
  int TextWidth(const QString& text) const { return TextExtent(text).cx; }
  int TextHeight(const QString& text) const { return TextExtent(text).cy; }
  TSize TextExtent(const QString& text) const;
  TTextMetric TextMetrics() const;

  // Clipping (logical coordinates).
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void SelectClipRegion(const TRegion& region);
  void RemoveClipping();
  bool IsClipped() const { return clipped_; }
  TRect ClipBox() const;  // the clip region's bounds, or the device bounds

  // Save and restore tools, background, alignment, pen position, clipping and mapping.
  void SaveState();
  void RestoreState();  // nothing when nothing is saved

  // Logical coordinates: the window rectangle shows on the viewport rectangle of the device.
  void SetMapping(const TRect& window, const TRect& viewport);
  void ResetMapping();
  const TCanvasMapping& Mapping() const { return mapping_; }

  // Pictures: a bitmap or a metafile at its own size, or stretched.
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const TRect& dest, const TGraphic& graphic);
  void DrawImage(const TRect& dest, const QImage& image, const TRect& source, TCopyMode rop = cmSrcCopy);
  // Copies a part of an image-backed canvas (a bitmap's) with CopyMode.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

  // Plays recorded calls, their frame stretched onto dest; this canvas's state is kept.
  void Play(std::span<const TCanvasRecord> records, const TRect& frame, const TRect& dest);
  // Performs one recorded call in its recorded drawing state.
  void Execute(const TCanvasRecord& record);

  virtual int PixelsPerInch() const { return kScreenPixelsPerInch; }
  virtual TRect DeviceBounds() const { return {}; }
  virtual int BitsPerPixel() const { return 32; }
  // Resolution, size in pixels and millimetres, colour depth.
  int DeviceCaps(TDeviceCap cap) const;
  // The pixels behind an image-backed canvas, else nullptr.
  virtual const QImage* SourceImage() const { return nullptr; }

  // Told after every drawing call, whoever made it: a control showing this canvas's pixels
  // schedules its repaint here.
  std::function<void()> OnChange;

protected:
  // Draws one drawing call whose State is complete (clip and mapping included).
  virtual void Render(const TCanvasCall& call) = 0;
  // Told of every state call (clip, save, mapping) after it took effect.
  virtual void StateCall(const TCanvasCall&) {}
  virtual TColor ReadPixel(TPoint /*device*/) const { return clNone; }

private:
  struct TSaved;
  const TCanvasState& CurrentState() const;
  static const QString& NoText();
  static const QImage& NoImage();
  void Emit(TCanvasOp op, std::span<const TPoint> points, const QString& text = NoText(), std::uint32_t value = 0,
            const QImage& image = NoImage());
  void Emit(TCanvasOp op, std::initializer_list<TPoint> points, const QString& text = NoText(),
            std::uint32_t value = 0, const QImage& image = NoImage())
  {
    Emit(op, std::span<const TPoint>(points.begin(), points.size()), text, value, image);
  }
  // Emit for points known to lie within the coordinate limit.
  void EmitWithin(TCanvasOp op, std::span<const TPoint> points, const QString& text = NoText(),
                  std::uint32_t value = 0, const QImage& image = NoImage());
  void Notify(TCanvasOp op, std::span<const TPoint> points = {});
  void Notify(TCanvasOp op, std::initializer_list<TPoint> points)
  {
    Notify(op, std::span<const TPoint>(points.begin(), points.size()));
  }
  void SetClip(const TRegion& deviceRegion);
  void BrushChanged();

  TPen pen_;
  TBrush brush_;
  TFont font_;
  TBkMode bkMode_ = TBkMode::bmOpaque;
  TColor bkColor_ = clWhite;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  TCopyMode copyMode_ = cmSrcCopy;
  TPoint penPos_;
  bool clipped_ = false;
  TRegion clip_;
  TCanvasMapping mapping_;
  // While playing: the mapping and clip the played calls are put inside.
  TCanvasMapping playBase_;
  bool metaClipped_ = false;
  TRegion metaClip_;
  std::vector<TSaved> saved_;
  std::size_t playDepth_ = 0;  // saves below this level belong to the caller of Play
  // The state drawing calls carry, brought up to date when a call is made.
  mutable TCanvasState state_;
  mutable bool stateStale_ = true;
  // The Qt font and metrics of the font, for measuring text.
  mutable std::unique_ptr<TQtFontCache> measureFont_;
};

}  // namespace platform
