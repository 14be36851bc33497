#include "plot/contour/ContourLegend.h"

#include <cmath>

namespace plot {

int ContourLegendHalfHeight(int h) { return static_cast<int>(std::nearbyint(h * 0.5)); }

void DrawContourLegendSymbol(platform::TCanvas& canvas, int x0, int yc, int w, int hh)
{
  const int gx = x0 + w / 2;
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.Pen().SetColor(platform::TColor(0x0000FF));
  canvas.Ellipse(gx - w / 8, yc - hh / 4, gx + w / 8, yc + hh / 4);
  canvas.Pen().SetColor(platform::TColor(0x008000));
  canvas.Ellipse(gx - w / 4, yc - hh / 2, gx + w / 4, yc + hh / 2);
  canvas.Pen().SetColor(platform::TColor(0xFF0000));
  canvas.Ellipse(x0 + 2, yc - hh, x0 + w - 2, yc + hh);
}

}  // namespace plot
