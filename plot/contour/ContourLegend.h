#pragma once
// The legend entry of a contour layer, whose symbol is three nested ellipses in red, green and
// blue.

#include "plot/parts/Legend.h"

#include "platform/Canvas.h"

namespace plot {

class TContourLegend : public TLegend {
public:
  using TLegend::TLegend;
  // In the series legend's font: the symbol area eleven hyphens wide from the entry's left edge,
  // centred on the entry's first line.
  void DrawSymbol() override;
};

// Draws the symbol in the area of width w from x0, centred on the line yc; hh is half the height of
// "()" in the legend font, rounded. The pen keeps its style and width, the brush becomes clear.
void DrawContourLegendSymbol(platform::TCanvas& canvas, int x0, int yc, int w, int hh);
// Half a height rounded, halves to even.
int ContourLegendHalfHeight(int h);

}  // namespace plot
