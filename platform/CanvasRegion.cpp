#include "platform/CanvasRegion.h"

#include <QPolygon>

namespace platform {

TRegion::TRegion(const TRect& rect)
{
  const TRect r = rect.Normalized();
  if (!r.IsEmpty())
    region_ = QRegion(r.Left, r.Top, r.Width(), r.Height());
}

TRegion TRegion::Polygon(std::span<const TPoint> points)
{
  QPolygon poly;
  for (const TPoint& p : points)
    poly << QPoint(p.X, p.Y);
  return FromQt(QRegion(poly, Qt::OddEvenFill));
}

TRegion TRegion::Ellipse(const TRect& bounds)
{
  const TRect r = bounds.Normalized();
  return FromQt(QRegion(r.Left, r.Top, r.Width(), r.Height(), QRegion::Ellipse));
}

TRect TRegion::BoundingBox() const
{
  const QRect b = region_.boundingRect();
  return b.isEmpty() ? TRect{} : TRect{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
}

std::vector<TRect> TRegion::Rects() const
{
  std::vector<TRect> out;
  for (const QRect& r : region_)
    out.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  return out;
}

void TRegion::Combine(const TRegion& other, TRegionCombine mode)
{
  switch (mode) {
  case TRegionCombine::And: region_ = region_.intersected(other.region_); break;
  case TRegionCombine::Or: region_ = region_.united(other.region_); break;
  case TRegionCombine::Xor: region_ = region_.xored(other.region_); break;
  case TRegionCombine::Diff: region_ = region_.subtracted(other.region_); break;
  case TRegionCombine::Copy: region_ = other.region_; break;
  }
}

TRegion TRegion::FromQt(const QRegion& region)
{
  TRegion r;
  r.region_ = region;
  return r;
}

}  // namespace platform
