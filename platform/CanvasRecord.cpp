#include "platform/CanvasRecord.h"

#include "platform/CanvasRounding.h"

#include <array>

namespace platform {

TCanvasMapping TCanvasMapping::After(const TCanvasMapping& inner) const
{
  return {inner.ScaleX * ScaleX, inner.ScaleY * ScaleY, inner.OffsetX * ScaleX + OffsetX,
          inner.OffsetY * ScaleY + OffsetY};
}

TCanvasMapping TCanvasMapping::FromRects(const TRect& window, const TRect& viewport)
{
  TCanvasMapping m;
  if (window.Width() != 0)
    m.ScaleX = double(viewport.Width()) / window.Width();
  if (window.Height() != 0)
    m.ScaleY = double(viewport.Height()) / window.Height();
  m.OffsetX = viewport.Left - window.Left * m.ScaleX;
  m.OffsetY = viewport.Top - window.Top * m.ScaleY;
  return m;
}

TCanvasRecord TCanvasCall::ToRecord() const
{
  TCanvasRecord r;
  r.Op = Op;
  r.Points.assign(Points.begin(), Points.end());
  r.Text = Text;
  r.Image = Image;
  r.Value = Value;
  if (r.IsDrawing())
    r.State = State;
  return r;
}

TPoint TCanvasMapping::ToDevice(TPoint p) const
{
  if (IsIdentity())
    return p;
  return {ToPixel(p.X * ScaleX + OffsetX), ToPixel(p.Y * ScaleY + OffsetY)};
}

TRect TCanvasMapping::ToDevice(const TRect& r) const
{
  const TPoint a = ToDevice(TPoint{r.Left, r.Top});
  const TPoint b = ToDevice(TPoint{r.Right, r.Bottom});
  return {a.X, a.Y, b.X, b.Y};
}

const char* CanvasOpName(TCanvasOp op)
{
  static constexpr std::array<const char*, 25> kNames = {
      "LineTo", "Polyline", "Polygon", "Rectangle", "Ellipse", "RoundRect", "Arc", "Pie", "Chord",
      "FillRect", "FrameRect", "FocusRect", "SetPixel", "TextOut", "DrawImage", "PatBlt", "MoveTo",
      "SetClipRect", "IntersectClipRect", "SelectClipRegion", "RemoveClipping", "SaveState",
      "RestoreState", "SetMapping", "ResetMapping"};
  return kNames[static_cast<std::size_t>(op)];
}

std::string TCanvasRecord::ToString() const
{
  std::string s = CanvasOpName(Op);
  s += '(';
  bool first = true;
  for (const TPoint& p : Points) {
    if (!first)
      s += ',';
    s += std::to_string(p.X) + ',' + std::to_string(p.Y);
    first = false;
  }
  if (Op == TCanvasOp::TextOut) {
    s += first ? "\"" : ",\"";
    s += Text.toStdString();
    s += '"';
  }
  s += ')';
  return s;
}

}  // namespace platform
