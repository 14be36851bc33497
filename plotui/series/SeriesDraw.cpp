// How a series draws itself in each style, through the graph's world drawing.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"
#include "plot/support/ColorShades.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/Polygons.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>

namespace plotui {

using platform::TColor;
using plot::DarkenColor;
using plot::LightenColor;
using plot::TFloatRect;

namespace {

double Power10(double v) { return std::pow(10.0, v); }

// The width in logarithms of the X extents of the visible layers.
double LayersLogWidth(const plot::TGraph& graph)
{
  double xMin, xMax, yMin, yMax;
  graph.GetLayersExtents(xMin, xMax, yMin, yMax);
  return graph.SafeLog10(xMax) - graph.SafeLog10(xMin);
}

// The pen goes back to width 1 when a drawing operation ends.
class TPenWidthReset {
public:
  explicit TPenWidthReset(plot::TGraph& graph) : graph_(graph) {}
  ~TPenWidthReset() { graph_.Canvas->Pen().SetWidth(1); }
  TPenWidthReset(const TPenWidthReset&) = delete;
  TPenWidthReset& operator=(const TPenWidthReset&) = delete;

private:
  plot::TGraph& graph_;
};

}  // namespace

void TSeries::PreparePen()
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const TColor color = GetColor();
  Graph->SetPenColor(Graph->View3D != 0 ? DarkenColor(color, 64) : color);
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(std::clamp(LineStyle, 0, 5)));
  canvas.Pen().SetWidth(GetLineWidthPixels());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
}

void TSeries::Draw()
{
  if (Style == plot::kStyleBar || Points.empty())
    return;
  if (Graph->View3D != 0 && Graph->GetDepthCount() > 0)
    Graph->ResetClip();
  const TPenWidthReset reset(*Graph);
  switch (Style) {
  case plot::kStyleLine:
    DrawLines();
    break;
  case plot::kStyleLineAndPoint:
    DrawLines();
    DrawMarkers();
    break;
  case plot::kStyleVolume:
    DrawVolume();
    DrawMarkers();
    break;
  case plot::kStylePoints:
    DrawMarkers();
    break;
  case plot::kStylePiecewiseConstant:
    DrawPiecewiseConstant();
    break;
  case plot::kStyleArea:
    DrawArea();
    break;
  case plot::kStyleArrow:
    DrawArrows();
    break;
  default:
    for (int i = 0; i < GetCount(); ++i) {
      CurrentPoint = i;
      Graph->SetPenColor(GetColor());
      Graph->Canvas->Pen().SetMode(platform::TPenMode::pmCopy);
      Graph->Canvas->Pen().SetStyle(platform::TPenStyle::psSolid);
      if (Style == plot::kStyleDepthBar)
        DrawZOrderedBar(Graph->IsXInverted() ? GetCount() - 1 - i : i);
    }
    break;
  }
}

void TSeries::DrawLines()
{
  PreparePen();
  const bool depth = Graph->View3D != 0;
  for (const auto& d : Points) {
    if (depth)
      Graph->DrawLine3D(d.X1, d.Y1, d.X2, d.Y2);
    else
      Graph->DrawLine(d.X1, d.Y1, d.X2, d.Y2);
  }
}

bool TSeries::HasMarkerAt(int i) const
{
  const int n = GetCount();
  const int m = MarkerInterval <= 0 ? 1 : MarkerInterval;
  return static_cast<long long>(m) * 3 >= n || i % m == 0 || i == n - 1;
}

void TSeries::DrawMarkers()
{
  if (!ShowMarkers)
    return;
  const TFloatRect range = Graph->GetDrawRange();
  const bool xLog = Graph->IsXLog();
  const bool yLog = Graph->IsYLog();
  for (int i = 0; i < GetCount(); ++i) {
    const TGraphData& d = Points[static_cast<std::size_t>(i)];
    // A point without a marker has nothing to draw.
    if (!d.Marker || !HasMarkerAt(i))
      continue;
    const double x = i == 0 ? d.X1 : d.X2;
    const double y = i == 0 ? d.Y1 : d.Y2;
    const double ax = xLog ? Graph->SafeLog10(x) : x;
    const double ay = yLog ? Graph->SafeLog10(y) : y;
    if (ax < range.Left || ax > range.Right || ay < range.Top || ay > range.Bottom)
      continue;
    CurrentPoint = i;
    d.Marker->Draw(x, y);
  }
}

