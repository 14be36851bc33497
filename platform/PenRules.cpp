#include "platform/PenRules.h"

#include "platform/CanvasRasterOp.h"

#include <algorithm>

namespace platform {

bool IsBoxFigure(TCanvasOp op)
{
  switch (op) {
  case TCanvasOp::Rectangle:
  case TCanvasOp::Ellipse:
  case TCanvasOp::RoundRect:
  case TCanvasOp::Arc:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord: return true;
  default: return false;
  }
}

TRect InsideFrameBox(const TRect& box, const TPenData& pen)
{
  if (pen.Style != TPenStyle::psInsideFrame || pen.Width <= 1)
    return box;
  const TRect n = box.Normalized();
  const int inset = std::min({pen.Width / 2, (n.Right - n.Left) / 2, (n.Bottom - n.Top) / 2});
  return {n.Left + inset, n.Top + inset, n.Right - inset, n.Bottom - inset};
}

std::optional<TColor> OnWhitePaper(TColor color, TPenMode mode)
{
  constexpr QRgb white = 0xFFFFFFFFu;
  const QRgb result = RasterOp2(mode, color).Apply(white);
  const bool ownColour = mode == TPenMode::pmBlack || mode == TPenMode::pmWhite || mode == TPenMode::pmCopy ||
                         mode == TPenMode::pmNotCopy;
  if (result == white && !ownColour)
    return std::nullopt;  // the paper stays as it was
  return FromQColor(QColor(result));
}

TCanvasState OnWhitePaper(const TCanvasState& state)
{
  TCanvasState s = state;
  const TPenMode mode = s.Pen.Mode;
  if (const auto pen = OnWhitePaper(s.Pen.Color, mode))
    s.Pen.Color = *pen;
  else
    s.Pen.Style = TPenStyle::psClear;
  if (s.Brush.Pattern.isNull()) {
    if (const auto brush = OnWhitePaper(s.Brush.Color, mode))
      s.Brush.Color = *brush;
    else
      s.Brush.Style = TBrushStyle::bsClear;
  }
  s.Pen.Mode = TPenMode::pmCopy;
  return s;
}

}  // namespace platform
