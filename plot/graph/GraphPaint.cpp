#include "plot/graph/Graph.h"

#include "plot/graph/SeriesLayer.h"
#include "plot/support/DxfWriter.h"
#include "plot/support/GraphLibrary.h"

#include "platform/Application.h"

#include <optional>

namespace plot {

// Marks a paint from its start to its end, also when drawing raises: the clip is reset, the
// wrappers go, the progress panel is emptied, the cursor returns and the image is the target again.
class TGraph::TPaintScope {
public:
  explicit TPaintScope(TGraph& graph) : graph_(graph)
  {
    graph.paintPen_ = std::make_unique<TWPen>(graph);
    graph.paintBrush_ = std::make_unique<TWBrush>(graph);
    graph.Painting = true;
  }
  ~TPaintScope()
  {
    hourglass_.reset();
    if (graph_.StatusBar)
      graph_.StatusBar->SetPanelText(2, {});
    graph_.ResetClip();
    graph_.paintBrush_.reset();
    graph_.paintPen_.reset();
    graph_.Canvas = &graph_.Image->Canvas();  // a metafile or printer target may go after the paint
    graph_.Painting = false;
  }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

  void ShowHourglass() { hourglass_.emplace(); }

private:
  TGraph& graph_;
  std::optional<platform::HourglassCursor> hourglass_;
};

// Floating-point faults inside a paint give infinities or not-a-number values: the program runs
// with every floating-point exception masked, and pixel conversions saturate.
void TGraph::Paint()
{
  if (Painting)
    return;
  TPaintScope scope(*this);
  if (OnBeforeStartDraw)
    OnBeforeStartDraw(*this);
  scope.ShowHourglass();
  Canvas = &TargetCanvas();
  if (!GraphLibrary().PrintPreviewing)
    ImageRect = PrinterPrinting() ? PrintRect : platform::TRect{0, 0, Image->Width(), Image->Height()};
  UnitHeight = GetUnitHeight();
  ResetClip();
  paintPen_->SetColor(platform::clBlack);

  ComputeRanges(true);
  AddMargins();
  if (Legend->Style == lsInside)
    Legend->PlaceInside(PlotRect);

  for (const TPaintStep step : kPaintOrder)
    if (!DrawStep(step))
      return;
}

namespace {

void Raise(const TGraphEvent& event, TGraph& graph)
{
  if (event)
    event(graph);
}

}  // namespace

bool TGraph::DrawStep(TPaintStep step)
{
  switch (step) {
  case TPaintStep::Background:
    FillBackground();
    break;
  case TPaintStep::BeforePictureEvent:
    Raise(OnBeforePictureDraw, *this);
    break;
  case TPaintStep::FixedPicture:
    if (Picture->Style == psFix)
      Picture->Draw();
    break;
  case TPaintStep::Frame:
    Frame->Draw();
    break;
  case TPaintStep::Picture:
    if (Picture->Style != psFix)
      Picture->Draw();
    break;
  case TPaintStep::Title:
    Title->Draw();
    break;
  case TPaintStep::Foot:
    Foot->Draw();
    break;
  case TPaintStep::OutsideXAxis:
    if (XAxis->Location == alOutside)
      XAxis->Draw();
    break;
  case TPaintStep::OutsideYAxis:
    if (YAxis->Location == alOutside)
      YAxis->Draw();
    break;
  case TPaintStep::XAxis2:
    XAxis2->Draw();
    break;
  case TPaintStep::YAxis2:
    YAxis2->Draw();
    break;
  case TPaintStep::OutsideLegend:
    if (Legend->Style != lsInside)
      Legend->Draw();
    break;
  case TPaintStep::ColorLegends:
    for (auto& legend : ColorLegends)
      legend->Draw();
    break;
  case TPaintStep::BeforeDrawEvent:
    Raise(OnBeforeDraw, *this);
    break;
  case TPaintStep::Layers:
    return DrawLayers();
  case TPaintStep::InsideXAxis:
    ActiveOnX2 = false;
    ActiveOnY2 = false;
    if (XAxis->Location == alInside)
      XAxis->Draw();
    break;
  case TPaintStep::InsideYAxis:
    if (YAxis->Location == alInside)
      YAxis->Draw();
    break;
  case TPaintStep::Annotations:
    Annotations->Draw();
    break;
  case TPaintStep::AfterDrawEvent:
    Raise(OnAfterDraw, *this);
    break;
  case TPaintStep::ResetClip:
    ResetClip();
    break;
  case TPaintStep::InsideLegend:
    if (Legend->Style == lsInside)
      Legend->Draw();
    break;
  case TPaintStep::Info:
    if (Info->GetVisible())
      Info->Draw();
    break;
  }
  return true;
}

void TGraph::FillBackground()
{
  const bool paper = PrinterPrinting() || GraphLibrary().PrintPreviewing;
  paintBrush_->SetColor(paper ? platform::clWhite : BackColor);
  if (DXFWriter().Active)
    return;
  paintPen_->SetStyle(platform::TPenStyle::psClear);
  paintBrush_->Rectangle(ImageRect);
  paintPen_->SetStyle(platform::TPenStyle::psSolid);
  Gradient->Draw(ImageRect);
}

void TGraph::ShowPaintProgress(const TLayer& layer)
{
  if (AnimatedZoom || !StatusBar || !layer.GetVisible())
    return;
  const QString verb = PrinterPrinting() ? QStringLiteral("Printing ") : QStringLiteral("Drawing ");
  StatusBar->SetPanelText(2, verb + layer.Name + QStringLiteral("..."));
}

namespace {

bool IsGroupedBarStyle(TBarStyle style) { return style == bsClustered || style == bsStacked || style == bs100Stacked; }

const TLayer* LastVisibleBar(const std::vector<std::unique_ptr<TLayer>>& layers)
{
  for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
    const TSeriesLayer* series = AsSeries(it->get());
    if (series && series->GetVisible() && series->GetStyle() == kStyleBar)
      return series;
  }
  return nullptr;
}

}  // namespace

