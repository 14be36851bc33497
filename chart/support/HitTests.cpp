#include "chart/support/HitTests.h"

#include <algorithm>
#include <cstdlib>

namespace chart {

namespace {
using Wide = __int128;
using Long = long long;

Wide Abs(Wide v) { return v < 0 ? -v : v; }

// a lies between b and c (inclusive) with both gaps above tolerance.
bool BeyondBetween(Long a, Long b, Long c, Long tolerance)
{
  return std::min(b, c) <= a && a <= std::max(b, c) && std::llabs(a - b) > tolerance && std::llabs(a - c) > tolerance;
}

// The point lies beyond the end (ex, ey) of the segment whose other end is (ox, oy).
bool BeyondEnd(TPoint p, Long ex, Long ey, Long ox, Long oy, Long tolerance)
{
  return BeyondBetween(ex, ox, p.X, tolerance) || BeyondBetween(ey, oy, p.Y, tolerance);
}

Long Mid(Long a, Long b) { return (a + b) / 2; }  // rounds towards zero
}  // namespace

bool IsNearLine(TPoint p, int x0, int y0, int x1, int y1, int tolerance)
{
  const Wide cross = Wide(Long(p.X) - x0) * (Long(y1) - y0) - Wide(Long(p.Y) - y0) * (Long(x1) - x0);
  const Long span = std::max(std::llabs(Long(x1) - x0), std::llabs(Long(y1) - y0));
  if (Abs(cross) >= span)
    return false;
  return !BeyondEnd(p, x0, y0, x1, y1, tolerance) && !BeyondEnd(p, x1, y1, x0, y0, tolerance);
}

bool IsOnLine(TPoint p, int x0, int y0, int x1, int y1) { return IsNearLine(p, x0, y0, x1, y1, 0); }

bool IsInsidePolygon(TPoint p, std::span<const TPoint> points)
{
  bool inside = false;
  const std::size_t n = points.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const TPoint a = points[j];
    const TPoint b = points[i];
    if (!(p.Y >= std::min(a.Y, b.Y) && p.Y < std::max(a.Y, b.Y)))
      continue;
    // x of the edge at p.Y, compared without division: p.X < a.X + (p.Y - a.Y)(b.X - a.X)/(b.Y - a.Y).
    const Wide lhs = Wide(Long(p.X) - a.X) * (Long(b.Y) - a.Y);
    const Wide rhs = Wide(Long(p.Y) - a.Y) * (Long(b.X) - a.X);
    const bool left = b.Y > a.Y ? lhs < rhs : lhs > rhs;
    if (left)
      inside = !inside;
  }
  return inside;
}

bool IsInsideTriangle(TPoint p, int x0, int x1, int y0, int y1)
{
  const TPoint corners[] = {{x0, y0}, {int(Mid(x0, x1)), y1}, {x1, y0}};
  return IsInsidePolygon(p, corners);
}

bool IsInsideSideTriangle(TPoint p, int y0, int y1, int x0, int x1)
{
  const TPoint corners[] = {{x0, y0}, {x1, int(Mid(y0, y1))}, {x0, y1}};
  return IsInsidePolygon(p, corners);
}

bool IsInsideEllipse(TPoint p, const TRect& r)
{
  const Long cx = Mid(r.Left, r.Right);
  const Long cy = Mid(r.Top, r.Bottom);
  const Wide rx = cx - r.Left;
  const Wide ry = cy - r.Top;
  if (rx == 0 || ry == 0)
    return false;
  const long double dx = (long double)(p.X - cx) / (long double)rx;
  const long double dy = (long double)(p.Y - cy) / (long double)ry;
  return dx * dx + dy * dy <= 1;
}

}  // namespace chart
