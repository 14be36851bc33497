#include "platform/CanvasPainter.h"

#include "platform/CanvasLinePixels.h"
#include "platform/PenRules.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <array>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

QPoint Q(TPoint p) { return {p.X, p.Y}; }

QPolygon Poly(std::span<const TPoint> points)
{
  QPolygon poly;
  poly.reserve(int(points.size()));
  for (const TPoint& p : points)
    poly << Q(p);
  return poly;
}

bool PenVisible(const TPenData& pen)
{
  return pen.Style != TPenStyle::psClear && pen.Mode != TPenMode::pmNop;
}

bool BrushVisible(const TBrushData& brush)
{
  return brush.Style != TBrushStyle::bsClear || !brush.Pattern.isNull();
}

bool IsHatch(const TBrushData& brush)
{
  return brush.Pattern.isNull() && brush.Style != TBrushStyle::bsSolid && brush.Style != TBrushStyle::bsClear;
}

QPainter::CompositionMode PenComposition(TPenMode mode, bool rasterOps)
{
  if (!rasterOps)
    return QPainter::CompositionMode_SourceOver;
  switch (mode) {
  case TPenMode::pmNotCopy: return QPainter::RasterOp_NotSource;
  case TPenMode::pmXor: return QPainter::RasterOp_SourceXorDestination;
  case TPenMode::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
  case TPenMode::pmMask: return QPainter::RasterOp_SourceAndDestination;
  case TPenMode::pmMerge: return QPainter::RasterOp_SourceOrDestination;
  case TPenMode::pmNot: return QPainter::RasterOp_NotDestination;
  case TPenMode::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
  case TPenMode::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
  case TPenMode::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
  case TPenMode::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
  case TPenMode::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
  case TPenMode::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
  default: return QPainter::CompositionMode_SourceOver;
  }
}

QColor ModeColor(TColor color, TPenMode mode)
{
  if (mode == TPenMode::pmBlack)
    return Qt::black;
  if (mode == TPenMode::pmWhite)
    return Qt::white;
  return ColorToQColor(color);
}

QPen MakePen(const TPenData& pen)
{
  if (!PenVisible(pen))
    return Qt::NoPen;
  QPen q(ModeColor(pen.Color, pen.Mode));
  if (pen.Width > 1) {
    q.setWidth(pen.Width);
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    return q;
  }
  q.setWidth(pen.Width);  // 0: one device pixel; 1: one logical unit
  q.setCapStyle(Qt::FlatCap);
  q.setJoinStyle(Qt::MiterJoin);
  switch (pen.Style) {
  case TPenStyle::psDash: q.setDashPattern({18, 6}); break;
  case TPenStyle::psDot: q.setDashPattern({3, 3}); break;
  case TPenStyle::psDashDot: q.setDashPattern({9, 6, 3, 6}); break;
  case TPenStyle::psDashDotDot: q.setDashPattern({9, 3, 3, 3, 3, 3}); break;
  case TPenStyle::psAlternate: q.setDashPattern({1, 1}); break;
  default: break;
  }
  return q;
}

QBrush MakeBrush(const TBrushData& brush, TPenMode mode = TPenMode::pmCopy)
{
  if (!brush.Pattern.isNull())
    return QBrush(brush.Pattern);
  const QColor c = ModeColor(brush.Color, mode);
  switch (brush.Style) {
  case TBrushStyle::bsClear: return Qt::NoBrush;
  case TBrushStyle::bsHorizontal: return QBrush(c, Qt::HorPattern);
  case TBrushStyle::bsVertical: return QBrush(c, Qt::VerPattern);
  case TBrushStyle::bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
  case TBrushStyle::bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
  case TBrushStyle::bsCross: return QBrush(c, Qt::CrossPattern);
  case TBrushStyle::bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
  default: return QBrush(c);
  }
}

