#include "plot/graph/Graph.h"
#include "plot/parts/Legend.h"
#include "plot/parts/LegendFont.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

namespace plot {

using platform::SafeRound;

TLegendFontScope::TLegendFontScope(const TGraph& graph, const platform::TFont& font, bool halfInPreview)
    : Canvas(graph.TargetCanvas()), saved_(Canvas.Font().Data())
{
  platform::TFont& target = Canvas.Font();
  target.SetName(font.Name());
  target.SetStyle(font.Style());
  target.SetColor(font.Color());
  target.SetCharset(graph.Charset);
  const bool half = halfInPreview && GraphLibrary().PrintPreviewing;
  target.SetSize(half ? SafeRound(font.Size() * 0.5) : font.Size());
}

TLegendFontScope::~TLegendFontScope() { Canvas.Font().SetData(saved_); }

TLegend::TLegend(TGraph& graph, const QString& caption)
    : Graph(&graph), Caption(caption), Marker(std::make_unique<TMarker>(graph, nullptr, 0, 4, platform::clBlack))
{
}

bool TLegend::GetVisible() const { return Layer ? Layer->GetVisible() && Visible : Visible; }

int TLegend::GetWidth() const
{
  if (Layer && !Layer->GetVisible())
    return 0;
  TLegendFontScope font(*Graph, Graph->Legend->Font, true);
  return font.Canvas.TextWidth(Caption) + font.Canvas.TextWidth(kLegendSymbolText);
}

int TLegend::GetHeight() const
{
  if (Layer && !Layer->GetVisible())
    return 0;
  TLegendFontScope font(*Graph, Graph->Legend->Font, true);
  return font.Canvas.TextHeight(QStringLiteral("()"));
}

void TLegend::SetPosition(int x, int y)
{
  X = x;
  Y = y;
}

int TLegend::GetPenWidth() const
{
  if (!PrinterPrinting())
    return LineWidth;
  platform::TFont font;
  font.SetName(Graph->Legend->Font.Name());
  font.SetSize(LineWidth);
  TLegendFontScope scope(*Graph, font, true);
  return scope.Canvas.TextWidth(QStringLiteral("a"));
}

void TLegend::Draw()
{
  if (!GetVisible())
    return;
  DrawSymbol();
  const TWLegend& legend = *Graph->Legend;
  const int height = GetHeight();
  platform::TCanvas& canvas = Graph->TargetCanvas();
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  TLegendFontScope font(*Graph, legend.Font, true);
  if (BlackAndWhiteApplies())
    canvas.Font().SetColor(platform::clBlack);
  const bool shadowRight = legend.Style == lsRight && legend.ShadowVisible;
  int x = X + canvas.TextWidth(kLegendSymbolText);
  if (shadowRight)
    x -= legend.ShadowThickness * Graph->UnitHeight;
  int y = Y + SafeRound(height / 8.0);
  if (GraphLibrary().PrintPreviewing)
    y = Y + height;
  else if (shadowRight)
    y = Y + height / 8;
  canvas.TextOut(x, y, Caption);
}

}  // namespace plot
