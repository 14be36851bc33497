#include "platform/Canvas.h"

#include "platform/CanvasClip.h"
#include "platform/CanvasRounding.h"
#include "platform/FontCache.h"
#include "platform/Picture.h"


namespace platform {

struct TCanvas::TSaved {
  TPenData Pen;
  TBrushData Brush;
  TFontData Font;
  TBkMode BkMode;
  TColor BkColor;
  unsigned TextAlign;
  TCopyMode CopyMode;
  TPoint PenPos;
  bool Clipped;
  TRegion Clip;
  TCanvasMapping Mapping;
  TCanvasMapping PlayBase;
  bool MetaClipped;
  TRegion MetaClip;
};

TCanvas::TCanvas()
    : measureFont_(std::make_unique<TQtFontCache>())
{
  brush_.OnChange = [this] { BrushChanged(); };
}

TCanvas::~TCanvas() = default;

void TCanvas::BrushChanged()
{
  if (brush_.Style() == TBrushStyle::bsSolid && !brush_.HasBitmap()) {
    bkMode_ = TBkMode::bmOpaque;
    bkColor_ = brush_.Color();
  } else {
    bkMode_ = TBkMode::bmTransparent;
  }
  stateStale_ = true;
}

const TCanvasState& TCanvas::CurrentState() const
{
  // Pen, brush and font are compared (their change handlers belong to the canvas's users); the
  // rest changes only through the canvas, which marks it stale.
  if (!(state_.Pen == pen_.Data()))
    state_.Pen = pen_.Data();
  if (!(state_.Brush == brush_.Data()))
    state_.Brush = brush_.Data();
  if (!(state_.Font == font_.Data()))
    state_.Font = font_.Data();
  if (stateStale_) {
    state_.BkMode = bkMode_;
    state_.BkColor = bkColor_;
    state_.TextAlign = textAlign_;
    state_.Clipped = clipped_;
    state_.Clip = clip_;
    state_.Mapping = mapping_;
    stateStale_ = false;
  }
  return state_;
}

const QString& TCanvas::NoText()
{
  static const QString none;
  return none;
}

const QImage& TCanvas::NoImage()
{
  static const QImage none;
  return none;
}

void TCanvas::Emit(TCanvasOp op, std::span<const TPoint> points, const QString& text, std::uint32_t value,
                   const QImage& image)
{
  if (!AnyFarOut(points)) {
    EmitWithin(op, points, text, value, image);
    return;
  }
  std::vector<TPoint> kept(points.begin(), points.end());
  for (TPoint& p : kept)
    p = {ClampCoord(p.X), ClampCoord(p.Y)};
  EmitWithin(op, kept, text, value, image);
}

void TCanvas::EmitWithin(TCanvasOp op, std::span<const TPoint> points, const QString& text, std::uint32_t value,
                         const QImage& image)
{
  Render(TCanvasCall{op, points, text, image, value, CurrentState()});
  if (OnChange)
    OnChange();
}

void TCanvas::Notify(TCanvasOp op, std::span<const TPoint> points)
{
  static const TCanvasState kNoState;
  StateCall(TCanvasCall{op, points, NoText(), NoImage(), 0, kNoState});
}

void TCanvas::MoveTo(int x, int y)
{
  penPos_ = {x, y};
  Notify(TCanvasOp::MoveTo, {penPos_});
}

void TCanvas::LineTo(int x, int y)
{
  TPoint from = penPos_;
  penPos_ = {x, y};
  TPoint to = penPos_;
  if (ClipSegmentToLimit(from, to))
    Emit(TCanvasOp::LineTo, {from, to});
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
  if (points.size() < 2)
    return;
  if (!AnyFarOut(points)) {
    EmitWithin(TCanvasOp::Polyline, points);
    return;
  }
  for (const std::vector<TPoint>& run : ClipPolylineToLimit(points))
    Emit(TCanvasOp::Polyline, run);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
  if (points.size() < 2)
    return;
  if (!AnyFarOut(points)) {
    EmitWithin(TCanvasOp::Polygon, points);
    return;
  }
  const std::vector<TPoint> cut = ClipPolygonToLimit(points);
  if (cut.size() >= 2)
    Emit(TCanvasOp::Polygon, cut);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
  Emit(TCanvasOp::Rectangle, {{left, top}, {right, bottom}});
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
  Emit(TCanvasOp::Ellipse, {{left, top}, {right, bottom}});
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
  Emit(TCanvasOp::RoundRect, {{left, top}, {right, bottom}, {cornerWidth, cornerHeight}});
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  Emit(TCanvasOp::Arc, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  Emit(TCanvasOp::Pie, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  Emit(TCanvasOp::Chord, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}

void TCanvas::FillRect(const TRect& r)
{
  Emit(TCanvasOp::FillRect, {{r.Left, r.Top}, {r.Right, r.Bottom}});
}

void TCanvas::FrameRect(const TRect& r)
{
  Emit(TCanvasOp::FrameRect, {{r.Left, r.Top}, {r.Right, r.Bottom}});
}

void TCanvas::DrawFocusRect(const TRect& r)
{
  Emit(TCanvasOp::FocusRect, {{r.Left, r.Top}, {r.Right, r.Bottom}});
}

void TCanvas::PatBlt(const TRect& r, TCopyMode rop)
{
  Emit(TCanvasOp::PatBlt, {{r.Left, r.Top}, {r.Right, r.Bottom}}, {}, rop);
}

TColor TCanvas::Pixel(int x, int y) const
{
  const TPoint d = mapping_.ToDevice(TPoint{x, y});
  if (clipped_ && !clip_.Contains(d))
    return clNone;
  return ReadPixel(d);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
  Emit(TCanvasOp::SetPixel, {{x, y}}, {}, color);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
  if (!(textAlign_ & TA_UPDATECP)) {
    Emit(TCanvasOp::TextOut, {{x, y}}, text);
    return;
  }
  const TPoint at = penPos_;
  Emit(TCanvasOp::TextOut, {at}, text);
  if ((textAlign_ & TA_CENTER) == TA_LEFT)
    penPos_.X += TextWidth(text);
  else if ((textAlign_ & TA_CENTER) == TA_RIGHT)
    penPos_.X -= TextWidth(text);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
  const bool opaque = brush_.Style() != TBrushStyle::bsClear || brush_.HasBitmap();
  ExtTextOut(x, y, ETO_CLIPPED | (opaque ? ETO_OPAQUE : 0), r, text);
}

void TCanvas::ExtTextOut(int x, int y, unsigned options, const TRect& r, const QString& text)
{
  Emit(TCanvasOp::TextOut, {{x, y}, {r.Left, r.Top}, {r.Right, r.Bottom}}, text, options);
}

TSize TCanvas::TextExtent(const QString& text) const
{
  const TQtFontCache::TEntry& f = measureFont_->For(font_.Data());
  const QString shown = IsSymbolFont(font_.Data()) ? SymbolToUnicode(text) : text;
  return {f.Metrics.horizontalAdvance(shown), f.Ascent + f.Descent};
}

TTextMetric TCanvas::TextMetrics() const
{
  const TQtFontCache::TEntry& f = measureFont_->For(font_.Data());
  TTextMetric t;
  t.Ascent = f.Ascent;
  t.Descent = f.Descent;
  t.Height = t.Ascent + t.Descent;
  t.InternalLeading = std::max(0, t.Height - f.Font.pixelSize());
  t.ExternalLeading = std::max(0, f.Metrics.leading());
  t.AveCharWidth = f.Metrics.averageCharWidth();
  t.MaxCharWidth = f.Metrics.maxWidth();
  return t;
}

void TCanvas::SetClip(const TRegion& deviceRegion)
{
  clip_ = deviceRegion;
  if (metaClipped_)
    clip_.Combine(metaClip_, TRegionCombine::And);
  clipped_ = true;
  stateStale_ = true;
}

void TCanvas::SetClipRect(const TRect& r)
{
  SetClip(TRegion(mapping_.ToDevice(r)));
  Notify(TCanvasOp::SetClipRect, {{r.Left, r.Top}, {r.Right, r.Bottom}});
}

void TCanvas::IntersectClipRect(const TRect& r)
{
  TRegion region(mapping_.ToDevice(r));
  if (clipped_)
    region.Combine(clip_, TRegionCombine::And);
  SetClip(region);
  Notify(TCanvasOp::IntersectClipRect, {{r.Left, r.Top}, {r.Right, r.Bottom}});
}

void TCanvas::SelectClipRegion(const TRegion& region)
{
  std::vector<TPoint> corners;
  TRegion device;
  for (const TRect& r : region.Rects()) {
    corners.push_back({r.Left, r.Top});
    corners.push_back({r.Right, r.Bottom});
    device.Combine(TRegion(mapping_.ToDevice(r)), TRegionCombine::Or);
  }
  SetClip(device);
  Notify(TCanvasOp::SelectClipRegion, std::move(corners));
}

void TCanvas::RemoveClipping()
{
  clipped_ = metaClipped_;
  clip_ = metaClip_;
  stateStale_ = true;
  Notify(TCanvasOp::RemoveClipping);
}

TRect TCanvas::ClipBox() const
{
  const TRect device = clipped_ ? clip_.BoundingBox() : DeviceBounds();
  if (mapping_.IsIdentity())
    return device;
  // Back to logical coordinates.
  const auto back = [](int v, double scale, double offset) {
    return scale == 0 ? 0 : ToPixel((v - offset) / scale);
  };
  return TRect{back(device.Left, mapping_.ScaleX, mapping_.OffsetX), back(device.Top, mapping_.ScaleY, mapping_.OffsetY),
               back(device.Right, mapping_.ScaleX, mapping_.OffsetX), back(device.Bottom, mapping_.ScaleY, mapping_.OffsetY)}
      .Normalized();
}

void TCanvas::SaveState()
{
  saved_.push_back({pen_.Data(), brush_.Data(), font_.Data(), bkMode_, bkColor_, textAlign_, copyMode_, penPos_,
                    clipped_, clip_, mapping_, playBase_, metaClipped_, metaClip_});
  Notify(TCanvasOp::SaveState);
}

void TCanvas::RestoreState()
{
  if (saved_.empty() || saved_.size() <= playDepth_)
    return;
  const TSaved s = std::move(saved_.back());
  saved_.pop_back();
  pen_.SetData(s.Pen);
  brush_.SetData(s.Brush);
  font_.SetData(s.Font);
  bkMode_ = s.BkMode;
  bkColor_ = s.BkColor;
  textAlign_ = s.TextAlign;
  copyMode_ = s.CopyMode;
  penPos_ = s.PenPos;
  clipped_ = s.Clipped;
  clip_ = s.Clip;
  mapping_ = s.Mapping;
  playBase_ = s.PlayBase;
  metaClipped_ = s.MetaClipped;
  metaClip_ = s.MetaClip;
  stateStale_ = true;
  Notify(TCanvasOp::RestoreState);
}

void TCanvas::SetMapping(const TRect& window, const TRect& viewport)
{
  mapping_ = playBase_.After(TCanvasMapping::FromRects(window, viewport));
  stateStale_ = true;
  Notify(TCanvasOp::SetMapping, {{window.Left, window.Top}, {window.Right, window.Bottom},
                                 {viewport.Left, viewport.Top}, {viewport.Right, viewport.Bottom}});
}

void TCanvas::ResetMapping()
{
  mapping_ = playBase_;
  stateStale_ = true;
  Notify(TCanvasOp::ResetMapping);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
  if (graphic.Empty())
    return;
  StretchDraw(Bounds(x, y, graphic.Width(), graphic.Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& dest, const TGraphic& graphic)
{
  if (!graphic.Empty())
    graphic.DrawOn(*this, dest);
}

void TCanvas::DrawImage(const TRect& dest, const QImage& image, const TRect& source, TCopyMode rop)
{
  if (image.isNull())
    return;
  Emit(TCanvasOp::DrawImage, {{dest.Left, dest.Top}, {dest.Right, dest.Bottom}, {source.Left, source.Top},
                              {source.Right, source.Bottom}},
       {}, rop, image);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
  if (const QImage* image = source.SourceImage())
    DrawImage(dest, *image, sourceRect, copyMode_);
}

int TCanvas::DeviceCaps(TDeviceCap cap) const
{
  const TRect bounds = DeviceBounds();
  switch (cap) {
  case TDeviceCap::LogPixelsX:
  case TDeviceCap::LogPixelsY: return PixelsPerInch();
  case TDeviceCap::HorzRes: return bounds.Width();
  case TDeviceCap::VertRes: return bounds.Height();
  case TDeviceCap::HorzSize: return MulDiv(bounds.Width(), 254, PixelsPerInch() * 10);
  case TDeviceCap::VertSize: return MulDiv(bounds.Height(), 254, PixelsPerInch() * 10);
  case TDeviceCap::BitsPixel: return BitsPerPixel();
  case TDeviceCap::Planes: return 1;
  }
  return 0;
}

void TCanvas::Play(std::span<const TCanvasRecord> records, const TRect& frame, const TRect& dest)
{
  SaveState();
  const std::size_t outerDepth = playDepth_;
  playDepth_ = saved_.size();
  playBase_ = mapping_.After(TCanvasMapping::FromRects(frame, dest));
  mapping_ = playBase_;
  stateStale_ = true;
  metaClipped_ = clipped_;
  metaClip_ = clip_;
  for (const TCanvasRecord& r : records)
    Execute(r);
  // Saves the played calls left open go with the playback.
  while (saved_.size() > playDepth_)
    RestoreState();
  playDepth_ = outerDepth;
  RestoreState();
}

void TCanvas::Execute(const TCanvasRecord& r)
{
  const auto rect = [&r](std::size_t i) { return r.RectAt(i); };
  if (r.IsDrawing()) {
    pen_.SetData(r.State.Pen);
    brush_.SetData(r.State.Brush);
    font_.SetData(r.State.Font);
    bkMode_ = r.State.BkMode;
    bkColor_ = r.State.BkColor;
    textAlign_ = r.State.TextAlign & ~TA_UPDATECP;
    stateStale_ = true;
    if (r.Op == TCanvasOp::LineTo)
      penPos_ = r.Points.back();
    Emit(r.Op, r.Points, r.Text, r.Value, r.Image);
    return;
  }
  switch (r.Op) {
  case TCanvasOp::MoveTo: MoveTo(r.Points[0].X, r.Points[0].Y); break;
  case TCanvasOp::SetClipRect: SetClipRect(rect(0)); break;
  case TCanvasOp::IntersectClipRect: IntersectClipRect(rect(0)); break;
  case TCanvasOp::SelectClipRegion: {
    TRegion region;
    for (std::size_t i = 0; i + 1 < r.Points.size(); i += 2)
      region.Combine(TRegion(rect(i)), TRegionCombine::Or);
    SelectClipRegion(region);
    break;
  }
  case TCanvasOp::RemoveClipping: RemoveClipping(); break;
  case TCanvasOp::SaveState: SaveState(); break;
  case TCanvasOp::RestoreState: RestoreState(); break;
  case TCanvasOp::SetMapping: SetMapping(rect(0), rect(2)); break;
  case TCanvasOp::ResetMapping: ResetMapping(); break;
  default: break;
  }
}

}  // namespace platform
