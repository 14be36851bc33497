#include "plot/graph/Graph.h"

#include "plot/graph/SeriesLayer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace plot {

namespace {

constexpr double kNoMin = 1e38;
constexpr double kNoMax = -1e38;

struct TExtents {
  double XMin = kNoMin, XMax = kNoMax, YMin = kNoMin, YMax = kNoMax;
};

// Non-finite values are missing: they never widen an extent.
void MergeMin(double& into, double v)
{
  if (std::isfinite(v) && v < into)
    into = v;
}
void MergeMax(double& into, double v)
{
  if (std::isfinite(v) && v > into)
    into = v;
}

bool IsManual(double limit) { return limit != MissingValue && std::isfinite(limit); }

bool IsVisibleSeriesOf(const TLayer* layer, TSeriesStyle style)
{
  const TSeriesLayer* series = AsSeries(layer);
  return series && series->GetVisible() && series->GetStyle() == style;
}

bool IsBarStyle(TSeriesStyle style) { return style == kStyleBar || style == kStyleDepthBar; }

// Which axes feed an extent: the primary ones, or only the layers on a second axis.
enum class TAxisPair { Primary, Second };

// Merges the visible layers (with points only, when asked); returns whether X and Y got data.
std::pair<bool, bool> MergeLayers(const std::vector<std::unique_ptr<TLayer>>& layers, TAxisPair pair, TExtents& e,
                                  bool withPointsOnly)
{
  bool foundX = false, foundY = false;
  for (const auto& layer : layers) {
    if (!layer || !layer->GetVisible() || (withPointsOnly && layer->GetCount() <= 0))
      continue;
    double xMin, xMax, yMin, yMax;
    layer->GetExtents(xMin, xMax, yMin, yMax);
    if (layer->GetOnX2() == (pair == TAxisPair::Second)) {
      MergeMin(e.XMin, xMin);
      MergeMax(e.XMax, xMax);
      foundX = true;
    }
    if (layer->GetOnY2() == (pair == TAxisPair::Second)) {
      MergeMin(e.YMin, yMin);
      MergeMax(e.YMax, yMax);
      foundY = true;
    }
  }
  return {foundX && e.XMin <= e.XMax, foundY && e.YMin <= e.YMax};
}

// The largest sum of the Y values of the bar series at one point index.
double LargestStackedSum(const std::vector<std::unique_ptr<TLayer>>& layers, int points, double start)
{
  double largest = start;
  for (int p = 0; p < points; ++p) {
    double sum = 0;
    for (const auto& layer : layers) {
      TSeriesLayer* series = AsSeries(layer.get());
      if (!series || series->GetStyle() != kStyleBar)
        continue;
      sum += series->GetPoint(p).Y;
      if (std::isfinite(sum))
        largest = std::max(largest, sum);
    }
  }
  return largest;
}

// Whole decades on a logarithmic axis.
void ToDecades(const TGraph& graph, double& lo, double& hi)
{
  hi = std::ceil(graph.SafeLog10(hi));
  lo = std::floor(graph.SafeLog10(lo));
}

// A degenerate extent around v.
void Widen(double& lo, double& hi, bool zeroGivesOneTwo, bool zeroGivesMinusOne)
{
  if (lo != hi)
    return;
  const double v = lo;
  if (v == 0 && zeroGivesOneTwo) {
    lo = 1;
    hi = 2;
  } else if (v == 0 && zeroGivesMinusOne) {
    lo = -1;
    hi = 1;
  } else {
    lo = v - std::fabs(v) / 10;
    hi = v + std::fabs(v) / 10;
  }
}

}  // namespace

