// The graph's mouse handling: legend boxes are dragged, the zoom takes the presses in zoom mode,
// and the rest goes to the annotation, info and ordinary layers; the status bar shows where the
// mouse is in world coordinates.
#include "plot/graph/Graph.h"

#include "plot/contour/Contour.h"
#include "plot/graph/SeriesLayer.h"
#include "plot/support/NumberText.h"

#include "platform/Menus.h"

#include <algorithm>
#include <cmath>

namespace plot {

using platform::TMouseButton;
using platform::TShiftState;

namespace {

// No position, or a paint under way: then the event only shows the hourglass.
bool Ignored(TGraph& g, int x, int y)
{
  if (x == -1 && y == -1)
    return true;
  if (g.Painting)
    g.Image->SetCursor(platform::crHourGlass);
  return g.Painting;
}

// The plot area, widened by the depth up and to the right in the 3-D view; edges included.
bool InPlotArea(const TGraph& g, int x, int y)
{
  platform::TRect area = g.PlotRect;
  if (g.View3D > 0) {
    area.Top -= g.Depth;
    area.Right += g.Depth;
  }
  return x >= area.Left && x <= area.Right && y >= area.Top && y <= area.Bottom;
}

double ToData(const TAxis& axis, double v)
{
  return axis.Log ? static_cast<double>(std::pow(10.0L, static_cast<long double>(v))) : v;
}

QString Prefix(const TAxis& axis, const char* fallback)
{
  return axis.Name.isEmpty() ? QString::fromLatin1(fallback) : axis.Name + QLatin1Char('=');
}

// The legend box being dragged: the series legend first, then the colour legends.
TAbstractLegend* DraggedLegend(TGraph& g)
{
  if (g.Legend->Dragging)
    return g.Legend.get();
  for (auto& legend : g.ColorLegends)
    if (legend->Dragging)
      return legend.get();
  return nullptr;
}

// The visible legend box under the point: the series legend first, then the colour legends.
bool Over(const TAbstractLegend& legend, int x, int y)
{
  return legend.GetVisible() && !legend.BoxRect.IsEmpty() && PointInPixelRect(legend.BoxRect, {x, y});
}

TAbstractLegend* LegendAt(TGraph& g, int x, int y)
{
  if (Over(*g.Legend, x, y))
    return g.Legend.get();
  for (auto& legend : g.ColorLegends)
    if (Over(*legend, x, y))
      return legend.get();
  return nullptr;
}

// Runs op on the layers from the last to the first, each with its axes active, until one reports
// a hit; the axes flags are cleared afterwards.
template <typename Op>
bool AskLayersFromLast(TGraph& g, const Op& op)
{
  bool hit = false;
  for (int i = g.GetLayerCount() - 1; i >= 0 && !hit; --i) {
    TLayer* layer = g.GetLayer(i);
    if (!layer)
      continue;
    g.ActiveOnX2 = layer->GetOnX2();
    g.ActiveOnY2 = layer->GetOnY2();
    op(*layer);
    hit = layer->HitIndex != -1;
  }
  g.ActiveOnX2 = false;
  g.ActiveOnY2 = false;
  return hit;
}

class TReadout {
public:
  explicit TReadout(TGraph& graph) : g_(graph) {}

  void Show(int x, int y)
  {
    const double wx = ToData(*g_.XAxis, g_.ScreenToX(x));
    const double wy = ToData(*g_.YAxis, g_.ScreenToY(y));
    Panel(0, Prefix(*g_.XAxis, "X=") + Number(*g_.XAxis, wx));
    Panel(1, Prefix(*g_.YAxis, "Y=") + Number(*g_.YAxis, wy));
    for (const auto& layer : g_.Layers) {
      if (const auto* contour = dynamic_cast<const TContour*>(layer.get())) {
        const double z = InterpolateGrid(contour->XValues, contour->YValues, contour->ZValues, wx, wy);
        const QString name = contour->Name.isEmpty() ? QStringLiteral("Z=") : contour->Name + QLatin1Char('=');
        g_.StatusBar->SetPanelText(2, name + (z == MissingValue ? QStringLiteral("n/a")
                                                                : QString::fromStdString(GeneralText(z, 5))));
        break;
      }
    }
  }

  void ShowNothing()
  {
    Panel(0, Prefix(*g_.XAxis, "X=") + QStringLiteral("n/a"));
    Panel(1, Prefix(*g_.YAxis, "Y=") + QStringLiteral("n/a"));
  }

private:
  static QString Number(const TAxis& axis, double v)
  {
    return QString::fromStdString(FloatToLabelText(axis.Decimals + 1, 1, v));
  }

