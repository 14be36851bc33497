#include "plot/contour/ContourLegend.h"

#include "plot/graph/Graph.h"
#include "plot/parts/LegendFont.h"

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

void TContourLegend::DrawSymbol()
{
  const TWLegend& legend = *Graph->Legend;
  const TLegendFontScope font(*Graph, legend.Font, true);
  platform::TCanvas& canvas = font.Canvas;
  const int w = canvas.TextWidth(kLegendSymbolText);
  const int hh = ContourLegendHalfHeight(canvas.TextHeight(QStringLiteral("()")));
  canvas.Pen().SetStyle(LineStyle);
  canvas.Pen().SetColor(GetColor());
  canvas.Pen().SetWidth(GetPenWidth());
  const bool rows = legend.Style == lsRight || legend.Style == lsLeft;
  const int yc = Y + (rows ? hh : legend.GetLineHeight() / 2);
  DrawContourLegendSymbol(canvas, X, yc, w, hh);
}

}  // namespace plot