// Bar series of the grouped styles are drawn together, point index by point index, in the place
// of the last one; the others in list order. Pending events are processed before each layer, and
// the list is looked at again afterwards: a layer may have gone meanwhile.
bool TGraph::DrawLayers()
{
  bool firstBar = true;
  const auto barGroupMember = [&](const TLayer* layer) {
    const TSeriesLayer* series = AsSeries(layer);
    return series && IsGroupedBarStyle(BarStyle) && firstBar && GetBarSlotCount() > 0 &&
           series->GetStyle() == kStyleBar;
  };
  for (int i = 0; i < GetLayerCount(); ++i) {
    TLayer* layer = Layers[i].get();
    if (!layer)
      continue;
    ActiveLayer = layer;
    if (barGroupMember(layer) && layer != LastVisibleBar(Layers))
      continue;
    ActiveOnX2 = layer->GetOnX2();
    ActiveOnY2 = layer->GetOnY2();
    ShowPaintProgress(*layer);
    if (!PrinterPrinting() && !GraphLibrary().PrintPreviewing && !AnimatedZoom) {
      ProcessMessages();
      if (!ActiveLayer)
        return false;
      i = IndexOfLayer(layer);
      if (i < 0)
        return false;
    }
    ResetClip();
    SetClip();
    if (!layer->GetVisible())
      continue;
    if (barGroupMember(layer)) {
      if (layer != LastVisibleBar(Layers))
        continue;
      DrawBarGroup();
      firstBar = false;
    } else
      layer->Draw();
  }
  return true;
}

void TGraph::DrawBarGroup()
{
  const int n = GetMaxVisibleBarPointCount();
  const int slotCount = GetBarSlotCount();
  double xMin, xMax, yMin, yMax;
  GetBarExtents(xMin, xMax, yMin, yMax);
  const bool descending = (ActiveOnX2 ? static_cast<const TAxis&>(*XAxis2) : *XAxis).Inverted;
  for (int step = 0; step < n; ++step) {
    const int p = descending ? n - 1 - step : step;
    StackBase = 0;
    int k = -1;
    for (const auto& entry : Layers) {
      TLayer* layer = entry.get();
      if (!layer)
        continue;
      ActiveLayer = layer;
      TSeriesLayer* series = AsSeries(layer);
      const bool bar = series && series->GetVisible() && series->GetStyle() == kStyleBar;
      if (bar)
        ++k;
      ActiveOnX2 = layer->GetOnX2();
      ActiveOnY2 = layer->GetOnY2();
      if (!bar)
        continue;
      if (BarStyle == bsClustered)
        series->DrawClusteredBar(p, k, n, slotCount, xMin, xMax, yMin, yMax);
      else
        series->DrawStackedBar(p);
    }
  }
}

}  // namespace plot