QPainter::CompositionMode CopyComposition(TCopyMode rop, bool rasterOps)
{
  if (!rasterOps)
    return QPainter::CompositionMode_SourceOver;
  switch (rop) {
  case cmSrcInvert: return QPainter::RasterOp_SourceXorDestination;
  case cmSrcAnd: return QPainter::RasterOp_SourceAndDestination;
  case cmSrcPaint: return QPainter::RasterOp_SourceOrDestination;
  case cmNotSrcCopy: return QPainter::RasterOp_NotSource;
  case cmSrcErase: return QPainter::RasterOp_SourceAndNotDestination;
  case cmNotSrcErase: return QPainter::RasterOp_NotSourceAndNotDestination;
  case cmMergePaint: return QPainter::RasterOp_NotSourceOrDestination;
  default: return QPainter::CompositionMode_SourceOver;
  }
}

// Box of a shape call, normalised, as the Qt rectangle whose outline runs on its edge pixels.
QRect OutlineBox(const TRect& box)
{
  const TRect n = box.Normalized();
  return QRect(n.Left, n.Top, n.Width() - 1, n.Height() - 1);
}

// Parametric angle in 1/16 degree of the radial through p, for Qt's arcs.
int ArcAngle(const QRectF& box, TPoint p)
{
  const double rx = box.width() / 2;
  const double ry = box.height() / 2;
  const double a = std::atan2(-(p.Y - box.center().y()) / ry, (p.X - box.center().x()) / rx);
  return int(std::lround(a * 180 / std::numbers::pi * 16));
}

}  // namespace

void TPainterCanvas::ThinLines(QPainter& p, const TCanvasState& s, std::span<const TPoint> points, bool closed)
{
  QPolygon pixels;
  const TCanvasMapping& m = s.Mapping;
  const TRect bounds{0, 0, p.device()->width(), p.device()->height()};
  const auto add = [&pixels](int x, int y) { pixels << QPoint(x, y); };
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    ForEachLinePixel(m.ToDevice(points[i]), m.ToDevice(points[i + 1]), bounds, add);
  if (closed && points.size() > 2)
    ForEachLinePixel(m.ToDevice(points.back()), m.ToDevice(points.front()), bounds, add);
  const std::span<const int> dashes = ThinDashPattern(s.Pen.Style);
  if (!dashes.empty()) {
    QPolygon dashed;
    std::size_t part = 0;
    int left = dashes[0];
    for (const QPoint& q : pixels) {
      if (part % 2 == 0)
        dashed << q;
      if (--left == 0) {
        part = (part + 1) % dashes.size();
        left = dashes[part];
      }
    }
    pixels.swap(dashed);
  }
  p.setWorldTransform(QTransform());
  p.setCompositionMode(PenComposition(s.Pen.Mode, HasRasterOps()));
  p.setPen(QPen(ModeColor(s.Pen.Color, s.Pen.Mode), 0));
  p.drawPoints(pixels);
}

bool TPainterCanvas::IsThin(const TCanvasState& s) const
{
  if (!HasRasterOps() || !PenVisible(s.Pen))
    return false;
  return s.Pen.Width == 0 || (s.Pen.Width == 1 && std::abs(s.Mapping.ScaleX) <= 1 && std::abs(s.Mapping.ScaleY) <= 1);
}

namespace {

// Pen modes on a page without raster operations come out as on white paper.
bool UsesPenMode(TCanvasOp op)
{
  return op == TCanvasOp::LineTo || op == TCanvasOp::Polyline || op == TCanvasOp::Polygon || IsBoxFigure(op);
}

}  // namespace

