#pragma once
// One contour level through one grid cell, by the triangle method: the cell's four corners and
// its centre (point 0) form four triangles, and each triangle gives at most one segment where the
// heights above the level change sign or are zero.

#include "platform/CanvasTypes.h"

#include <array>

namespace chart {

struct TContourSegment {
  platform::TPoint From, To;
};

struct TContourCell {
  std::array<platform::TPoint, 5> Points;  // the centre, then the corners in order round the cell
  std::array<double, 5> Heights;          // each point's value less the level's
};

// The segments of the level through the cell, in triangle order; returns how many (at most 4).
int TraceContourCell(const TContourCell& cell, std::array<TContourSegment, 4>& segments);

}  // namespace chart
