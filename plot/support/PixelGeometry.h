#pragma once
// Pixel rectangles and points: containment with borders included, moving and growing, fitting a
// rectangle to the shape of a world rectangle, the distance from a point to a segment, and spreading
// buttons across a panel.

#include "plot/support/FloatGeometry.h"
#include "platform/CanvasTypes.h"

#include <climits>
#include <span>
#include <vector>

namespace plot {

using platform::TPoint;
using platform::TRect;
using platform::TSize;

constexpr bool IsPointInRect(const TRect& r, TPoint p)
{
  return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}
// a lies inside b, borders included.
constexpr bool IsRectInRect(const TRect& a, const TRect& b)
{
  return a.Left >= b.Left && a.Right <= b.Right && a.Top >= b.Top && a.Bottom <= b.Bottom;
}
constexpr bool IsPointAbove(TPoint p, const TRect& r) { return p.Y < r.Top; }
constexpr bool IsPointBelow(TPoint p, const TRect& r) { return p.Y > r.Bottom; }
constexpr bool IsPointLeftOf(TPoint p, const TRect& r) { return p.X < r.Left; }
constexpr bool IsPointRightOf(TPoint p, const TRect& r) { return p.X > r.Right; }

constexpr void OffsetIntRect(TRect& r, int dx, int dy)
{
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}
constexpr void InflateIntRect(TRect& r, int dx, int dy)
{
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}

// Shrinks r, keeping its top-left corner, so that one unit of y is `ratio` times one unit of x of
// the world rectangle w. Nothing when ratio is 0 or w has no extent.
void FitRectToAspect(TRect& r, const TFloatRect& w, double ratio);

// What DistanceToSegment answers when q is not beside the segment.
inline constexpr int kNotBesideSegment = INT_MAX;

// The pixel distance from q to the segment ab, for hit tests; kNotBesideSegment when q is not
// beside it.
int DistanceToSegment(TPoint a, TPoint b, TPoint q);

// The top-left corner of each button spread evenly across a panel and centred vertically.
std::vector<TPoint> CenterButtonsOnPanel(TSize panel, std::span<const TSize> buttons);

}  // namespace plot
