#include "platform/MetafileRange.h"

#include "platform/CanvasRounding.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace platform::gdi {

namespace {

struct PointF {
  double x, y;
};

TPoint Round(PointF p) { return {SafeRound(p.x), SafeRound(p.y)}; }

// Liang-Barsky: the part of the segment a-b inside the box, as parameters t0 <= t1; false when none.
bool ClipSegment(PointF a, PointF b, const TRect& box, double& t0, double& t1)
{
  t0 = 0;
  t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.Left, box.Right - a.x, a.y - box.Top, box.Bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0)
        return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1)
      return false;
  }
  return true;
}

PointF At(PointF a, PointF b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// One Sutherland-Hodgman pass: keeps the side of an edge where inside() holds.
template <typename Inside, typename Cross>
std::vector<PointF> ClipEdge(const std::vector<PointF>& points, Inside inside, Cross cross)
{
  std::vector<PointF> out;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointF a = points[i];
    const PointF b = points[(i + 1) % points.size()];
    if (inside(a)) {
      out.push_back(a);
      if (!inside(b))
        out.push_back(cross(a, b));
    } else if (inside(b)) {
      out.push_back(cross(a, b));
    }
  }
  return out;
}

double Angle(const TRect& box, TPoint p)
{
  const double cx = (box.Left + box.Right) / 2.0;
  const double cy = (box.Top + box.Bottom) / 2.0;
  const double rx = std::max(1.0, std::abs(box.Right - box.Left) / 2.0);
  const double ry = std::max(1.0, std::abs(box.Bottom - box.Top) / 2.0);
  return std::atan2(-(p.Y - cy) / ry, (p.X - cx) / rx) * 180 / std::numbers::pi;
}

}  // namespace

bool Inside(const TRect& box, TPoint p)
{
  return p.X >= box.Left && p.X <= box.Right && p.Y >= box.Top && p.Y <= box.Bottom;
}

bool Inside(const TRect& box, const std::vector<TPoint>& points)
{
  for (const TPoint& p : points)
    if (!Inside(box, p))
      return false;
  return true;
}

std::vector<std::vector<TPoint>> ClipPolyline(const std::vector<TPoint>& points, const TRect& box)
{
  std::vector<std::vector<TPoint>> pieces;
  std::vector<TPoint> piece;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const PointF a{double(points[i].X), double(points[i].Y)};
    const PointF b{double(points[i + 1].X), double(points[i + 1].Y)};
    double t0 = 0, t1 = 1;
    if (!ClipSegment(a, b, box, t0, t1)) {
      if (piece.size() >= 2)
        pieces.push_back(piece);
      piece.clear();
      continue;
    }
    const TPoint from = t0 == 0 ? points[i] : Round(At(a, b, t0));
    const TPoint to = t1 == 1 ? points[i + 1] : Round(At(a, b, t1));
    if (piece.empty() || t0 > 0) {
      if (piece.size() >= 2)
        pieces.push_back(piece);
      piece = {from};
    }
    piece.push_back(to);
    if (t1 < 1) {
      pieces.push_back(piece);
      piece.clear();
    }
  }
  if (piece.size() >= 2)
    pieces.push_back(piece);
  return pieces;
}

std::vector<TPoint> ClipPolygon(const std::vector<TPoint>& points, const TRect& box)
{
  std::vector<PointF> poly;
  for (const TPoint& p : points)
    poly.push_back({double(p.X), double(p.Y)});
  const auto crossX = [](double x) {
    return [x](PointF a, PointF b) { return At(a, b, (x - a.x) / (b.x - a.x)); };
  };
  const auto crossY = [](double y) {
    return [y](PointF a, PointF b) { return At(a, b, (y - a.y) / (b.y - a.y)); };
  };
  poly = ClipEdge(poly, [&](PointF p) { return p.x >= box.Left; }, crossX(box.Left));
  poly = ClipEdge(poly, [&](PointF p) { return p.x <= box.Right; }, crossX(box.Right));
  poly = ClipEdge(poly, [&](PointF p) { return p.y >= box.Top; }, crossY(box.Top));
  poly = ClipEdge(poly, [&](PointF p) { return p.y <= box.Bottom; }, crossY(box.Bottom));
  std::vector<TPoint> out;
  for (const PointF& p : poly) {
    const TPoint q = Round(p);
    if (out.empty() || !(out.back() == q))
      out.push_back(q);
  }
  return out;
}

std::vector<TPoint> ShapeOutline(const TCanvasRecord& r)
{
  const TRect box = r.RectAt(0).Normalized();
  const QRectF q(box.Left, box.Top, box.Width(), box.Height());
  QPainterPath path;
  switch (r.Op) {
  case TCanvasOp::Ellipse: path.addEllipse(q); break;
  case TCanvasOp::RoundRect:
    path.addRoundedRect(q, std::abs(r.Points[2].X) / 2.0, std::abs(r.Points[2].Y) / 2.0);
    break;
  case TCanvasOp::Arc:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord: {
    const double start = Angle(box, r.Points[2]);
    double span = Angle(box, r.Points[3]) - start;
    while (span <= 0)
      span += 360;
    if (r.Op == TCanvasOp::Pie)
      path.moveTo(q.center());
    else
      path.arcMoveTo(q, start);
    path.arcTo(q, start, span);
    if (r.Op != TCanvasOp::Arc)
      path.closeSubpath();
    break;
  }
  default: return {};
  }
  std::vector<TPoint> out;
  const QList<QPolygonF> polygons = path.toSubpathPolygons();
  for (const QPolygonF& polygon : polygons)
    for (const QPointF& p : polygon) {
      const TPoint t{SafeRound(p.x()), SafeRound(p.y())};
      if (out.empty() || !(out.back() == t))
        out.push_back(t);
    }
  return out;
}

}  // namespace platform::gdi