TFloatRect TGraph::ComputeExtents() const
{
  TExtents e;
  const auto [foundX, foundY] = MergeLayers(Layers, TAxisPair::Primary, e, true);
  bool found = foundY;
  if (BarStyle == bsStacked && GetBarSlotCount() > 1) {
    e.YMax = LargestStackedSum(Layers, GetMaxBarPointCount(), e.YMax);
    e.YMin = 0;
    found = true;
  }
  if (BarStyle == bs100Stacked && GetBarSlotCount() > 1) {
    e.YMax = 100;
    e.YMin = 0;
    found = true;
  }
  // An axis without data (no layer on it, or only missing values) gets 1..2 or its manual limits.
  if (!foundX) {
    e.XMin = !XAxis->AutoMin && IsManual(XAxis->Minimum) ? XAxis->Minimum : 1;
    e.XMax = !XAxis->AutoMax && IsManual(XAxis->Maximum) ? XAxis->Maximum : 2;
  }
  if (!found) {
    e.YMin = !YAxis->AutoMin && IsManual(YAxis->Minimum) ? YAxis->Minimum : 1;
    e.YMax = !YAxis->AutoMax && IsManual(YAxis->Maximum) ? YAxis->Maximum : 2;
  }
  if (XAxis->Log)
    ToDecades(*this, e.XMin, e.XMax);
  if (YAxis->Log)
    ToDecades(*this, e.YMin, e.YMax);
  const bool noLayers = Layers.empty();
  Widen(e.XMin, e.XMax, noLayers, !noLayers);
  Widen(e.YMin, e.YMax, noLayers, !noLayers);
  return {e.XMin, e.YMin, e.XMax, e.YMax};
}

TFloatRect TGraph::ComputeExtents2() const
{
  TExtents e;
  const auto [foundX, foundY] = MergeLayers(Layers, TAxisPair::Second, e, true);
  const TFloatRect primary = ComputeExtents();
  if (!foundX) {
    e.XMin = primary.Left;
    e.XMax = primary.Right;
  }
  if (!foundY) {
    e.YMin = primary.Top;
    e.YMax = primary.Bottom;
  }
  if (BarStyle == bsStacked && GetBarSlotCount() > 1) {
    e.YMax = LargestStackedSum(Layers, GetMaxBarPointCount(), e.YMax);
    e.YMin = 0;
  }
  if (BarStyle == bs100Stacked && GetBarSlotCount() > 1) {
    e.YMax = 100;
    e.YMin = 0;
  }
  if (foundX && XAxis2->Log)
    ToDecades(*this, e.XMin, e.XMax);
  if (foundY && YAxis2->Log)
    ToDecades(*this, e.YMin, e.YMax);
  const bool noLayers = Layers.empty();
  Widen(e.XMin, e.XMax, noLayers, !noLayers);
  Widen(e.YMin, e.YMax, noLayers, !noLayers);
  return {e.XMin, e.YMin, e.XMax, e.YMax};
}

namespace {

// The public extents: the stacked rules only widen, an empty list gives 1..2, a zero value 1..2.
void PublicExtents(const TGraph& graph, TAxisPair pair, const TAxis& xAxis, const TAxis& yAxis, double& xMin,
                   double& xMax, double& yMin, double& yMax)
{
  TExtents e;
  MergeLayers(graph.Layers, pair, e, true);
  if (graph.BarStyle == bsStacked && graph.GetBarSlotCount() > 1) {
    e.YMax = LargestStackedSum(graph.Layers, graph.GetMaxBarPointCount(), e.YMax);
    e.YMin = std::min(e.YMin, 0.0);
  }
  if (graph.BarStyle == bs100Stacked && graph.GetBarSlotCount() > 1) {
    e.YMax = std::max(e.YMax, 100.0);
    e.YMin = std::min(e.YMin, 0.0);
  }
  if (graph.Layers.empty())
    e = {1, 2, 1, 2};
  if (xAxis.Log)
    ToDecades(graph, e.XMin, e.XMax);
  if (yAxis.Log)
    ToDecades(graph, e.YMin, e.YMax);
  Widen(e.XMin, e.XMax, true, false);
  Widen(e.YMin, e.YMax, true, false);
  xMin = e.XMin;
  xMax = e.XMax;
  yMin = e.YMin;
  yMax = e.YMax;
}

}  // namespace

void TGraph::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  PublicExtents(*this, TAxisPair::Primary, *XAxis, *YAxis, xMin, xMax, yMin, yMax);
}

void TGraph::GetExtents2(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  PublicExtents(*this, TAxisPair::Second, *XAxis2, *YAxis2, xMin, xMax, yMin, yMax);
}

void TGraph::GetLayersExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  TExtents e;
  MergeLayers(Layers, TAxisPair::Primary, e, false);
  if (Layers.empty() || !(e.XMin < e.XMax))
    e.XMin = 1, e.XMax = 2;
  if (Layers.empty() || !(e.YMin < e.YMax))
    e.YMin = 1, e.YMax = 2;
  xMin = e.XMin;
  xMax = e.XMax;
  yMin = e.YMin;
  yMax = e.YMax;
}