void TSeries::DrawVolume()
{
  PreparePen();
  const double foot = Graph->IsYLog() ? 1 : 0;
  const bool depth = Graph->View3D != 0;
  const auto line = [&](double x1, double y1, double x2, double y2) {
    if (depth)
      Graph->DrawLine3D(x1, y1, x2, y2);
    else
      Graph->DrawLine(x1, y1, x2, y2);
  };
  for (const auto& d : Points)
    line(d.X1, d.Y1, d.X1, foot);
  const TGraphData& last = Points.back();
  line(last.X2, last.Y2, last.X2, foot);
}

void TSeries::DrawArrows()
{
  PreparePen();
  for (const auto& d : Points) {
    if (d.X1 == d.X2 && d.Y1 == d.Y2)
      continue;
    Graph->DrawLine(d.X1, d.Y1, d.X2, d.Y2);
    DrawArrowHead(d.X1, d.Y1, d.X2, d.Y2);
  }
}

void TSeries::DrawArrowHead(double x1, double y1, double x2, double y2)
{
  const double p1x = Graph->XToScreen(x1), p1y = Graph->YToScreen(y1);
  const double p2x = Graph->XToScreen(x2), p2y = Graph->YToScreen(y2);
  const double theta = std::atan2(p2y - p1y, p2x - p1x);
  const double s = GetBarSymbolWidth();
  const double u = Graph->GetUnitHeight();
  const double c = std::cos(theta), sn = std::sin(theta);
  const double bx = p2x - s / 2 * u * c, by = p2y - s / 2 * u * sn;
  const double wing = 1.5 * s / 5 * u;
  const platform::TPoint b{platform::SafeRound(bx), platform::SafeRound(by)};
  const platform::TPoint w1{platform::SafeRound(bx - wing * sn - u * c), platform::SafeRound(by + wing * c - u * sn)};
  const platform::TPoint w2{platform::SafeRound(bx + wing * sn - u * c), platform::SafeRound(by - wing * c - u * sn)};
  const platform::TPoint tip{platform::SafeRound(p2x), platform::SafeRound(p2y)};
  platform::TCanvas& canvas = *Graph->Canvas;
  Graph->SetPenColor(GetColor());
  canvas.Brush().SetColor(GetColor());
  canvas.Polygon(std::vector<platform::TPoint>{b, w1, tip, w2, b});
}

void TSeries::DrawPiecewiseConstant()
{
  const bool depth = Graph->View3D != 0;
  const int n = GetCount();
  for (int i = 0; i + 1 < n; ++i) {
    PreparePen();
    const TGraphData& d = Points[static_cast<std::size_t>(i)];
    const TGraphData& next = Points[static_cast<std::size_t>(i + 1)];
    const auto line = [&](double x1, double y1, double x2, double y2) {
      if (depth)
        Graph->DrawLine3D(x1, y1, x2, y2);
      else
        Graph->DrawLine(x1, y1, x2, y2);
    };
    line(d.X2, d.Y2, next.X2, d.Y2);
    if (i + 2 < n)
      line(next.X2, d.Y2, next.X2, next.Y2);
    Graph->Canvas->Pen().SetWidth(1);
  }
}

