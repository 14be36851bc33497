#include "platform/CanvasImage.h"

#include "platform/CanvasLinePixels.h"
#include "platform/CanvasPolygonFill.h"
#include "platform/CanvasRasterOp.h"

#include <algorithm>

namespace platform {

namespace {

// The opaque pixel of a colour on 32-bit RGB.
QRgb RgbPixel(TColor color)
{
  const TColor rgb = ColorToRGB(color);
  return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool IsDirectFormat(QImage::Format format)
{
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied
         || format == QImage::Format_ARGB32;
}

}  // namespace

TImageCanvas::TImageCanvas(QImage& image) : image_(image) {}

TImageCanvas::~TImageCanvas()
{
  ReleasePainter();
}

void TImageCanvas::ReleasePainter()
{
  painter_.reset();
  paintedBits_ = nullptr;
}

// Keeps the image 32-bit and unshared; a painter begun on pixels that are shared or moved since
// is ended first, so drawing never reaches a copy.
bool TImageCanvas::PrepareImage()
{
  if (image_.isNull())
    return false;
  if (painter_ && (!image_.isDetached() || image_.constBits() != paintedBits_))
    ReleasePainter();
  if (!IsDirectFormat(image_.format())) {
    ReleasePainter();
    image_.convertTo(QImage::Format_RGB32);
  }
  return true;
}

QPainter* TImageCanvas::BeginPaint()
{
  if (!PrepareImage())
    return nullptr;
  if (!painter_) {
    painter_.emplace(&image_);
    paintedBits_ = image_.constBits();
  }
  return &*painter_;
}

const std::vector<TRect>& TImageCanvas::ClipRects(const TCanvasState& s)
{
  const TRect bounds = DeviceBounds();
  if (clipSeenSet_ == s.Clipped && boundsSeen_ == bounds && (!s.Clipped || clipSeen_ == s.Clip))
    return clipRects_;
  clipRects_.clear();
  if (!s.Clipped) {
    clipRects_.push_back(bounds);
  } else {
    for (const TRect& r : s.Clip.Rects()) {
      const TRect cut{std::max(r.Left, bounds.Left), std::max(r.Top, bounds.Top), std::min(r.Right, bounds.Right),
                      std::min(r.Bottom, bounds.Bottom)};
      if (!cut.IsEmpty())
        clipRects_.push_back(cut);
    }
    clipSeen_ = s.Clip;
  }
  clipSeenSet_ = s.Clipped;
  boundsSeen_ = bounds;
  return clipRects_;
}

void TImageCanvas::WriteThinLines(const TCanvasState& s, std::span<const TPoint> points, bool closed)
{
  if (!PrepareImage())
    return;
  const std::vector<TRect>& clip = ClipRects(s);
  if (clip.empty())
    return;
  const TRect bounds = DeviceBounds();
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const RasterOp2 op(s.Pen.Mode, s.Pen.Color);
  const std::span<const int> dashes = ThinDashPattern(s.Pen.Style);
  std::size_t part = 0;
  int left = dashes.empty() ? 0 : dashes[0];
  const bool oneRect = clip.size() == 1;
  const TRect only = clip[0];
  const auto put = [&](int x, int y) {
    if (!dashes.empty()) {
      const bool on = part % 2 == 0;
      if (--left == 0) {
        part = (part + 1) % dashes.size();
        left = dashes[part];
      }
      if (!on)
        return;
    }
    const TPoint p{x, y};
    if (oneRect ? !only.Contains(p) : std::none_of(clip.begin(), clip.end(), [p](const TRect& r) { return r.Contains(p); }))
      return;
    auto* pixel = reinterpret_cast<QRgb*>(bits + y * stride) + x;
    *pixel = op.Apply(*pixel);
  };
  // A solid line along a row or a column inside one clip rectangle: its pixels in one run.
  const TRect area{std::max(only.Left, bounds.Left), std::max(only.Top, bounds.Top),
                   std::min(only.Right, bounds.Right), std::min(only.Bottom, bounds.Bottom)};
  const auto straightRun = [&](TPoint a, TPoint b) {
    if (!dashes.empty() || !oneRect || (a.X != b.X && a.Y != b.Y) || a == b)
      return false;
    // The pixels from a up to b, b left out.
    const bool row = a.Y == b.Y;
    const int from = row ? a.X : a.Y;
    const int to = row ? b.X : b.Y;
    const int first = from < to ? from : to + 1;
    const int last = from < to ? to - 1 : from;
    const int at = row ? a.Y : a.X;
    if (at < (row ? area.Top : area.Left) || at >= (row ? area.Bottom : area.Right))
      return true;
    const int lo = std::max(first, row ? area.Left : area.Top);
    const int hi = std::min(last, (row ? area.Right : area.Bottom) - 1);
    for (int i = lo; i <= hi; ++i) {
      auto* pixel = row ? reinterpret_cast<QRgb*>(bits + at * stride) + i
                        : reinterpret_cast<QRgb*>(bits + i * stride) + at;
      *pixel = op.Apply(*pixel);
    }
    return true;
  };
  // A solid line with both ends inside the one clip rectangle lies inside it: no pixel is tested.
  const bool copy = s.Pen.Mode == TPenMode::pmCopy;
  const QRgb penPixel = op.Apply(0);
  const auto inside = [&](int x, int y) {
    auto* pixel = reinterpret_cast<QRgb*>(bits + y * stride) + x;
    *pixel = copy ? penPixel : op.Apply(*pixel);
  };
  const auto segment = [&](TPoint a, TPoint b) {
    if (straightRun(a, b))
      return;
    if (dashes.empty() && oneRect && area.Contains(a) && area.Contains(b))
      ForEachLinePixelBetweenEnds(a, b, inside);
    else
      ForEachLinePixel(a, b, bounds, put);
  };
  const TCanvasMapping& m = s.Mapping;
  const bool identity = m.IsIdentity();
  const auto device = [&](TPoint p) { return identity ? p : m.ToDevice(p); };
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    segment(device(points[i]), device(points[i + 1]));
  if (closed && points.size() > 2)
    segment(device(points.back()), device(points.front()));
}

void TImageCanvas::ThinLines(QPainter&, const TCanvasState& s, std::span<const TPoint> points, bool closed)
{
  WriteThinLines(s, points, closed);
}

bool TImageCanvas::FillSolid(const TCanvasState& s, const TRect& r)
{
  if (s.Brush.Style != TBrushStyle::bsSolid || !s.Brush.Pattern.isNull() || !s.Mapping.IsIdentity())
    return false;
  if (!PrepareImage())
    return true;
  const QRgb color = ColorToQColor(s.Brush.Color).rgb() | 0xFF000000u;
  const TRect n = r;  // an inverted rectangle fills nothing, as on the system
  uchar* bits = nullptr;
  for (const TRect& c : ClipRects(s)) {
    const TRect cut{std::max(n.Left, c.Left), std::max(n.Top, c.Top), std::min(n.Right, c.Right), std::min(n.Bottom, c.Bottom)};
    if (cut.IsEmpty())
      continue;
    if (!bits)
      bits = image_.bits();
    for (int y = cut.Top; y < cut.Bottom; ++y) {
      auto* line = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine());
      std::fill(line + cut.Left, line + cut.Right, color);
    }
  }
  return true;
}

// A small solid polygon with a clear or thin copying pen inside one clip rectangle: the interior
// by spans (as the painter fills it), then the outline as thin lines. A solid outline with every
// corner inside the rectangle is written in place: none of its pixels can fall outside.
bool TImageCanvas::FastPolygon(const TCanvasState& s, std::span<const TPoint> points)
{
  if (s.Brush.Style != TBrushStyle::bsSolid || !s.Brush.Pattern.isNull() || !s.Mapping.IsIdentity()
      || s.Pen.Mode != TPenMode::pmCopy || points.size() < 3 || points.size() > kMaxSpanFillPoints)
    return false;
  const bool outline = s.Pen.Style != TPenStyle::psClear;
  if (outline && !IsThin(s))
    return false;
  if (!PrepareImage())
    return false;
  const std::vector<TRect>& clip = ClipRects(s);
  if (clip.size() != 1)
    return false;
  const TRect area = clip[0];
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  if (!FillPolygonSpans(bits, stride, points, RgbPixel(s.Brush.Color), area))
    return false;
  if (!outline)
    return true;
  const bool inside = std::all_of(points.begin(), points.end(), [&area](TPoint p) { return area.Contains(p); });
  if (s.Pen.Style != TPenStyle::psSolid || !inside) {
    WriteThinLines(s, points, true);
    return true;
  }
  const QRgb pen = RgbPixel(s.Pen.Color);
  const auto put = [bits, stride, pen](int x, int y) { reinterpret_cast<QRgb*>(bits + y * stride)[x] = pen; };
  for (std::size_t i = 0; i < points.size(); ++i)
    ForEachLinePixelBetweenEnds(points[i], points[i + 1 < points.size() ? i + 1 : 0], put);
  return true;
}

void TImageCanvas::Render(const TCanvasCall& call)
{
  const TCanvasState& s = call.State;
  switch (call.Op) {
  case TCanvasOp::Polygon:
    if (FastPolygon(s, call.Points))
      return;
    break;
  case TCanvasOp::LineTo:
  case TCanvasOp::Polyline:
    if (IsThin(s)) {
      if (call.Op == TCanvasOp::LineTo && call.Points[0] == call.Points[1])
        return;
      WriteThinLines(s, call.Points, false);
      return;
    }
    break;
  case TCanvasOp::FillRect:
    if (FillSolid(s, call.RectAt(0)))
      return;
    break;
  case TCanvasOp::SetPixel:
    // Pixels are set exactly, without a painter, where no mapping is involved.
    if (s.Mapping.IsIdentity()) {
      const TPoint p = call.Points[0];
      if (!PrepareImage() || !image_.rect().contains(p.X, p.Y) || (s.Clipped && !s.Clip.Contains(p)))
        return;
      image_.setPixel(p.X, p.Y, ColorToQColor(call.Value).rgb());
      return;
    }
    break;
  case TCanvasOp::DrawImage:
    // A copy within the image reads the pixels as they were before it.
    if (call.Image.constBits() == image_.constBits()) {
      const QImage source = image_.copy();
      TPainterCanvas::Render(TCanvasCall{call.Op, call.Points, call.Text, source, call.Value, s});
      return;
    }
    break;
  default: break;
  }
  TPainterCanvas::Render(call);
}

TColor TImageCanvas::ReadPixel(TPoint device) const
{
  if (!image_.rect().contains(device.X, device.Y))
    return clNone;
  return FromQColor(QColor(image_.pixel(device.X, device.Y)));
}

}  // namespace platform
