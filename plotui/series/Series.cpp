#include "plotui/series/Series.h"

#include "plotui/series/SeriesLegend.h"

#include "plot/graph/Graph.h"
#include "plot/graph/GraphFile.h"
#include "plot/parts/InfoBubble.h"
#include "plot/support/GraphLibrary.h"

#include <algorithm>
#include <cmath>
#include "platform/Menus.h"

namespace plotui {

using plot::TFloatPoint;

void TGraphData::Assign(const TGraphData& source)
{
  Kind = source.Kind;
  Marker.reset();
  if (source.Marker) {
    Marker.emplace(*source.Marker);
    Marker->Graph = Graph;
    Marker->Series = Series;
  }
  X1 = source.X1;
  Y1 = source.Y1;
  X2 = source.X2;
  Y2 = source.Y2;
  Name = source.Name;
  HitEnabled = source.HitEnabled;
  Switch2 = source.Switch2;
  Int1 = source.Int1;
  Color = source.Color;
}

TSeries::TSeries(plot::TGraph& graph) : plot::TSeriesLayer(graph) {}

TSeries::TSeries(plot::TGraph& graph, const QString& name, plot::TSeriesStyle style, platform::TColor color)
    : plot::TSeriesLayer(graph)
{
  Name = name;
  Tag = -1;
  SetInfoEnabled(true);
  Color = color;
  Style = style;
  SetMarkerSize(4);
  SetMarkerStyle(0);
  SetMarkerColor(color);
  Interactive = true;
  Tolerance = 0.01;
  Visible = true;
  CreatePopup();
}

TSeries::~TSeries()
{
  Points.clear();
  const int entry = LegendIndex();
  if (entry >= 0)
    Graph->Legend->Delete(entry);
}

int TSeries::LegendIndex() const
{
  if (!Legend || !Graph->Legend)
    return -1;
  return Graph->Legend->IndexOf(Legend);
}

// Points.

TGraphData& TSeries::AddPoint(double x, double y, platform::TColor color, const QString& name)
{
  const bool first = Points.empty();
  const double x1 = first ? x : Points.back().X2;
  const double y1 = first ? y : Points.back().Y2;
  TGraphData& data = Points.emplace_back(*Graph, *this);
  data.X2 = x;
  data.Y2 = y;
  data.X1 = x1;
  data.Y1 = y1;
  data.Color = color;
  data.Name = name;
  data.Marker.emplace(*Graph, this, GetMarkerStyle(), MarkerSize, MarkerColor);
  data.Marker->Color2 = MarkerColor2;
  return data;
}

TFloatPoint TSeries::GetPoint(int index)
{
  index = std::max(index, 0);
  CurrentPoint = index;
  if (Points.empty())
    return {};
  if (index == 0)
    return {Points[0].X1, Points[0].Y1};
  const TGraphData& data = Points[static_cast<std::size_t>(std::min(index, GetCount() - 1))];
  return {data.X2, data.Y2};
}

TGraphData& TSeries::GetData(int index)
{
  index = std::clamp(index, 0, GetCount() - 1);
  CurrentPoint = index;
  return Points.at(static_cast<std::size_t>(index));
}

platform::TColor TSeries::GetPointColor(int index) const
{
  if (index < 0 || index >= GetCount())
    return 0;
  return Points[static_cast<std::size_t>(index)].Color;
}

void TSeries::SetPointColor(int index, platform::TColor color)
{
  if (index >= 0 && index < GetCount())
    Points[static_cast<std::size_t>(index)].Color = color;
}

QString TSeries::GetPointName(int index)
{
  if (Points.empty())
    return {};
  return GetData(index).Name;
}

// Style and looks.

void TSeries::SetStyle(plot::TSeriesStyle style)
{
  Style = style;
  if (style == plot::kStyleDepthBar)
    GetZBarOutline(0);  // sets the marker size from the bar width
}

void TSeries::SetLineStyle(int value)
{
  LineStyle = value;
  if (Legend)
    UpdateLegend(*Legend);
}

void TSeries::SetLineWidth(int value)
{
  LineWidth = value;
  if (Legend)
    UpdateLegend(*Legend);
}

int TSeries::GetLineWidthPixels() const
{
  if (!plot::PrinterPrinting())
    return LineWidth;
  platform::TCanvas& canvas = Graph->TargetCanvas();
  canvas.Font().SetSize(LineWidth);
  return canvas.TextWidth(QStringLiteral("a"));
}

void TSeries::SetInfoEnabled(bool value)
{
  InfoEnabled = value;
  if (PopupMenu)
    if (platform::TMenuItem* item = PopupMenu->Items().Find(QStringLiteral("miInfo")))
      item->SetVisible(value);
}

namespace {

template <typename Apply>
void ForEachMarker(TSeries& series, Apply apply)
{
  for (TGraphData& data : series.Points)
    if (data.Marker)
      apply(*data.Marker);
}

}  // namespace

void TSeries::SetMarkerStyle(int style)
{
  MarkerStyle = style;
  ForEachMarker(*this, [style](plot::TMarker& m) { m.Style = static_cast<std::uint8_t>(style); });
  if (Legend)
    UpdateLegend(*Legend);
}

void TSeries::SetMarkerSize(int size)
{
  MarkerSize = size;
  ForEachMarker(*this, [size](plot::TMarker& m) { m.Size = size; });
  if (Legend)
    UpdateLegend(*Legend);
}

void TSeries::SetMarkerColor(platform::TColor color)
{
  MarkerColor = color;
  ForEachMarker(*this, [color](plot::TMarker& m) { m.Color = color; });
  if (Legend)
    UpdateLegend(*Legend);
}

void TSeries::SetMarkerColor2(platform::TColor color)
{
  MarkerColor2 = color;
  ForEachMarker(*this, [color](plot::TMarker& m) { m.Color2 = color; });
  if (Legend)
    UpdateLegend(*Legend);
}

platform::TColor TSeries::GetColor() const
{
  if (PointColors)
    return GetPointColor(CurrentPoint);
  return Color;
}

void TSeries::SetColor(platform::TColor value)
{
  Color = value;
  if (MarkersFollowColor)
    SetMarkerColor2(value);
  if (Legend)
    UpdateLegend(*Legend);
}

void TSeries::SetVisible(bool value)
{
  if (Legend)
    Legend->SetVisible(value);
  TLayer::SetVisible(value);
}

void TSeries::AssignSettings(const TSeries& source)
{
  Name = source.Name;
  Color = source.Color;
  Interactive = source.Interactive;
  Visible = source.Visible;
  AllowPointSelect = source.AllowPointSelect;
  AllowSelect = source.AllowSelect;
  PointColors = source.PointColors;
  DragState = source.DragState;
  ShowMarkers = source.ShowMarkers;
  LineStyle = source.LineStyle;
  LineWidth = source.LineWidth;
  MarkerStyle = source.MarkerStyle;
  MarkerSize = source.MarkerSize;
  MarkerColor = source.MarkerColor;
  MarkerColor2 = source.MarkerColor2;
  Style = source.Style;
  BarWidth = source.BarWidth;
  Shaded = source.Shaded;
  MarkerInterval = source.MarkerInterval;
  Reserved = source.Reserved;
  MarkersFollowColor = source.MarkersFollowColor;
  HoverEnabled = source.HoverEnabled;
  ClickEnabled = source.ClickEnabled;
  MouseUpEnabled = source.MouseUpEnabled;
  SelectShift = source.SelectShift;
  DeleteShift = source.DeleteShift;
  InfoShift = source.InfoShift;
  Tolerance = 0.01;
}

void TSeries::UpdateLegend(TSeriesLegend& entry)
{
  entry.Caption = Name;
  entry.Marker->Color = MarkerColor;
  entry.Marker->Color2 = MarkerColor2;
  entry.Marker->Style = static_cast<std::uint8_t>(GetMarkerStyle());
  entry.SeriesStyle = static_cast<std::uint8_t>(Style);
  entry.Color = Color;
  entry.LineWidth = static_cast<std::uint16_t>(LineWidth);
  entry.Layer = this;
  entry.LineStyle = static_cast<platform::TPenStyle>(std::clamp(LineStyle, 0, 5));
  Legend = &entry;
}

void TSeries::Remove()
{
  plot::TGraph& graph = *Graph;
  const int index = graph.IndexOfLayer(this);
  const int entry = LegendIndex();
  if (entry >= 0) {
    graph.Legend->Delete(entry);
    Legend = nullptr;
  }
  std::unique_ptr<plot::TLayer> self = index >= 0 ? graph.DeleteLayer(index) : nullptr;
  if (entry >= 0)
    graph.Paint();
  // self goes here, with the series.
}

// Queries.

void TSeries::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  xMin = yMin = 1e38;
  xMax = yMax = -1e38;
  for (std::size_t i = 0; i < Points.size(); ++i) {
    const TGraphData& d = Points[i];
    xMin = std::min({xMin, d.X1, d.X2});
    xMax = std::max({xMax, d.X1, d.X2});
    if (Style == plot::kStylePiecewiseConstant && i + 1 == Points.size())
      continue;
    yMin = std::min({yMin, d.Y1, d.Y2});
    yMax = std::max({yMax, d.Y1, d.Y2});
  }
  if (!Points.empty() && Graph->GetLayerCount() == 1) {
    if (xMin == xMax) {
      const double v = xMin;
      xMin = v == 0 ? -0.1 : v - std::abs(v) / 10;
      xMax = v == 0 ? 0.1 : v + std::abs(v) / 10;
    }
    if (yMin == yMax) {
      const double v = yMin;
      yMin = v == 0 ? -0.1 : v - std::abs(v) / 10;
      yMax = v == 0 ? 1.0 : v + std::abs(v) / 10;
    }
  }
  const bool bars = Style == plot::kStyleBar || Style == plot::kStyleDepthBar;
  const bool yLog = GetOnY2() ? Graph->YAxis2->Log : Graph->YAxis->Log;
  if (bars && !yLog && yMin <= yMax) {
    if (yMin < 0 && yMax < 0)
      yMax = 0;
    if (yMin > 0 && yMax > 0)
      yMin = 0;
  }
}

