#pragma once
// Lines and polygons cut at the coordinate limit (+-kMaxCoord): points far outside every device
// keep the direction of what is drawn instead of being moved onto the limit one axis at a time.

#include "platform/CanvasRounding.h"
#include "platform/CanvasTypes.h"

#include <span>
#include <vector>

namespace platform {

inline bool IsFarOut(TPoint p)
{
  return p.X < -kMaxCoord || p.X > kMaxCoord || p.Y < -kMaxCoord || p.Y > kMaxCoord;
}

inline bool AnyFarOut(std::span<const TPoint> points)
{
  for (const TPoint& p : points)
    if (IsFarOut(p))
      return true;
  return false;
}

// The part of the segment a-b inside the limit square; false when nothing of it is inside.
bool ClipSegmentToLimit(TPoint& a, TPoint& b);
// The runs of a polyline inside the limit square, in order.
std::vector<std::vector<TPoint>> ClipPolylineToLimit(std::span<const TPoint> points);
// The polygon cut to the limit square: the area it covers inside the square stays the same.
std::vector<TPoint> ClipPolygonToLimit(std::span<const TPoint> points);

}  // namespace platform
