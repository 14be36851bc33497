#pragma once
// A clip region: a set of pixels made of rectangles and polygons.

#include "platform/CanvasTypes.h"

#include <QRegion>
#include <span>
#include <vector>

namespace platform {

enum class TRegionCombine { And, Or, Xor, Diff, Copy };

class TRegion {
public:
  TRegion() = default;
  explicit TRegion(const TRect& rect);
  // The pixels inside the polygon (alternate fill).
  static TRegion Polygon(std::span<const TPoint> points);
  static TRegion Ellipse(const TRect& bounds);

  bool IsEmpty() const { return region_.isEmpty(); }
  bool Contains(TPoint p) const { return region_.contains(QPoint(p.X, p.Y)); }
  TRect BoundingBox() const;
  std::vector<TRect> Rects() const;  // disjoint rectangles covering the region

  void Combine(const TRegion& other, TRegionCombine mode);
  void Offset(int dx, int dy) { region_.translate(dx, dy); }

  const QRegion& Qt() const { return region_; }
  static TRegion FromQt(const QRegion& region);

  friend bool operator==(const TRegion& a, const TRegion& b) { return a.region_ == b.region_; }

private:
  QRegion region_;
};

}  // namespace platform
