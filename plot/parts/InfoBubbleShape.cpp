#include "plot/parts/InfoBubbleShape.h"

#include <algorithm>

namespace plot {

using platform::TPoint;
using platform::TRect;

bool IsUpperPosition(TInfoPosition position) { return position <= ipLeftTop; }
bool IsCentrePosition(TInfoPosition position) { return position == ipTopCenter || position == ipBottomCenter; }
bool IsLeftPosition(TInfoPosition position) { return position == ipLeftTop || position == ipLeftBottom; }

TRect BubbleRectAt(TInfoPosition position, TPoint anchor, const TBubbleSize& size)
{
  TRect r;
  if (IsCentrePosition(position)) {
    r.Left = anchor.X - size.W / 2;
    r.Right = anchor.X + size.W / 2;
  } else if (IsLeftPosition(position)) {
    r.Left = anchor.X - size.W;
    r.Right = anchor.X;
  } else {
    r.Left = anchor.X;
    r.Right = anchor.X + size.W;
  }
  if (IsUpperPosition(position)) {
    r.Top = anchor.Y - size.H - size.LH;
    r.Bottom = anchor.Y - size.LH;
  } else {
    r.Top = anchor.Y + size.LH;
    r.Bottom = anchor.Y + size.LH + size.H;
  }
  return r;
}

TInfoPosition PlaceBubble(TInfoPosition preferred, TPoint anchor, const TBubbleSize& size, const TRect& clip)
{
  constexpr int kPositions = 6;
  for (int k = 0; k < 7; ++k) {
    const auto position = TInfoPosition((preferred + k) % kPositions);
    const TRect r = BubbleRectAt(position, anchor, size);
    if (r.Left >= clip.Left && r.Top >= clip.Top && r.Right <= clip.Right && r.Bottom <= clip.Bottom)
      return position;
  }
  return TInfoPosition((preferred + 1) % kPositions);
}

std::array<TPoint, 2> PointerBase(TInfoStyle style, TInfoPosition position, TPoint anchor, const TRect& body)
{
  const int w = body.Right - body.Left;
  // The edge row facing the anchor: the body's last row above it, its first row below it.
  const int edge = IsUpperPosition(position) ? body.Bottom - 1 : body.Top;
  int near = 0;
  int far = 0;
  if (IsCentrePosition(position)) {
    near = -w / 32;
    far = w / 32;
  } else {
    near = style == isRectangle ? w / 32 : w / 16;
    far = style == isRectangle ? w / 16 : w / 8;
    if (IsLeftPosition(position)) {
      near = -near;
      far = -far;
    }
  }
  return {TPoint{anchor.X + far, edge}, TPoint{anchor.X + near, edge}};
}

void DrawBubbleBody(platform::TCanvas& canvas, TInfoStyle style, TInfoPosition position, TPoint anchor,
                    const TRect& body, int lh)
{
  if (style == isNoBubble)
    return;
  if (style == isRoundRect)
    canvas.RoundRect(body.Left, body.Top, body.Right, body.Bottom, lh / 2, lh / 2);
  else
    canvas.Rectangle(body);
  const std::array<TPoint, 2> base = PointerBase(style, position, anchor, body);
  const TPoint pointer[] = {anchor, base[0], base[1]};
  canvas.Polygon(pointer);
  // Two rows of the outline between the base points: the edge row and the row inside it.
  const int left = std::min(base[0].X, base[1].X) + 1;
  const int right = std::max(base[0].X, base[1].X);
  if (right <= left)
    return;
  const int top = IsUpperPosition(position) ? body.Bottom - 2 : body.Top;
  canvas.FillRect({left, top, right, top + 2});
}

}  // namespace plot