void TPainterCanvas::Render(const TCanvasCall& record)
{
  if (!HasRasterOps() && UsesPenMode(record.Op) && record.State.Pen.Mode != TPenMode::pmCopy) {
    const TCanvasState paper = OnWhitePaper(record.State);
    Render(TCanvasCall{record.Op, record.Points, record.Text, record.Image, record.Value, paper});
    return;
  }
  if (IsBoxFigure(record.Op)) {
    const TRect box = InsideFrameBox(record.RectAt(0), record.State.Pen);
    if (box != record.RectAt(0)) {
      std::vector<TPoint> points(record.Points.begin(), record.Points.end());
      points[0] = {box.Left, box.Top};
      points[1] = {box.Right, box.Bottom};
      TCanvasState solid = record.State;
      solid.Pen.Style = TPenStyle::psSolid;
      Render(TCanvasCall{record.Op, points, record.Text, record.Image, record.Value, solid});
      return;
    }
  }
  QPainter* p = BeginPaint();
  if (!p)
    return;
  // The font is given outside the saved state, so the painter keeps it for the next text.
  if (record.Op == TCanvasOp::TextOut)
    SelectFont(*p, record.State.Font);
  p->save();
  p->setRenderHint(QPainter::Antialiasing, false);
  p->setRenderHint(QPainter::TextAntialiasing, false);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  const TCanvasState& s = record.State;
  if (s.Clipped)
    p->setClipRegion(s.Clip.Qt());
  if (!s.Mapping.IsIdentity())
    p->setTransform(QTransform(s.Mapping.ScaleX, 0, 0, s.Mapping.ScaleY, s.Mapping.OffsetX, s.Mapping.OffsetY), true);
  RenderOn(*p, record);
  p->restore();
  EndPaint();
}

void TPainterCanvas::Shape(QPainter& p, const TCanvasState& s, bool fill, const auto& draw) const
{
  const QPainter::CompositionMode mode = PenComposition(s.Pen.Mode, HasRasterOps());
  if (fill && BrushVisible(s.Brush) && s.Pen.Mode != TPenMode::pmNop) {
    p.setPen(Qt::NoPen);
    if (IsHatch(s.Brush) && s.BkMode == TBkMode::bmOpaque) {
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.setBrush(ColorToQColor(s.BkColor));
      draw(true);
    }
    p.setCompositionMode(mode);
    p.setBrush(MakeBrush(s.Brush, s.Pen.Mode));
    draw(true);
  }
  if (PenVisible(s.Pen)) {
    p.setCompositionMode(mode);
    p.setBrush(Qt::NoBrush);
    p.setPen(MakePen(s.Pen));
    draw(false);
  }
}

void TPainterCanvas::Fill(QPainter& p, const TCanvasState& s, const TRect& r) const
{
  if (r.IsEmpty() || !BrushVisible(s.Brush))
    return;
  const QRect q(r.Left, r.Top, r.Width(), r.Height());
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (IsHatch(s.Brush) && s.BkMode == TBkMode::bmOpaque)
    p.fillRect(q, ColorToQColor(s.BkColor));
  p.fillRect(q, MakeBrush(s.Brush));
}

void TPainterCanvas::FocusRect(QPainter& p, const TRect& box) const
{
  if (!HasRasterOps())
    return;
  const TRect r = box.Normalized();
  if (r.IsEmpty())
    return;
  QPolygon dots;
  const auto dot = [&dots](int x, int y) {
    if (((x + y) & 1) == 0)
      dots << QPoint(x, y);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    dot(x, r.Top);
    if (r.Bottom - 1 > r.Top)
      dot(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    if (r.Right - 1 > r.Left)
      dot(r.Right - 1, y);
  }
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(Qt::white, 0));
  p.drawPoints(dots);
}

const TQtFontCache::TEntry& TPainterCanvas::SelectFont(QPainter& p, const TFontData& data)
{
  const TQtFontCache::TEntry& f = fonts_.For(data);
  if (!fontGiven_ || !fontTaken_ || !(*fontGiven_ == f.Font) || !(p.font() == *fontTaken_)) {
    p.setFont(f.Font);
    fontGiven_ = f.Font;
    fontTaken_ = p.font();
  }
  return f;
}