int TSeries::GetMaxBarCount() const
{
  int n = 0;
  for (int i = 0; i < Graph->GetLayerCount(); ++i)
    if (const plot::TSeriesLayer* s = plot::AsSeries(Graph->GetLayer(i)); s && s->GetStyle() == plot::kStyleBar)
      n = std::max(n, s->GetCount());
  return n;
}

int TSeries::GetMaxZBarCount() const
{
  int n = 0;
  for (int i = 0; i < Graph->GetLayerCount(); ++i)
    if (const plot::TSeriesLayer* s = plot::AsSeries(Graph->GetLayer(i)); s && s->GetStyle() == plot::kStyleDepthBar)
      n = std::max(n, s->GetCount());
  return n;
}

int TSeries::GetBarSymbolWidth() const { return GetSymbolWidth(GetMaxBarCount(), GetMaxZBarCount()); }

int TSeries::GetSymbolWidth(int n8, int n10) const
{
  const bool bars = Style == plot::kStyleBar || Style == plot::kStyleDepthBar;
  if (!bars || (n8 < 1 && n10 < 1))
    return MarkerSize;
  const plot::TFloatRect range = Graph->GetDrawRange();
  const double w = range.Right - range.Left;
  if (GetOnX2() && Graph->XAxis2->Log)
    return std::abs(Graph->XToScreen(w * BarWidth / std::max(n8, 1)));
  if (n8 <= 1 && n10 < 1)
    return 10 * const_cast<plot::TGraph*>(Graph)->GetUnitHeight();
  const int d = Style == plot::kStyleBar ? 2 * n8 - 2 : 2 * n10 - 2;
  // One bar of a kind gives d = 0: its whole width counts.
  const double width = d > 0 ? w * BarWidth / d : w * BarWidth;
  return std::abs(Graph->XToScreen(width) - Graph->XToScreen(0));
}

