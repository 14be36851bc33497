#pragma once
// The legend entry of a series: the series' symbol (line, step, volume ticks, bar, area or marker)
// left of its caption in the graph's series legend.

#include "plot/parts/Legend.h"

namespace plotui {

class TSeriesLegend : public plot::TLegend {
public:
  explicit TSeriesLegend(plot::TGraph& graph);
  void DrawSymbol() override;

private:
  void DrawBarSymbol(int x, int y, int h);
  void DrawAreaSymbol(int x, int y, int h);
  void DrawDepthFaces(int left, int top, int right, int bottom, bool slanted);
};

}  // namespace plotui
