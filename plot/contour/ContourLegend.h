#pragma once
// The legend symbol of a contour layer: three nested ellipses in red, green and blue.

#include "platform/Canvas.h"

namespace plot {

// Draws the symbol in the area of width w (eleven hyphens of the legend font) from x0, centred on
// the line yc; hh is half the height of "()" in that font, rounded. The pen keeps its style and
// width, the brush becomes clear.
void DrawContourLegendSymbol(platform::TCanvas& canvas, int x0, int yc, int w, int hh);
// Half a height rounded, halves to even.
int ContourLegendHalfHeight(int h);

}  // namespace plot