void TPainterCanvas::Text(QPainter& p, const TCanvasCall& r)
{
  const TCanvasState& s = r.State;
  const TQtFontCache::TEntry& f = SelectFont(p, s.Font);
  const QString text = IsSymbolFont(s.Font) ? SymbolToUnicode(r.Text) : r.Text;
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (r.Points.size() >= 3) {
    const TRect box = r.RectAt(1);
    const QRect q(box.Left, box.Top, box.Width(), box.Height());
    if (r.Value & ETO_OPAQUE)
      p.fillRect(q, ColorToQColor(s.BkColor));
    if (r.Value & ETO_CLIPPED)
      p.setClipRect(q, Qt::IntersectClip);
  }
  if (text.isEmpty())
    return;
  const bool opaque = s.BkMode == TBkMode::bmOpaque;
  const unsigned horizontal = s.TextAlign & TA_CENTER;
  // The width only where the placement or the background needs it: measuring costs a layout.
  const int width = opaque || horizontal != TA_LEFT ? f.Metrics.horizontalAdvance(text) : 0;
  const int ascent = f.Ascent;
  const int descent = f.Descent;
  int dx = 0;
  switch (horizontal) {
  case TA_RIGHT: dx = -width; break;
  case TA_CENTER: dx = -width / 2; break;
  default: break;
  }
  int baseline = ascent;
  if ((s.TextAlign & TA_BASELINE) == TA_BASELINE)
    baseline = 0;
  else if (s.TextAlign & TA_BOTTOM)
    baseline = -descent;
  if (s.Font.Escapement != 0) {
    p.translate(r.Points[0].X, r.Points[0].Y);
    p.rotate(-s.Font.Escapement / 10.0);
  } else {
    dx += r.Points[0].X;
    baseline += r.Points[0].Y;
  }
  if (opaque)
    p.fillRect(QRect(dx, baseline - ascent, width, ascent + descent), ColorToQColor(s.BkColor));
  p.setPen(ColorToQColor(s.Font.Color));
  p.drawText(QPoint(dx, baseline), text);
}

