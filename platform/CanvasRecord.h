#pragma once
// One canvas call as data: what the recording canvas keeps, what a metafile holds and what any
// canvas executes. A drawing call carries the full drawing state it was made in.

#include "platform/Brush.h"
#include "platform/CanvasRegion.h"
#include "platform/CanvasTypes.h"
#include "platform/Font.h"
#include "platform/Pen.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

enum class TBkMode { bmTransparent = 1, bmOpaque = 2 };

// Text alignment flags of TextOut.
inline constexpr unsigned TA_NOUPDATECP = 0;
inline constexpr unsigned TA_UPDATECP = 1;
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;

// Options of TextRect: clip the text to the rectangle, fill the rectangle with the background.
inline constexpr unsigned ETO_OPAQUE = 2;
inline constexpr unsigned ETO_CLIPPED = 4;

// Raster operations of bitmap copies and pattern fills.
using TCopyMode = std::uint32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmPatInvert = 0x005A0049;
inline constexpr TCopyMode cmPatPaint = 0x00FB0A09;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

// Logical to device coordinates: device = logical * scale + offset, per axis.
struct TCanvasMapping {
  double ScaleX = 1;
  double ScaleY = 1;
  double OffsetX = 0;
  double OffsetY = 0;
  bool IsIdentity() const { return ScaleX == 1 && ScaleY == 1 && OffsetX == 0 && OffsetY == 0; }
  // This mapping applied after `inner`.
  TCanvasMapping After(const TCanvasMapping& inner) const;
  // Window (logical) rectangle onto viewport (device) rectangle.
  static TCanvasMapping FromRects(const TRect& window, const TRect& viewport);
  TPoint ToDevice(TPoint p) const;
  TRect ToDevice(const TRect& r) const;
  friend bool operator==(const TCanvasMapping&, const TCanvasMapping&) = default;
};

// What a drawing call is drawn with.
struct TCanvasState {
  TPenData Pen;
  TBrushData Brush;
  TFontData Font;
  TBkMode BkMode = TBkMode::bmOpaque;
  TColor BkColor = clWhite;
  unsigned TextAlign = TA_LEFT | TA_TOP;
  bool Clipped = false;
  TRegion Clip;  // device coordinates, when Clipped
  TCanvasMapping Mapping;
};

enum class TCanvasOp {
  // drawing
  LineTo, Polyline, Polygon, Rectangle, Ellipse, RoundRect, Arc, Pie, Chord, FillRect, FrameRect,
  FocusRect, SetPixel, TextOut, DrawImage, PatBlt,
  // state
  MoveTo, SetClipRect, IntersectClipRect, SelectClipRegion, RemoveClipping, SaveState, RestoreState,
  SetMapping, ResetMapping
};

// Points by op: LineTo {from, to}; Polyline, Polygon: the points; Rectangle, Ellipse, FillRect,
// FrameRect, FocusRect, PatBlt, SetClipRect, IntersectClipRect: {top-left, bottom-right};
// RoundRect: + {corner width, height}; Arc, Pie, Chord: + {start, end}; SetPixel {p};
// TextOut {p} or {p, rect top-left, rect bottom-right}; DrawImage {dest TL, dest BR, src TL,
// src BR}; MoveTo {p}; SelectClipRegion: the corners of its rectangles; SetMapping {window TL,
// window BR, viewport TL, viewport BR}.
struct TCanvasRecord {
  TCanvasOp Op = TCanvasOp::LineTo;
  std::vector<TPoint> Points;
  QString Text;
  QImage Image;
  std::uint32_t Value = 0;  // SetPixel colour, DrawImage/PatBlt raster op, TextOut options
  TCanvasState State;       // drawing ops only

  TRect RectAt(std::size_t i) const { return {Points[i].X, Points[i].Y, Points[i + 1].X, Points[i + 1].Y}; }
  bool IsDrawing() const { return Op < TCanvasOp::MoveTo; }
  // "Rectangle(0,0,10,10)", "TextOut(5,5,\"abc\")": the call as a test reads it.
  std::string ToString() const;
};

// One call as a back end receives it: views of the canvas's points and state, valid for the call only.
// Back ends that draw at once read it in place; recording back ends copy it into a record.
struct TCanvasCall {
  TCanvasOp Op;
  std::span<const TPoint> Points;
  const QString& Text;
  const QImage& Image;
  std::uint32_t Value;
  const TCanvasState& State;

  TRect RectAt(std::size_t i) const { return {Points[i].X, Points[i].Y, Points[i + 1].X, Points[i + 1].Y}; }
  TCanvasRecord ToRecord() const;
};

const char* CanvasOpName(TCanvasOp op);

}  // namespace platform
