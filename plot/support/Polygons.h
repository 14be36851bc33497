#pragma once
// Polygons of world or pixel points with their bounding box and a point-in-polygon test, and the
// cutting of a closed polygon to a rectangle (one pass per side). Point numbers are 1-based and
// checked (std::out_of_range).

#include "plot/support/FloatGeometry.h"

#include <span>
#include <vector>

namespace plot {

class TPoly {
public:
  TPoly() = default;
  // The first n points, in order.
  TPoly(int n, std::span<const TFloatPoint> points);

  // Appends a point; returns its list index (from 0). The bounding box widens.
  int Add(double x, double y);
  double GetX(int i) const { return At(i).X; }
  double GetY(int i) const { return At(i).Y; }
  // Overwriting leaves the bounding box as it is.
  void SetX(int i, double v) { At(i).X = v; }
  void SetY(int i, double v) { At(i).Y = v; }
  // Ray casting towards smaller X; the polygon is taken as closed.
  bool PointInside(double x, double y) const;
  const std::vector<TFloatPoint>& Points() const { return points_; }

  double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  int Count = 0;

private:
  TFloatPoint& At(int i);
  const TFloatPoint& At(int i) const;
  std::vector<TFloatPoint> points_;
};

// Cuts closed polygons (the first vertex repeated at the end) to a rectangle; a vertex on the
// rectangle's border counts as outside.
class TClip {
public:
  void SetRect(double x1, double y1, double x2, double y2);
  // The cut polygon, closing vertex included; empty when fewer than 4 vertices (three corners and
  // the closing one) remain.
  std::vector<TFloatPoint> ClipPolygon(std::span<const TFloatPoint> vertices) const;

  double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
};

// The clipper the series share for their area fills (user-interface thread only).
TClip& GraphClipper();

}  // namespace plot