double TSeries::InterpolateY(double x, double y)
{
  const bool yLog = GetOnY2() ? Graph->YAxis2->Log : Graph->YAxis->Log;
  bool found = false;
  double best = plot::MissingValue;
  double bestDistance = 0;
  for (auto it = Points.rbegin(); it != Points.rend(); ++it) {
    const TGraphData& d = *it;
    if (x < std::min(d.X1, d.X2) || x > std::max(d.X1, d.X2))
      continue;
    double y1 = d.Y1, y2 = d.Y2;
    if (yLog) {
      y1 = Graph->SafeLog10(y1);
      y2 = Graph->SafeLog10(y2);
    }
    double candidate = y1;
    if (d.X1 != d.X2 && Style != plot::kStylePiecewiseConstant) {
      const double t = (y2 - y1) / (d.X2 - d.X1);
      const double m = (y2 + y1 - (d.X2 + d.X1) * t) / 2;
      candidate = x * t + m;
    }
    if (yLog)
      candidate = std::pow(10.0, candidate);
    const double distance = (y - candidate) * (y - candidate);
    if (!found || distance < bestDistance) {
      found = true;
      best = candidate;
      bestDistance = distance;
    }
  }
  if (found || Points.empty())
    return best;
  const plot::TFloatRect range = Graph->GetWorldRange();
  const double margin = (range.Right - range.Left) * 0.05;
  if (x >= range.Right - margin && x <= range.Right + margin)
    return Points.back().Y2;
  if (x >= range.Left - margin && x <= range.Left + margin)
    return Points.front().Y1;
  return plot::MissingValue;
}

