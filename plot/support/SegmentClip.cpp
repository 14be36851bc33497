#include "plot/support/SegmentClip.h"

#include "plot/support/FloatUtils.h"

namespace plot {

bool IntersectSegments(const TSegment& a, const TSegment& b, TFloatPoint& p)
{
  const Extended ax1 = a.Left, ay1 = a.Top, ax2 = a.Right, ay2 = a.Bottom;
  const Extended bx1 = b.Left, by1 = b.Top, bx2 = b.Right, by2 = b.Bottom;
  const Extended den = (ay2 - ay1) * (bx1 - bx2) - (by1 - by2) * (ax2 - ax1);
  if (den == 0)
    return false;
  const Extended t = ((by1 - ay1) * (bx1 - bx2) - (by1 - by2) * (bx1 - ax1)) / den;
  const Extended u = ((ay2 - ay1) * (bx1 - ax1) - (by1 - ay1) * (ax2 - ax1)) / den;
  if (!(0 <= t && t <= 1 && 0 <= u && u <= 1))
    return false;
  p = {static_cast<double>(ax1 + t * (ax2 - ax1)), static_cast<double>(ay1 + t * (ay2 - ay1))};
  return true;
}

bool ClipSegmentToRange(double& x1, double& y1, double& x2, double& y2, const TFloatRect& r)
{
  const TSegment segment{x1, y1, x2, y2};
  const TSegment edges[] = {{r.Left, r.Top, r.Left, r.Bottom},
                            {r.Left, r.Bottom, r.Right, r.Bottom},
                            {r.Right, r.Bottom, r.Right, r.Top},
                            {r.Left, r.Top, r.Right, r.Top}};
  TFloatPoint found[2];
  int count = 0;
  for (int e = 0; e < 4; ++e) {
    if (e >= 2 && count >= 2)
      break;
    TFloatPoint p;
    if (IntersectSegments(segment, edges[e], p) && count < 2)
      found[count++] = p;
    if (e >= 1 && count == 2 && found[0] == found[1])
      count = 1;  // through a corner
  }
  if (count == 0)
    return false;
  if (count == 1) {
    if (r.Left <= x1 && x1 <= r.Right && r.Top <= y1 && y1 <= r.Bottom) {
      x2 = found[0].X;
      y2 = found[0].Y;
    } else {
      x1 = found[0].X;
      y1 = found[0].Y;
    }
    return true;
  }
  x1 = found[1].X;
  y1 = found[1].Y;
  x2 = found[0].X;
  y2 = found[0].Y;
  return true;
}

}  // namespace plot
