#include "plot/support/Polygons.h"

#include <algorithm>
#include <stdexcept>

namespace plot {

TPoly::TPoly(int n, std::span<const TFloatPoint> points)
{
  const std::size_t count = std::min(points.size(), static_cast<std::size_t>(std::max(n, 0)));
  for (std::size_t i = 0; i < count; ++i)
    Add(points[i].X, points[i].Y);
}

int TPoly::Add(double x, double y)
{
  if (points_.empty()) {
    XMin = XMax = x;
    YMin = YMax = y;
  } else {
    XMin = std::min(XMin, x);
    XMax = std::max(XMax, x);
    YMin = std::min(YMin, y);
    YMax = std::max(YMax, y);
  }
  points_.push_back({x, y});
  Count = static_cast<int>(points_.size());
  return Count - 1;
}

TFloatPoint& TPoly::At(int i)
{
  if (i < 1 || i > Count)
    throw std::out_of_range("polygon point");
  return points_[static_cast<std::size_t>(i - 1)];
}

const TFloatPoint& TPoly::At(int i) const { return const_cast<TPoly*>(this)->At(i); }

// A ray through a vertex counts it twice when both neighbours lie on the same side, once when it
// crosses there.
bool TPoly::PointInside(double x, double y) const
{
  const std::size_t n = points_.size();
  int crossings = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const TFloatPoint& p = points_[(i + n - 1) % n];
    const TFloatPoint& c = points_[i];
    const TFloatPoint& next = points_[(i + 1) % n];
    if (c.X < x && c.Y == y) {
      crossings += (p.Y - c.Y) * (next.Y - c.Y) > 0 ? 2 : 1;
      continue;
    }
    if (std::min(c.Y, next.Y) < y && y < std::max(c.Y, next.Y)) {
      const double xc = c.X + (c.X - next.X) * (y - c.Y) / (c.Y - next.Y);
      crossings += xc < x ? 1 : 0;
    }
  }
  return crossings % 2 == 1;
}

void TClip::SetRect(double x1, double y1, double x2, double y2)
{
  XMin = std::min(x1, x2);
  XMax = std::max(x1, x2);
  YMin = std::min(y1, y2);
  YMax = std::max(y1, y2);
}

namespace {

struct TEdge {
  TFloatPoint a, b;
  int side;  // 1: y > YMin, 2: x < XMax, 3: y < YMax, 4: x > XMin
};

bool Kept(const TEdge& e, const TFloatPoint& v, const TClip& clip)
{
  switch (e.side) {
  case 1: return v.Y > clip.YMin;
  case 2: return v.X < clip.XMax;
  case 3: return v.Y < clip.YMax;
  default: return v.X > clip.XMin;
  }
}

// Where the polygon edge p -> c meets the clip edge's line, within the polygon edge's extent.
bool Meet(const TFloatPoint& p, const TFloatPoint& c, const TEdge& e, TFloatPoint& at)
{
  const double den = (p.Y - c.Y) * (e.b.X - e.a.X) - (p.X - c.X) * (e.b.Y - e.a.Y);
  if (den == 0)
    return false;
  const double t = ((e.a.Y - c.Y) * (p.X - c.X) - (e.a.X - c.X) * (p.Y - c.Y)) / den;
  at = {e.a.X + t * (e.b.X - e.a.X), e.a.Y + t * (e.b.Y - e.a.Y)};
  if (p.Y == c.Y)
    at.Y = c.Y;
  if (p.X == c.X)
    at.X = c.X;
  return std::min(p.X, c.X) <= at.X && at.X <= std::max(p.X, c.X) && std::min(p.Y, c.Y) <= at.Y &&
         at.Y <= std::max(p.Y, c.Y);
}

// One pass against one side; the output grows as it needs.
std::vector<TFloatPoint> ClipPass(const std::vector<TFloatPoint>& v, const TEdge& e, const TClip& clip)
{
  std::vector<TFloatPoint> out;
  const std::size_t n = v.size();
  if (n < 2)
    return out;
  out.reserve(n + n / 2 + 2);
  if (Kept(e, v[0], clip))
    out.push_back(v[0]);
  TFloatPoint at;
  for (std::size_t k = 1; k + 1 < n; ++k) {
    if (Meet(v[k - 1], v[k], e, at))
      out.push_back(at);
    if (Kept(e, v[k], clip))
      out.push_back(v[k]);
  }
  if (Meet(v[n - 2], v[n - 1], e, at))
    out.push_back(at);
  if (!out.empty())
    out.push_back(out.front());
  return out;
}

}  // namespace

std::vector<TFloatPoint> TClip::ClipPolygon(std::span<const TFloatPoint> vertices) const
{
  const TEdge edges[] = {{{XMin, YMin}, {XMax, YMin}, 1},
                         {{XMax, YMin}, {XMax, YMax}, 2},
                         {{XMin, YMax}, {XMax, YMax}, 3},
                         {{XMin, YMin}, {XMin, YMax}, 4}};
  std::vector<TFloatPoint> v(vertices.begin(), vertices.end());
  for (const TEdge& e : edges) {
    v = ClipPass(v, e, *this);
    if (v.empty())
      return v;
  }
  if (v.size() <= 3)
    v.clear();
  return v;
}

TClip& GraphClipper()
{
  static TClip clipper;
  return clipper;
}

}  // namespace plot
