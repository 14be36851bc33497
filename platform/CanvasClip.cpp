#include "platform/CanvasClip.h"

#include "platform/CanvasRounding.h"

#include <algorithm>

namespace platform {

namespace {

constexpr double kLimit = kMaxCoord;

struct TPointF {
  double X;
  double Y;
};

TPoint Rounded(TPointF p) { return {ToPixel(p.X), ToPixel(p.Y)}; }

// Clips the parameter range [t0, t1] of p + t * d to one side: p + t * d <= limit along the axis
// (or >= -limit with the signs turned); false when nothing is left.
bool ClipSide(double p, double d, double limit, double& t0, double& t1)
{
  if (d == 0)
    return p <= limit;
  const double t = (limit - p) / d;
  if (d > 0)
    t1 = std::min(t1, t);
  else
    t0 = std::max(t0, t);
  return t0 <= t1;
}

// The side of a polygon cut: points on the kept side of x (or y) = limit, with the crossings.
template <typename Inside, typename Cross>
std::vector<TPointF> CutPolygon(const std::vector<TPointF>& in, Inside inside, Cross cross)
{
  std::vector<TPointF> out;
  if (in.empty())
    return out;
  out.reserve(in.size() + 4);
  TPointF prev = in.back();
  bool prevIn = inside(prev);
  for (const TPointF& p : in) {
    const bool pIn = inside(p);
    if (pIn != prevIn)
      out.push_back(cross(prev, p));
    if (pIn)
      out.push_back(p);
    prev = p;
    prevIn = pIn;
  }
  return out;
}

TPointF CrossX(TPointF a, TPointF b, double x)
{
  return {x, a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X)};
}

TPointF CrossY(TPointF a, TPointF b, double y)
{
  return {a.X + (b.X - a.X) * (y - a.Y) / (b.Y - a.Y), y};
}

}  // namespace

bool ClipSegmentToLimit(TPoint& a, TPoint& b)
{
  if (!IsFarOut(a) && !IsFarOut(b))
    return true;
  const double dx = double(b.X) - a.X;
  const double dy = double(b.Y) - a.Y;
  double t0 = 0;
  double t1 = 1;
  if (!ClipSide(a.X, dx, kLimit, t0, t1) || !ClipSide(-double(a.X), -dx, kLimit, t0, t1)
      || !ClipSide(a.Y, dy, kLimit, t0, t1) || !ClipSide(-double(a.Y), -dy, kLimit, t0, t1))
    return false;
  const TPoint from = a;
  if (t0 > 0)
    a = Rounded({from.X + t0 * dx, from.Y + t0 * dy});
  if (t1 < 1)
    b = Rounded({from.X + t1 * dx, from.Y + t1 * dy});
  return true;
}

std::vector<std::vector<TPoint>> ClipPolylineToLimit(std::span<const TPoint> points)
{
  std::vector<std::vector<TPoint>> runs;
  bool open = false;  // the last run goes on with the next segment
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    TPoint a = points[i];
    TPoint b = points[i + 1];
    if (!ClipSegmentToLimit(a, b)) {
      open = false;
      continue;
    }
    if (!open || runs.back().back() != a)
      runs.push_back({a});
    runs.back().push_back(b);
    open = b == points[i + 1];
  }
  return runs;
}

std::vector<TPoint> ClipPolygonToLimit(std::span<const TPoint> points)
{
  std::vector<TPointF> poly;
  poly.reserve(points.size());
  for (const TPoint& p : points)
    poly.push_back({double(p.X), double(p.Y)});
  poly = CutPolygon(poly, [](TPointF p) { return p.X <= kLimit; }, [](TPointF a, TPointF b) { return CrossX(a, b, kLimit); });
  poly = CutPolygon(poly, [](TPointF p) { return p.X >= -kLimit; }, [](TPointF a, TPointF b) { return CrossX(a, b, -kLimit); });
  poly = CutPolygon(poly, [](TPointF p) { return p.Y <= kLimit; }, [](TPointF a, TPointF b) { return CrossY(a, b, kLimit); });
  poly = CutPolygon(poly, [](TPointF p) { return p.Y >= -kLimit; }, [](TPointF a, TPointF b) { return CrossY(a, b, -kLimit); });
  std::vector<TPoint> out;
  out.reserve(poly.size());
  for (const TPointF& p : poly)
    out.push_back(Rounded(p));
  return out;
}

}  // namespace platform
