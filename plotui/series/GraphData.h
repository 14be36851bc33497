#pragma once
// One point of a series, kept as the segment that ends in it, with its marker held in place.

#include "plot/parts/Marker.h"
#include "plot/support/FloatGeometry.h"

#include "platform/Color.h"

#include <QString>
#include <optional>

namespace plot {
class TGraph;
}

namespace plotui {

class TSeries;

struct TGraphData {
  TGraphData(plot::TGraph& graph, TSeries& series) : Graph(&graph), Series(&series) {}
  // Everything but the second integer; the marker as a copy.
  void Assign(const TGraphData& source);

  plot::TGraph* Graph;  // not owned
  platform::TColor Color = platform::clBlack;
  int Kind = 1;
  double X1 = 0, Y1 = 0;  // the previous point (the point itself for the first)
  double X2 = 0, Y2 = 0;  // the point
  std::optional<plot::TMarker> Marker;  // may be absent
  QString Name;
  bool HitEnabled = true;  // the marker takes part in the marker hit test
  bool Switch2 = true;
  int Int1 = 0;
  int Int2 = 0;
  TSeries* Series;  // not owned
  plot::TFloatRect BarRect{};  // of the last clustered bar drawn
};

}  // namespace plotui