void TSeries::DrawArea()
{
  const bool xLog = Graph->IsXLog();
  const bool yLog = Graph->IsYLog();
  const TFloatRect range = Graph->GetDrawRange();
  const double bottom = range.Top;  // axis units
  const double px = std::abs(Graph->ScreenToX(1) - Graph->ScreenToX(0));
  const double py = std::abs(Graph->ScreenToY(1) - Graph->ScreenToY(0));
  plot::TClip& clip = plot::GraphClipper();
  clip.SetRect(range.Left - px, range.Top - py, range.Right + px, range.Bottom + py);
  const auto toAxis = [&](double x, double y) {
    return plot::TFloatPoint{xLog ? Graph->SafeLog10(x) : x, yLog ? Graph->SafeLog10(y) : y};
  };
  const auto inside = [&](const plot::TFloatPoint& p) {
    return p.X > clip.XMin && p.X < clip.XMax && p.Y > clip.YMin && p.Y < clip.YMax;
  };
  // The clipped quadrilateral of each record, in data units. A quadrilateral wholly inside the
  // range comes through the clipper unchanged, so it skips it and fills the one polygon kept for
  // all such records; only those cut at the range get a polygon of their own.
  constexpr int kQuadPoints = 5;
  plot::TPoly whole;
  for (int k = 0; k < kQuadPoints; ++k)
    whole.Add(0, 0);
  plot::TPoly cutPoly;
  const auto quad = [&](const TGraphData& d) -> const plot::TPoly& {
    const plot::TFloatPoint a = toAxis(d.X1, d.Y1), b = toAxis(d.X2, d.Y2);
    const plot::TFloatPoint corners[kQuadPoints] = {a, b, {b.X, bottom}, {a.X, bottom}, a};
    const auto raise = [&](plot::TFloatPoint p) {
      return plot::TFloatPoint{xLog ? Power10(p.X) : p.X, yLog ? Power10(p.Y) : p.Y};
    };
    if (inside(a) && inside(b) && inside(corners[2]) && inside(corners[3])) {
      for (int k = 0; k < kQuadPoints; ++k) {
        const plot::TFloatPoint p = raise(corners[k]);
        whole.SetX(k + 1, p.X);
        whole.SetY(k + 1, p.Y);
      }
      return whole;
    }
    cutPoly = plot::TPoly();
    for (plot::TFloatPoint p : clip.ClipPolygon(corners)) {
      p = raise(p);
      cutPoly.Add(p.X, p.Y);
    }
    return cutPoly;
  };
  platform::TCanvas& canvas = *Graph->Canvas;
  const TColor color = GetColor();
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  if (Graph->View3D == 0) {
    // Flat: one pen and brush for every record.
    Graph->SetPenColor(DarkenColor(color, 32));
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    for (const auto& d : Points)
      if (const plot::TPoly& poly = quad(d); poly.Count != 0)
        Graph->DrawPolygon3D(poly);
    return;
  }
  Graph->SetPenColor(DarkenColor(color, 32));
  canvas.Brush().SetColor(DarkenColor(color, 32));
  for (const auto& d : Points) {
    const auto& p = quad(d).Points();
    for (std::size_t k = 1; k < p.size(); ++k) {
      const bool vertical = p[k].X == p[k - 1].X;
      const double yAxis = yLog ? Graph->SafeLog10(p[k].Y) : p[k].Y;
      const bool horizontalAbove = p[k].Y == p[k - 1].Y && yAxis > bottom;
      if (vertical || horizontalAbove)
        Graph->DrawLine3D(p[k - 1].X, p[k - 1].Y, p[k].X, p[k].Y);
    }
  }
  for (const auto& d : Points) {
    const plot::TPoly& poly = quad(d);
    if (poly.Count == 0)
      continue;
    Graph->SetPenColor(DarkenColor(color, 64));
    Graph->DrawLine3D(d.X1, d.Y1, d.X2, d.Y2);
    Graph->SetPenColor(DarkenColor(color, 32));
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    Graph->DrawPolygon3D(poly);
  }
}

// Bars.

void TSeries::DrawBarFaces(const TFloatRect& r, double right, TColor faceBrush)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const TColor color = GetColor();
  Graph->SetPenColor(DarkenColor(color, 80));
  canvas.Brush().SetColor(faceBrush);
  Graph->DrawBarSide3D(r.Left, r.Bottom, right, r.Bottom);
  canvas.Brush().SetColor(DarkenColor(color, 64));
  Graph->DrawBarSide3D(right, r.Bottom, right, r.Top);
}

