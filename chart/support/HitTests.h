#pragma once
// Hit tests of a pixel against lines, polygons, triangles and ellipses. Products are taken wide,
// so coordinates anywhere in the integer range give the true answer.

#include "platform/CanvasTypes.h"

#include <span>

namespace chart {

using platform::TPoint;
using platform::TRect;

// The point lies within a pixel of the segment and not beyond its ends by more than tolerance.
bool IsNearLine(TPoint p, int x0, int y0, int x1, int y1, int tolerance);
bool IsOnLine(TPoint p, int x0, int y0, int x1, int y1);
// Even-odd rule; no points is never inside.
bool IsInsidePolygon(TPoint p, std::span<const TPoint> points);
// The triangle (x0, y0), ((x0 + x1) div 2, y1), (x1, y0).
bool IsInsideTriangle(TPoint p, int x0, int x1, int y0, int y1);
// The triangle (x0, y0), (x1, (y0 + y1) div 2), (x0, y1).
bool IsInsideSideTriangle(TPoint p, int y0, int y1, int x0, int x1);
// Inside or on the ellipse of the rectangle; a rectangle without width or height holds nothing.
bool IsInsideEllipse(TPoint p, const TRect& r);

}  // namespace chart