double TSeries::NearestX(double x, double y)
{
  if (Style == plot::kStyleLine || Style == plot::kStyleArrow || (Style == plot::kStyleLineAndPoint && !MarkerHit))
    return x;
  if (Points.empty())
    return plot::MissingValue;
  const int h = (GetBarSymbolWidth() / 2 + 1) * Graph->GetUnitHeight();
  const double dx = std::abs(Graph->ScreenToX(h) - Graph->ScreenToX(0));
  const double dy = std::abs(Graph->ScreenToY(h) - Graph->ScreenToY(0));
  int bestIndex = GetCount() - 1;
  double bestDistance = Style == plot::kStylePoints ? dx : std::abs(x - GetPoint(bestIndex).X);
  for (int i = GetCount() - 1; i >= 0; --i) {
    const TFloatPoint p = GetPoint(i);
    const double distance = std::abs(x - p.X);
    if (distance > bestDistance)
      continue;
    bestIndex = i;
    bestDistance = distance;
    if (Style == plot::kStylePoints && std::abs(y - p.Y) <= dy)
      break;
  }
  return GetPoint(bestIndex).X;
}

int TSeries::NearestPointIndex(double x, double y)
{
  int best = -1;
  double bestDistance = 0;
  for (int i = 0; i < GetCount(); ++i) {
    const TFloatPoint p = GetPoint(i);
    const double distance = std::abs(x - p.X) + std::abs(y - p.Y);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

plot::TFloatRect TSeries::GetBarRect(int index)
{
  if (Points.empty())
    return {};
  return GetData(index).BarRect;
}

// Popup menu.

QString ModifierLabel(std::uint8_t set)
{
  if (set == kModShift)
    return QStringLiteral(" <Shift>");
  if (set == kModCtrl)
    return QStringLiteral(" <Ctrl>");
  return {};
}

void TSeries::CreatePopup()
{
  PopupMenu = std::make_unique<platform::TPopupMenu>();
  platform::TMenuItem& items = PopupMenu->Items();
  const auto add = [&](const QString& caption, const QString& name, bool visible, std::function<void()> onClick) {
    platform::TMenuItem& item = items.Add(name, caption, std::move(onClick));
    item.SetVisible(visible);
  };
  add(QStringLiteral("&Select on/off"), QStringLiteral("miSelectOnOff"), AllowPointSelect || AllowSelect,
      [this] { SelectClick(); });
  add(QStringLiteral("&Info") + ModifierLabel(InfoShift), QStringLiteral("miInfo"), InfoEnabled,
      [this] { InfoClick(); });
  // Editing a step series comes with point editing.
  add(QStringLiteral("&Edit"), QStringLiteral("miEdit"), Style == plot::kStylePiecewiseConstant,
      [this] { StartDrag(true); });
  add(QStringLiteral("&Delete") + ModifierLabel(DeleteShift), QStringLiteral("miErase"), AllowDelete || AllowHide,
      [this] { DeleteClick(); });
  add(QStringLiteral("&Unvisible  <Ctrl>"), QStringLiteral("miUnvisible"), AllowHide || AllowDelete,
      [this] { HideClick(); });
}

void TSeries::InfoClick()
{
  if (!Graph->Info)
    return;
  Graph->Info->AddLocation(QString(), *this, DownX, DownY, false);
  Graph->Info->Draw();
}

void TSeries::SelectClick()
{
  if (!AllowSelect && !AllowPointSelect)
    return;
  const bool wasSelected = GetSelected();
  RecordSelection(wasSelected ? 2 : 3);  // deselect, select
  Graph->UnselectAll();
  if (!wasSelected)
    SetSelected(true);
  Graph->Paint();
}

void RegisterSeriesClass()
{
  plot::RegisterLayerClass(QStringLiteral("TSeries"), [](plot::TGraph& graph) { return std::make_unique<TSeries>(graph); });
}

}  // namespace plotui