bool TSeries::GetClusteredBarRect(int i, TFloatRect& rect, bool& cut, double& rightForFaces)
{
  if (Points.empty())
    return false;
  const int n = GetMaxBarCount();
  const int k = std::max(Graph->GetBarSlotCount(), 1);
  const int j = std::max(Graph->GetBarIndex(this), 0);
  const plot::TFloatPoint p = GetPoint(i);
  double xMin, xMax, yMin, yMax;
  Graph->GetBarExtents(xMin, xMax, yMin, yMax);
  const TFloatRect world = Graph->GetWorldRange();
  double w = xMax - xMin;
  if (!(w > 0))
    w = world.Right - world.Left;
  const double left0 = n < 2 ? p.X - w * BarWidth / 2 : p.X - w * BarWidth / (2.0 * n - 2);
  double slot;
  if (k == 1)
    slot = n <= 1 ? w * BarWidth : w * BarWidth / (n - 1);
  else
    slot = n < 2 ? w * BarWidth / k : w * BarWidth / ((n - 1.0) * k);
  const double left = left0 + j * slot;
  if (Graph->IsXLog())
    slot *= left;
  CurrentPoint = std::clamp(i, 0, GetCount() - 1);
  const bool xInverted = Graph->IsXInverted();
  const bool yInverted = Graph->IsYInverted();
  // The range in data units with the inverted axes' limits exchanged.
  const double xEnd = xInverted ? world.Left : world.Right;
  const double yEnd = yInverted ? world.Top : world.Bottom;
  const double yStart = yInverted ? world.Bottom : world.Top;
  double v = p.Y;
  cut = false;
  if (!yInverted && v > yEnd) {
    v = yEnd;
    cut = true;
  } else if (yInverted && v < yEnd) {
    v = yEnd;
    cut = true;
  }
  if (xInverted ? left < xEnd : left > xEnd)
    return false;
  rightForFaces = xInverted ? std::max(left + slot, xEnd) : std::min(left + slot, xEnd);
  double foot = 0, top = v;
  if (Graph->IsYLog()) {
    foot = yStart;
  } else {
    const bool downwards = yInverted ? v >= 0 : v < 0;
    if (downwards)
      std::swap(foot, top);
  }
  rect = {left, foot, left + slot, top};
  return true;
}

void TSeries::DrawClusteredBar(int p, int, int, int, double, double, double, double)
{
  TFloatRect r;
  bool cut = false;
  double right = 0;
  if (!GetClusteredBarRect(p, r, cut, right))
    return;
  const TColor color = GetColor();
  const bool downwards = Graph->IsYInverted() ? GetPoint(p).Y >= 0 : GetPoint(p).Y < 0;
  TColor face = cut ? LightenColor(color, 64) : DarkenColor(color, 32);
  if (downwards)
    face = DarkenColor(color, 128);
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  if (Graph->View3D != 0)
    DrawBarFaces(r, right, face);
  GetData(p).BarRect = r;
  Graph->SetPenColor(DarkenColor(color, 80));
  canvas.Brush().SetColor(color);
  Graph->DrawBar(r, Shaded);
}

double TSeries::StackedSum(int p, int layerEnd) const
{
  double sum = 0;
  for (int i = 0; i < std::min(layerEnd, Graph->GetLayerCount()); ++i)
    if (plot::TSeriesLayer* s = plot::AsSeries(Graph->GetLayer(i)); s && s->GetStyle() == plot::kStyleBar)
      sum += s->GetPoint(p).Y;
  return sum;
}

bool TSeries::StackedBarSpan(int p, double level, double& left, double& foot, double& top)
{
  const TFloatRect world = Graph->GetWorldRange();
  const double w = world.Right - world.Left;
  const int n = std::max(GetMaxBarCount(), 1);
  const plot::TFloatPoint point = GetPoint(std::min(p, GetCount() - 1));
  left = point.X - w * BarWidth / (2.0 * n);
  MarkerSize = std::abs(Graph->XToScreen(w * BarWidth / n) - Graph->XToScreen(0)) + 10;
  const bool yInverted = Graph->IsYInverted();
  const double yMin = yInverted ? world.Bottom : world.Top;
  const double yEnd = yInverted ? world.Top : world.Bottom;
  foot = level == 0 ? yMin : level;
  top = level + point.Y;
  if (Graph->BarStyle == plot::bs100Stacked) {
    const double sum = StackedSum(p, Graph->GetLayerCount());
    if (sum == 0) {
      // No whole to take a share of: the bar has no height.
      top = foot;
    } else {
      top = top * 100 / sum;
      if (foot > 0)
        foot = foot * 100 / sum;
    }
  }
  if (yInverted ? top < yEnd : top > yEnd) {
    top = yEnd;
    return true;
  }
  return false;
}