  // The text, in a panel as wide as "99" and the text in the status bar's font.
  void Panel(int panel, const QString& text)
  {
    platform::TFont& font = g_.Canvas->Font();
    const platform::TFontData saved = font.Data();
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(8);
    font.SetCharset(g_.Charset);
    const int width = g_.Canvas->TextWidth(QStringLiteral("99") + text);
    font.SetData(saved);
    g_.StatusBar->SetPanelWidth(panel, width);
    g_.StatusBar->SetPanelText(panel, text);
  }

  TGraph& g_;
};

}  // namespace

void TGraph::MouseMove(TShiftState shift, int x, int y)
{
  if (Ignored(*this, x, y))
    return;
  for (int i = GetLayerCount() - 1; i >= 0; --i)
    if (TLayer* layer = GetLayer(i))
      layer->MouseMovePassive(shift, x, y);
  if (TAbstractLegend* legend = DraggedLegend(*this)) {
    legend->DragMove(x, y);
    return;
  }
  if (LegendAt(*this, x, y)) {
    Image->SetCursor(kMoveItCursor);
    return;
  }
  if (!InPlotArea(*this, x, y)) {
    if (StatusBar)
      TReadout(*this).ShowNothing();
    Annotations->MouseMoveActive(shift, x, y);
    return;
  }
  if (StatusBar)
    TReadout(*this).Show(x, y);
  if (Zoom.Dragging) {
    Image->SetCursor(kZoomInCursor);
    Zoom.DragTo(x, y, ScreenToX(x), ScreenToY(y));
  } else if (Zoom.Enabled) {
    Image->SetCursor(AnimatedZoom ? kAnimatedZoomCursor : kZoomInCursor);
  } else {
    Annotations->MouseMoveActive(shift, x, y);
    if (Annotations->HitIndex != -1 || (Plot && Plot->FigureToolSelected()))
      return;
    AskLayersFromLast(*this, [&](TLayer& layer) { layer.MouseMoveActive(shift, x, y); });
  }
}

void TGraph::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  if (Ignored(*this, x, y))
    return;
  if (TAbstractLegend* legend = LegendAt(*this, x, y)) {
    legend->DragStart(x, y);
    return;
  }
  if (!InPlotArea(*this, x, y))
    return;
  if (Zoom.Enabled && button == platform::mbLeft) {
    Image->SetCursor(kZoomInCursor);
    Zoom.StartZoom(x, y, ScreenToX(x), ScreenToY(y));
    return;
  }
  Annotations->MouseDown(button, shift, x, y);
  // A press on a figure, or with a drawing tool, is the annotation layer's alone: no series under
  // it pins a bubble or opens its menu.
  if (Annotations->HitIndex != -1 || (Plot && Plot->FigureToolSelected()))
    return;
  InfoClicked = false;
  Info->MouseDown(button, shift, x, y);
  if (InfoClicked)
    return;
  if (!AskLayersFromLast(*this, [&](TLayer& layer) { layer.MouseMoveActive(shift, x, y); }))
    Image->SetCursor(platform::crDefault);
  const bool taken = AskLayersFromLast(*this, [&](TLayer& layer) { layer.MouseDown(button, shift, x, y); });
  if (!taken && button == platform::mbRight && PopupMenu && PopupMenu->Items().Count() > 0 &&
      PopupMenuItems != TPopupMenuItems{}) {
    const platform::TPoint at = Image->ClientToScreen({x, y});
    PopupMenu->Popup(at.X, at.Y);
  }
}

void TGraph::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  if (Ignored(*this, x, y))
    return;
  if (TAbstractLegend* legend = DraggedLegend(*this)) {
    legend->DragEnd(x, y);
    return;
  }
  if (Zoom.Dragging) {
    // A band released beyond the plot ends at its edge.
    x = std::clamp(x, PlotRect.Left, PlotRect.Right);
    y = std::clamp(y, PlotRect.Top, PlotRect.Bottom);
    Zoom.EndZoom(x, y, ToData(*XAxis, ScreenToX(x)), ToData(*YAxis, ScreenToY(y)));
    Paint();
    const TFloatRect& r = Range;
    if (OnZoomEnded)
      OnZoomEnded(*this, r.Left, r.Bottom, r.Right, r.Top);
    Image->SetCursor(platform::crDefault);
    return;
  }
  if (!InPlotArea(*this, x, y))
    return;
  Annotations->MouseUp(button, shift, x, y);
  for (int i = 0; i < GetLayerCount(); ++i) {
    TLayer* layer = GetLayer(i);
    if (!AsSeries(layer))
      continue;
    ActiveOnX2 = layer->GetOnX2();
    ActiveOnY2 = layer->GetOnY2();
    layer->MouseUp(button, shift, x, y);
  }
  ActiveOnX2 = false;
  ActiveOnY2 = false;
}

}  // namespace plot
