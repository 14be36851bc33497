#include "plot/graph/Graph.h"

#include "plot/graph/SeriesLayer.h"

#include "platform/CanvasRounding.h"

#include <climits>
#include <cmath>
#include <numbers>
#include <utility>

namespace plot {

namespace {

const long double kLn10 = std::log(10.0L);

// Round half to even; beyond the integer range (or not a number) +-2147483647.
int ScreenCoord(long double v)
{
  if (v > -2147483647.5L && v < 2147483647.5L)  // rounds within -INT_MAX..INT_MAX
    return static_cast<int>(std::llrint(v));
  return v > 0 ? INT_MAX : -INT_MAX;
}

// An interval of no length is widened by 1 each way.
void WidenIfEmpty(long double& low, long double& high)
{
  if (low != high)
    return;
  low -= 1;
  high += 1;
}

}  // namespace

double TGraph::SafeLog10(double v) const
{
  const double floor = MinimumLogValue;
  const double x = v > floor ? v : floor;  // not-a-number fails the test and takes the floor
  return static_cast<double>(std::log(static_cast<long double>(x)) / kLn10);
}

// k * v + b in pixels, v taken as its logarithm on a logarithmic axis.
static int AxisToScreen(const TGraph& graph, const TAxis& axis, double k, double b, double v)
{
  if (axis.Log)
    v = graph.SafeLog10(v);
  return ScreenCoord(static_cast<long double>(k) * v + b);
}

int TGraph::XToScreen(double x) const { return ActiveOnX2 ? X2ToScreen(x) : X1ToScreen(x); }
int TGraph::YToScreen(double y) const { return ActiveOnY2 ? Y2ToScreen(y) : Y1ToScreen(y); }
int TGraph::X1ToScreen(double x) const { return AxisToScreen(*this, *XAxis, KX, BX, x); }
int TGraph::Y1ToScreen(double y) const { return AxisToScreen(*this, *YAxis, KY, BY, y); }
int TGraph::X2ToScreen(double x) const { return AxisToScreen(*this, *XAxis2, KX2, BX2, x); }
int TGraph::Y2ToScreen(double y) const { return AxisToScreen(*this, *YAxis2, KY2, BY2, y); }

double TGraph::ScreenToX(int p) const { return ActiveOnX2 ? ScreenToX2(p) : (p - BX) / KX; }
double TGraph::ScreenToY(int p) const { return ActiveOnY2 ? ScreenToY2(p) : (p - BY) / KY; }
double TGraph::ScreenToX2(int p) const { return (p - BX2) / KX2; }
double TGraph::ScreenToY2(int p) const { return (p - BY2) / KY2; }
double TGraph::ScreenToXDistance(int d) const { return d / (ActiveOnX2 ? KX2 : KX); }

int TGraph::GetTextAngle(double angleDeg) const
{
  const long double a = angleDeg * std::numbers::pi_v<long double> / 180;
  const double xMin = ActiveOnX2 ? Range2.Left : Range.Left;
  const double yMin = ActiveOnY2 ? Range2.Top : Range.Top;
  const double dx = static_cast<double>(std::cos(a) * 1000 + xMin);
  const double dy = static_cast<double>(std::sin(a) * 1000 + yMin);
  const int b = XToScreen(xMin);
  const int c = XToScreen(dx);
  const int d = YToScreen(yMin);
  const int e = YToScreen(dy);
  if (c == b)
    return 90;
  const long double angle = std::atan2(static_cast<long double>(d) - e, static_cast<long double>(c) - b) * 180 /
                            std::numbers::pi_v<long double>;
  return std::isfinite(angle) ? static_cast<int>(std::nearbyint(angle)) : 0;
}

void TGraph::ComputeCoefficients(const platform::TRect& r)
{
  // A rectangle without width or height is widened by a pixel each way, a degenerate range by 1.
  long double l = r.Left, t = r.Top, right = r.Right, b = r.Bottom;
  WidenIfEmpty(l, right);
  WidenIfEmpty(t, b);
  const auto set = [&](const TFloatRect& range, double& kx, double& bx, double& ky, double& by) {
    long double xMin = range.Left, xMax = range.Right, yMin = range.Top, yMax = range.Bottom;
    WidenIfEmpty(xMin, xMax);
    WidenIfEmpty(yMin, yMax);
    ky = static_cast<double>((t - b) / (yMax - yMin));
    by = static_cast<double>(b - ky * yMin);
    bx = static_cast<double>((right * xMin - l * xMax) / (xMin - xMax));
    kx = static_cast<double>((l - right) / (xMin - xMax));
  };
  set(Range, KX, BX, KY, BY);
  set(Range2, KX2, BX2, KY2, BY2);
}

TFloatRect TGraph::GetRange() const
{
  TFloatRect r = Range;
  if (ActiveOnX2) {
    r.Left = Range2.Left;
    r.Right = Range2.Right;
  }
  if (ActiveOnY2) {
    r.Top = Range2.Top;
    r.Bottom = Range2.Bottom;
  }
  return r;
}

TAxis& TGraph::XAxisInUse() const { return ActiveOnX2 ? static_cast<TAxis&>(*XAxis2) : *XAxis; }
TAxis& TGraph::YAxisInUse() const { return ActiveOnY2 ? static_cast<TAxis&>(*YAxis2) : *YAxis; }

TFloatRect TGraph::GetDrawRange() const
{
  TFloatRect r = GetRange();
  if (XAxisInUse().Inverted)
    std::swap(r.Left, r.Right);
  if (YAxisInUse().Inverted)
    std::swap(r.Top, r.Bottom);
  return r;
}

TFloatRect TGraph::GetWorldRange() const
{
  TFloatRect r = GetDrawRange();
  const auto power = [](double v) { return static_cast<double>(std::pow(10.0L, static_cast<long double>(v))); };
  if (XAxisInUse().Log) {
    r.Left = power(r.Left);
    r.Right = power(r.Right);
  }
  if (YAxisInUse().Log) {
    r.Top = power(r.Top);
    r.Bottom = power(r.Bottom);
  }
  return r;
}

void TGraph::SetRange(const TFloatRect& r)
{
  Range = r;
  XAxis->ApplyNiceRange();
  YAxis->ApplyNiceRange();
  XAxis2->ApplyNiceRange();
  YAxis2->ApplyNiceRange();
  CalculatePlotRect();
}

bool TGraph::IsXLog() const
{
  return ActiveLayer && ActiveLayer->GetOnX2() ? XAxis2->Log : XAxis->Log;
}
bool TGraph::IsYLog() const
{
  return ActiveLayer && ActiveLayer->GetOnY2() ? YAxis2->Log : YAxis->Log;
}
bool TGraph::IsXInverted() const
{
  return ActiveLayer && ActiveLayer->GetOnX2() ? XAxis2->Inverted : XAxis->Inverted;
}
bool TGraph::IsYInverted() const
{
  return ActiveLayer && ActiveLayer->GetOnY2() ? YAxis2->Inverted : YAxis->Inverted;
}

int TGraph::GetDepthCount() const
{
  int count = GetBarSlotCount() > 0 ? 1 : 0;
  for (const auto& layer : Layers) {
    const TSeriesLayer* series = AsSeries(layer.get());
    if (series && series->GetVisible() && series->GetStyle() != kStyleBar)
      ++count;
  }
  return BarStyle == bsZOrdered ? count - 1 : count;
}

int TGraph::GetDepthIndex(const TLayer* layer) const
{
  const TSeriesLayer* target = AsSeries(layer);
  const bool targetIsBar = target && target->GetStyle() == kStyleBar;
  int count = 0;
  for (auto it = Layers.rbegin(); it != Layers.rend(); ++it) {
    const TSeriesLayer* series = AsSeries(it->get());
    if (!series || !series->GetVisible())
      continue;
    if (series->GetStyle() == kStyleMatrix)
      return GetDepthCount();
    if (series == layer || (targetIsBar && series->GetStyle() == kStyleBar))
      return count;
    ++count;
  }
  return count;
}

int TGraph::GetDepthShift(int index, int count) const
{
  if (count <= 0 || View3D <= 0)
    return 0;
  return platform::SafeRound(static_cast<long double>(index) * Depth / count);
}

}  // namespace plot