plot::TFloatRect TSeries::GetStackedBarRect(int p, int layerIndex)
{
  if (Points.empty())
    return {};
  double left, foot, top;
  StackedBarSpan(p, StackedSum(p, layerIndex), left, foot, top);
  const TFloatRect world = Graph->GetWorldRange();
  double width = (world.Right - world.Left) * BarWidth / std::max(Graph->GetBarSlotCount(), 1);
  if (Graph->IsXLog())
    width *= left;
  return {left, foot, left + width, top};
}

void TSeries::DrawStackedBar(int p)
{
  if (Points.empty())
    return;
  double left, foot, top;
  const double level = Graph->StackBase;
  const bool cut = StackedBarSpan(p, level, left, foot, top);
  Graph->StackBase = level + GetPoint(std::min(p, GetCount() - 1)).Y;
  const TFloatRect world = Graph->GetWorldRange();
  double width = (world.Right - world.Left) * BarWidth / std::max(Graph->GetMaxBarPointCount(), 1);
  if (Graph->IsXLog())
    width *= left;
  const TColor color = GetColor();
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  Graph->SetPenColor(platform::clBlack);
  TFloatRect r{left, foot, left + width, top};
  if (Graph->View3D != 0) {
    const double xEnd = Graph->IsXInverted() ? world.Left : world.Right;
    if (Graph->IsXInverted() ? left < xEnd : left > xEnd)
      return;
    const double right = Graph->IsXInverted() ? std::max(left + width, xEnd) : std::min(left + width, xEnd);
    DrawBarFaces(r, right, cut ? LightenColor(color, 64) : DarkenColor(color, 32));
  }
  if (Graph->IsYLog())
    r.Top = Power10(r.Top);
  canvas.Brush().SetColor(color);
  Graph->DrawBar(r, Shaded);
}

// The bar of point i in depth order for the X width w of the bars' range: false when it is not
// drawn; cut tells whether the value was cut at the range.
bool TSeries::GetZBarRect(int i, double w, TFloatRect& rect, bool& cut)
{
  const int m = std::max(GetMaxZBarCount(), 1);
  const bool xLog = Graph->IsXLog();
  const bool xInverted = Graph->IsXInverted();
  const bool yInverted = Graph->IsYInverted();
  // The current range with the inverted axes' limits exchanged, in data units.
  TFloatRect range = Graph->GetRange();
  if (xLog) {
    range.Left = Power10(range.Left);
    range.Right = Power10(range.Right);
  }
  if (Graph->IsYLog()) {
    range.Top = Power10(range.Top);
    range.Bottom = Power10(range.Bottom);
  }
  const double xMin = range.Left, xMax = range.Right, yMin = range.Top, yMax = range.Bottom;
  const plot::TFloatPoint p = GetPoint(i);
  CurrentPoint = std::clamp(i, 0, GetCount() - 1);
  const double d = m == 1 ? w * BarWidth : w * BarWidth / (m - 1);
  double left = xLog ? Power10(Graph->SafeLog10(p.X) - d / 2) : p.X - d / 2;
  double right = xLog ? Power10(Graph->SafeLog10(p.X) + d / 2) : p.X + d / 2;
  const double v = p.Y;
  double top = v, foot = yMin;
  cut = false;
  if (!yInverted) {
    if (v > yMax && yMin > 0) {
      top = yMax;
      cut = true;
    }
    if (v < yMin && yMin > 0)
      return false;
  } else {
    if (v < yMax) {
      top = yMax;
      cut = true;
    }
    if (top > yMin && yMin < 0)
      return false;
  }
  if (!xInverted) {
    if (left > xMax)
      return false;
    right = std::min(right, xMax);
  } else {
    if (left < xMax)
      return false;
    right = std::max(right, xMax);
    left = std::min(left, xMin);
    if (right > xMin)
      return false;
    if (xLog)
      std::swap(left, right);
  }
  if (top >= 0) {
    foot = 0;
    if (!yInverted) {
      top = std::min(top, yMax);
    } else {
      foot = std::min(top, yMin);
      top = yMax > 0 ? yMax : 0;
    }
  } else {
    const double oldTop = top;
    foot = top;
    top = 0;
    if (!yInverted) {
      if (yMax < 0)
        top = yMax;
    } else {
      top = oldTop;
      foot = yMin < 0 ? yMin : 0;
    }
  }
  rect = {left, foot, right, top};
  return true;
}

