#pragma once
// Geometry beyond the reach of 16-bit metafile coordinates, brought within it without bending: lines and
// polygons are clipped to a box (the picture with a margin), and curved shapes become polygons or
// polylines first.

#include "platform/CanvasRecord.h"

#include <vector>

namespace platform::gdi {

// Points inside this box are written as they are.
inline constexpr TRect kSixteenBitBox{-32000, -32000, 32000, 32000};

bool Inside(const TRect& box, TPoint p);
bool Inside(const TRect& box, const std::vector<TPoint>& points);
// The pieces of an open line inside the box (each of two points or more).
std::vector<std::vector<TPoint>> ClipPolyline(const std::vector<TPoint>& points, const TRect& box);
// A closed outline cut to the box; the part inside fills as the original does there.
std::vector<TPoint> ClipPolygon(const std::vector<TPoint>& points, const TRect& box);
// The outline of an Ellipse, RoundRect, Arc, Pie or Chord record as points (open for an arc).
std::vector<TPoint> ShapeOutline(const TCanvasRecord& record);

}  // namespace platform::gdi