void TGraph::GetBarExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  TExtents e;
  bool any = false;
  for (const auto& layer : Layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (!series || !series->GetVisible() || !IsBarStyle(series->GetStyle()))
      continue;
    double x1, x2, y1, y2;
    series->GetExtents(x1, x2, y1, y2);
    MergeMin(e.XMin, x1);
    MergeMax(e.XMax, x2);
    MergeMin(e.YMin, y1);
    MergeMax(e.YMax, y2);
    any = true;
  }
  if (!any)
    e = {0, 0, 0, 0};
  if (XAxis->Inverted)
    std::swap(e.XMin, e.XMax);
  if (YAxis->Inverted)
    std::swap(e.YMin, e.YMax);
  xMin = e.XMin;
  xMax = e.XMax;
  yMin = e.YMin;
  yMax = e.YMax;
}

TFloatRect TGraph::ApplyAxisLimits(const TAxis& xAxis, const TAxis& yAxis, const TFloatRect& e) const
{
  TargetCanvas().Font().SetSize(1);
  const auto limit = [this](const TAxis& axis, bool automatic, double manual, double fromData) {
    if (automatic || !IsManual(manual))
      return fromData;
    return axis.Log ? SafeLog10(manual) : manual;
  };
  TFloatRect r;
  r.Left = limit(xAxis, xAxis.AutoMin, xAxis.Minimum, e.Left);
  r.Right = limit(xAxis, xAxis.AutoMax, xAxis.Maximum, e.Right);
  r.Top = limit(yAxis, yAxis.AutoMin, yAxis.Minimum, e.Top);
  r.Bottom = limit(yAxis, yAxis.AutoMax, yAxis.Maximum, e.Bottom);
  if (xAxis.Inverted)
    std::swap(r.Left, r.Right);
  if (yAxis.Inverted)
    std::swap(r.Top, r.Bottom);
  return r;
}

int TGraph::GetBarSeriesCount() const
{
  int count = 0;
  for (const auto& layer : Layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetVisible() && IsBarStyle(series->GetStyle()))
      ++count;
  }
  return count;
}

int TGraph::GetBarSlotCount() const { return BarStyle == bsZOrdered ? 1 : GetBarSeriesCount(); }

int TGraph::GetBarIndex(const TLayer* target) const
{
  int index = -1;
  for (const auto& layer : Layers) {
    if (!IsVisibleSeriesOf(layer.get(), kStyleBar))
      continue;
    ++index;
    if (layer.get() == target)
      return index;
  }
  return index;
}

void TGraph::ApplyBarStyle()
{
  for (const auto& layer : Layers) {
    TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetVisible() && IsBarStyle(series->GetStyle()))
      series->SetStyle(BarStyle == bsZOrdered ? kStyleDepthBar : kStyleBar);
  }
}

namespace {

int MaxPointCount(const std::vector<std::unique_ptr<TLayer>>& layers, TSeriesStyle style, bool visibleOnly)
{
  int largest = 0;
  for (const auto& layer : layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetStyle() == style && (!visibleOnly || series->GetVisible()))
      largest = std::max(largest, series->GetCount());
  }
  return largest;
}

}  // namespace

int TGraph::GetMaxBarPointCount() const { return MaxPointCount(Layers, kStyleBar, false); }
int TGraph::GetMaxVisibleBarPointCount() const { return MaxPointCount(Layers, kStyleBar, true); }

int TGraph::GetMaxMarginWidth() const
{
  const int n8 = MaxPointCount(Layers, kStyleBar, false);
  const int n10 = MaxPointCount(Layers, kStyleDepthBar, false);
  int largest = 0;
  for (const auto& layer : Layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetVisible())
      largest = std::max(largest, series->GetSymbolWidth(n8, n10));
  }
  return largest;
}

double TGraph::GetMaxBarWidth() const
{
  double largest = 0;
  for (const auto& layer : Layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetVisible())
      largest = std::max(largest, series->GetBarWidth());
  }
  return largest;
}

bool TGraph::GetClipMarkers() const { return ClipMarkers && GetBarSlotCount() == 0; }

}  // namespace plot