void TPainterCanvas::RenderOn(QPainter& p, const TCanvasCall& r)
{
  const TCanvasState& s = r.State;
  const bool raster = HasRasterOps();
  switch (r.Op) {
  case TCanvasOp::LineTo:
    if (r.Points[0] == r.Points[1] || !PenVisible(s.Pen))
      return;
    if (IsThin(s)) {
      ThinLines(p, s, r.Points, false);
      return;
    }
    p.setCompositionMode(PenComposition(s.Pen.Mode, raster));
    p.setPen(MakePen(s.Pen));
    p.drawLine(Q(r.Points[0]), Q(r.Points[1]));
    return;
  case TCanvasOp::Polyline:
    if (!PenVisible(s.Pen))
      return;
    if (IsThin(s)) {
      ThinLines(p, s, r.Points, false);
      return;
    }
    p.setCompositionMode(PenComposition(s.Pen.Mode, raster));
    p.setPen(MakePen(s.Pen));
    p.drawPolyline(Poly(r.Points));
    return;
  case TCanvasOp::Polygon: {
    const QPolygon poly = Poly(r.Points);
    Shape(p, s, true, [&](bool filling) {
      if (filling || !IsThin(s))
        p.drawPolygon(poly, Qt::OddEvenFill);
      else
        ThinLines(p, s, r.Points, true);
    });
    return;
  }
  case TCanvasOp::Rectangle: {
    const TRect n = r.RectAt(0).Normalized();
    if (n.IsEmpty())
      return;
    const QRect outline = OutlineBox(n);
    // The interior leaves the outline pixels alone, so inverting pens invert each pixel once.
    const QRect interior = PenVisible(s.Pen) ? QRect(n.Left + 1, n.Top + 1, n.Width() - 2, n.Height() - 2) : outline;
    Shape(p, s, true, [&](bool filling) {
      if (filling) {
        if (interior.width() > 0 && interior.height() > 0)
          p.drawRect(interior);
      } else if (IsThin(s) && n.Width() > 1 && n.Height() > 1) {
        const std::array<TPoint, 4> corners{{{n.Left, n.Top}, {n.Right - 1, n.Top}, {n.Right - 1, n.Bottom - 1}, {n.Left, n.Bottom - 1}}};
        ThinLines(p, s, corners, true);
      } else {
        p.drawRect(outline);
      }
    });
    return;
  }
  case TCanvasOp::Ellipse: {
    const QRect box = OutlineBox(r.RectAt(0));
    Shape(p, s, true, [&](bool) { p.drawEllipse(box); });
    return;
  }
  case TCanvasOp::RoundRect: {
    const QRect box = OutlineBox(r.RectAt(0));
    const double rx = std::abs(r.Points[2].X) / 2.0;
    const double ry = std::abs(r.Points[2].Y) / 2.0;
    Shape(p, s, true, [&](bool) { p.drawRoundedRect(box, rx, ry, Qt::AbsoluteSize); });
    return;
  }
  case TCanvasOp::Arc:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord: {
    const QRect box = OutlineBox(r.RectAt(0));
    if (box.width() <= 0 || box.height() <= 0)
      return;
    const int start = ArcAngle(QRectF(box), r.Points[2]);
    int span = ArcAngle(QRectF(box), r.Points[3]) - start;
    while (span <= 0)
      span += 360 * 16;
    if (r.Op == TCanvasOp::Arc)
      Shape(p, s, false, [&](bool) { p.drawArc(box, start, span); });
    else if (r.Op == TCanvasOp::Pie)
      Shape(p, s, true, [&](bool) { p.drawPie(box, start, span); });
    else
      Shape(p, s, true, [&](bool) { p.drawChord(box, start, span); });
    return;
  }
  case TCanvasOp::FillRect: Fill(p, s, r.RectAt(0)); return;
  case TCanvasOp::FrameRect: {
    const TRect b = r.RectAt(0);
    if (b.IsEmpty())
      return;
    Fill(p, s, {b.Left, b.Top, b.Right, b.Top + 1});
    Fill(p, s, {b.Left, b.Bottom - 1, b.Right, b.Bottom});
    Fill(p, s, {b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1});
    Fill(p, s, {b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1});
    return;
  }
  case TCanvasOp::FocusRect: FocusRect(p, r.RectAt(0)); return;
  case TCanvasOp::SetPixel:
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(QRect(r.Points[0].X, r.Points[0].Y, 1, 1), ColorToQColor(r.Value));
    return;
  case TCanvasOp::TextOut: Text(p, r); return;
  case TCanvasOp::DrawImage: {
    const TRect d = r.RectAt(0);
    const TRect src = r.RectAt(2);
    const QRect from(src.Left, src.Top, src.Width(), src.Height());
    const QRect to(d.Left, d.Top, d.Width(), d.Height());
    if (r.Value == cmMergeCopy) {
      // Source and brush: the white pixels take the brush colour, the black ones stay.
      QImage merged = r.Image.copy(from).convertToFormat(QImage::Format_RGB32);
      const QRgb brush = ColorToQColor(s.Brush.Color).rgb();
      for (int y = 0; y < merged.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(merged.scanLine(y));
        for (int x = 0; x < merged.width(); ++x)
          line[x] &= brush;
      }
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.drawImage(to, merged);
      return;
    }
    p.setCompositionMode(CopyComposition(r.Value, raster));
    p.drawImage(to, r.Image, from);
    return;
  }
  case TCanvasOp::PatBlt: {
    const TRect b = r.RectAt(0).Normalized();
    const QRect q(b.Left, b.Top, b.Width(), b.Height());
    switch (r.Value) {
    case cmBlackness: p.fillRect(q, Qt::black); return;
    case cmWhiteness: p.fillRect(q, Qt::white); return;
    case cmDstInvert:
      if (!raster)
        return;
      p.setCompositionMode(QPainter::RasterOp_NotDestination);
      p.fillRect(q, Qt::white);
      return;
    case cmPatInvert:
      if (!raster)
        return;
      p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      p.fillRect(q, MakeBrush(s.Brush));
      return;
    default: Fill(p, s, b); return;
    }
  }
  default: return;
  }
}

}  // namespace platform
