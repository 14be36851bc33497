#include "plot/support/PixelGeometry.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>

namespace plot {

void FitRectToAspect(TRect& r, const TFloatRect& world, double ratio)
{
  if (ratio == 0)
    return;
  const long double w = std::fabs(static_cast<long double>(world.Right) - world.Left);
  const long double h = std::fabs(static_cast<long double>(world.Bottom) - world.Top) * ratio;
  if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h))
    return;
  const long double rw = r.Right - r.Left;
  const long double rh = r.Bottom - r.Top;
  if (w > h) {
    const int n = platform::SafeTrunc(rw * h / w);
    if (n > rh)
      r.Right = r.Left + platform::SafeTrunc(rh * w / h);
    else
      r.Bottom = r.Top + n;
    return;
  }
  const int n = platform::SafeTrunc(rh * w / h);
  if (n > rw)
    r.Bottom = r.Top + platform::SafeTrunc(rw * h / w);
  else
    r.Right = r.Left + n;
}

namespace {

bool Between(long double v, int a, int b) { return std::min(a, b) <= v && v <= std::max(a, b); }

}  // namespace

int DistanceToSegment(TPoint a, TPoint b, TPoint q)
{
  const bool horizontal = a.Y == b.Y;
  const bool vertical = a.X == b.X;
  const bool inBox = Between(q.X, a.X, b.X) && Between(q.Y, a.Y, b.Y);
  if (!inBox) {
    if (horizontal && Between(q.X, a.X, b.X))
      return std::abs(a.Y - q.Y);
    if (vertical && Between(q.Y, a.Y, b.Y))
      return std::abs(a.X - q.X);
    return kNotBesideSegment;
  }
  if (horizontal || vertical)
    return 0;
  // Foot of the perpendicular from q on the segment's line.
  const long double k = static_cast<long double>(b.Y - a.Y) / (b.X - a.X);
  const long double mx = (a.X + static_cast<long double>(b.X)) / 2;
  const long double my = (a.Y + static_cast<long double>(b.Y)) / 2;
  const long double fx = (q.Y - my + k * mx + q.X / k) / (k + 1 / k);
  const long double fy = my + k * (fx - mx);
  if (!Between(fx, a.X, b.X) || !Between(fy, a.Y, b.Y))
    return kNotBesideSegment;
  return platform::SafeRound(std::sqrt((q.X - fx) * (q.X - fx) + (q.Y - fy) * (q.Y - fy)));
}

std::vector<TPoint> CenterButtonsOnPanel(TSize panel, std::span<const TSize> buttons)
{
  std::vector<TPoint> places;
  const int n = static_cast<int>(buttons.size());
  for (int b = 0; b < n; ++b) {
    const TSize size = buttons[b];
    places.push_back({(panel.cx / (2 * n)) * (2 * b + 1) - size.cx / 2, panel.cy / 2 - size.cy / 2});
  }
  return places;
}

}  // namespace plot
