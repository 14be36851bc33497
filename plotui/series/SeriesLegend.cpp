#include "plotui/series/SeriesLegend.h"

#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"
#include "plot/parts/LegendFont.h"
#include "plot/support/ColorShades.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

#include <cmath>

namespace plotui {

using platform::SafeRound;
using platform::TColor;

namespace {

// The entry colour that draws the bar symbol as four colour bands.
constexpr TColor kRainbowEntryColor = 123456;

// Black while printing or previewing in black and white.
platform::TColor PenColor(platform::TColor color)
{
  return plot::BlackAndWhiteApplies() ? platform::clBlack : color;
}

}  // namespace

TSeriesLegend::TSeriesLegend(plot::TGraph& graph) : plot::TLegend(graph, QString())
{
  LineWidth = 1;
  Marker->HighlightMode = 3;
  Visible = true;
}

void TSeriesLegend::DrawSymbol()
{
  const plot::TWLegend& legend = *Graph->Legend;
  plot::TLegendFontScope font(*Graph, legend.Font, true);
  platform::TCanvas& canvas = font.Canvas;
  const int w = canvas.TextWidth(plot::kLegendSymbolText);
  const int h = SafeRound(0.65 * canvas.TextHeight(QStringLiteral("()")));
  // The box stands left of its place by its shadow on the right-hand side; the symbol goes along.
  const int x0 = legend.Style == plot::lsRight && legend.ShadowVisible ? X - legend.ShadowThickness * Graph->UnitHeight : X;
  const bool side = legend.Style == plot::lsRight || legend.Style == plot::lsLeft;
  const int y = side ? Y + 2 * (h / 3) : Y + legend.GetLineHeight() / 2;
  platform::TPen& pen = canvas.Pen();
  pen.SetStyle(LineStyle);
  pen.SetColor(PenColor(Color));
  pen.SetWidth(GetPenWidth());
  const TSeries* series = dynamic_cast<const TSeries*>(Layer);
  switch (SeriesStyle) {
  case plot::kStyleLine:
  case plot::kStyleLineAndPoint:
    canvas.MoveTo(x0 + w / 4, y);
    canvas.LineTo(x0 + 3 * w / 4, y);
    break;
  case plot::kStylePiecewiseConstant:
    canvas.MoveTo(x0 + 4 * w / 16, y + h);
    canvas.LineTo(x0 + 4 * w / 16, y + h / 2);
    canvas.LineTo(x0 + 4 * w / 8, y + h / 2);
    canvas.LineTo(x0 + 4 * w / 8, y);
    canvas.LineTo(x0 + 3 * w / 4, y);
    break;
  case plot::kStyleVolume: {
    pen.SetWidth(2);
    const int step = w / 16;
    const int tops[] = {y - h / 2, y - h / 3, y - h / 4};
    for (int k = 0; k < 3; ++k) {
      canvas.MoveTo(x0 + (2 + 4 * k) * step, y + h / 2);
      canvas.LineTo(x0 + (2 + 4 * k) * step, tops[k]);
    }
    if (!Marker || !series) {
      canvas.MoveTo(x0 + 14 * step, y + h / 2);
      canvas.LineTo(x0 + 14 * step, y - h / 5);
    } else if (series->ShowMarkers) {
      Marker->DrawAtPixel(x0 + 14 * step, y, Marker->Size + 1);
    }
    break;
  }
  case plot::kStyleBar:
  case plot::kStyleDepthBar:
    DrawBarSymbol(x0 + w / 2, y, h);
    break;
  case plot::kStyleArea:
    DrawAreaSymbol(x0 + w / 2, y, h);
    break;
  default:
    break;
  }
  pen.SetWidth(1);
  pen.SetStyle(platform::TPenStyle::psSolid);
  if (SeriesStyle == plot::kStylePoints || SeriesStyle == plot::kStyleLineAndPoint ||
      SeriesStyle == plot::kStyleMatrix) {
    Marker->DrawAtPixel(x0 + w / 2, y, Marker->Size + 1);
  }
}

void TSeriesLegend::DrawBarSymbol(int x, int y, int h)
{
  platform::TCanvas& canvas = Graph->TargetCanvas();
  const int left = x - h / 2, right = x + h / 2, top = y - h / 2, bottom = y + 3 * h / 4;
  canvas.Pen().SetColor(PenColor(plot::DarkenColor(Color, 128)));
  if (Color == kRainbowEntryColor) {
    const TColor bands[] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000};
    const int height = bottom - top;
    for (int k = 0; k < 4; ++k) {
      canvas.Brush().SetColor(bands[k]);
      canvas.FillRect({left, top + k * height / 4, right, top + (k + 1) * height / 4});
    }
    canvas.Pen().SetColor(PenColor(0x808080));
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  } else {
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color);
  }
  canvas.Rectangle(left, top, right, bottom);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  if (Graph->View3D != 0)
    DrawDepthFaces(left, top, right, bottom, false);
}

void TSeriesLegend::DrawAreaSymbol(int x, int y, int h)
{
  platform::TCanvas& canvas = Graph->TargetCanvas();
  const int left = x - h / 2, right = x + h / 2, top = y - 3 * h / 4, bottom = y + 3 * h / 4;
  canvas.Pen().SetColor(PenColor(plot::DarkenColor(Color, 128)));
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color);
  const std::vector<platform::TPoint> points{{left, top}, {right, y}, {right, bottom}, {left, bottom}};
  canvas.Polygon(points);
  if (Graph->View3D != 0)
    DrawDepthFaces(left, top, right, bottom, true);
}

// A right face and a top face of depth round(width * sqrt(2) / 4).
void TSeriesLegend::DrawDepthFaces(int left, int top, int right, int bottom, bool slanted)
{
  platform::TCanvas& canvas = Graph->TargetCanvas();
  const int d = SafeRound((right - left) * std::sqrt(2.0) / 4);
  const int topRight = slanted ? (top + bottom) / 2 : top;
  canvas.Brush().SetColor(plot::DarkenColor(Color, 64));
  canvas.Polygon(std::vector<platform::TPoint>{
      {right, topRight}, {right + d, topRight - d}, {right + d, bottom - d}, {right, bottom}});
  canvas.Brush().SetColor(plot::DarkenColor(Color, 20));
  canvas.Polygon(std::vector<platform::TPoint>{{left, top}, {left + d, top - d}, {right + d, topRight - d}, {right, topRight}});
}

}  // namespace plotui