void TSeries::DrawZOrderedBar(int i)
{
  const int m = std::max(GetMaxZBarCount(), 1);
  double w;
  if (Graph->IsXLog()) {
    w = LayersLogWidth(*Graph);
  } else {
    double bxMin, bxMax, byMin, byMax;
    Graph->GetBarExtents(bxMin, bxMax, byMin, byMax);
    w = bxMax - bxMin;
    if (!(w > 0)) {
      const TFloatRect world = Graph->GetWorldRange();
      w = (world.Right - world.Left) - std::abs(Graph->ScreenToXDistance(2 * GetBarSymbolWidth()));
    }
    MarkerSize = m == 1 ? 10 : std::abs(Graph->XToScreen(w * BarWidth / (2.0 * m - 2)) - Graph->XToScreen(0)) + 10;
  }
  TFloatRect r;
  bool cut = false;
  if (!GetZBarRect(i, w, r, cut))
    return;
  const TColor color = GetColor();
  TColor face = cut ? LightenColor(color, 64) : DarkenColor(color, 32);
  if (Graph->IsYInverted() ? r.Top > 0 : r.Top < 0)
    face = LightenColor(color, 128);
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  DrawBarFaces(r, r.Right, face);
  Graph->SetPenColor(DarkenColor(color, 80));
  canvas.Brush().SetColor(color);
  Graph->DrawBar(r, Shaded);
}

std::vector<platform::TPoint> TSeries::GetZBarOutline(int i)
{
  if (i < 0 || i >= GetCount())
    return {};
  const int m = std::max(GetMaxZBarCount(), 1);
  double w;
  if (Graph->IsXLog()) {
    w = LayersLogWidth(*Graph);
  } else {
    const TFloatRect world = Graph->GetWorldRange();
    w = world.Right - world.Left;
  }
  if (!Graph->GetClipMarkers()) {
    if (m == 2)
      w /= 0.873;
    else if (m == 4)
      w *= 0.975;
    else if (m > 5)
      w *= 0.97;
  }
  if (!Graph->IsXLog())
    MarkerSize = std::abs(Graph->XToScreen(w * BarWidth / m) - Graph->XToScreen(0)) + 10;
  TFloatRect r;
  bool cut = false;
  if (!GetZBarRect(i, w, r, cut))
    return {};
  const int count = std::max(Graph->GetDepthCount(), 1);
  const int position = std::max(Graph->GetDepthIndex(this), 0);
  const int d1 = platform::SafeRound(static_cast<double>(Graph->Depth) * position / count);
  const int d2 = platform::SafeRound(static_cast<double>(Graph->Depth) * (position + 1) / count);
  const int left = Graph->XToScreen(r.Left), right = Graph->XToScreen(r.Right);
  const int top = Graph->YToScreen(r.Bottom), foot = Graph->YToScreen(r.Top);
  return {{left + d1, top - d1},  {left + d2, top - d2},  {right + d2, top - d2}, {right + d2, foot - d2},
          {right + d1, foot - d1}, {left + d1, foot - d1}, {left + d1, top - d1}};
}

}  // namespace plotui
