#pragma once
// Segments against segments and against a world range: the cut that keeps the piece of a line
// inside the visible range.

#include "plot/support/FloatGeometry.h"

namespace plot {

// A segment as (Left, Top) to (Right, Bottom).
using TSegment = TFloatRect;

// Where a and b meet, ends included; false for parallel, collinear or degenerate segments.
bool IntersectSegments(const TSegment& a, const TSegment& b, TFloatPoint& p);

// Cuts (x1, y1)-(x2, y2) to the range r (Left <= Right, Top <= Bottom) by its crossings with the
// left, upper, right and lower edges; false when it crosses none. With two crossings the piece runs
// from the second found to the first.
bool ClipSegmentToRange(double& x1, double& y1, double& x2, double& y2, const TFloatRect& r);

}  // namespace plot
