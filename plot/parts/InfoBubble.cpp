#include "plot/parts/InfoBubble.h"

#include "plot/graph/Graph.h"
#include "plot/graph/SeriesLayer.h"
#include "plot/parts/InfoBubbleShape.h"

#include <algorithm>

namespace plot {

using platform::TPoint;
using platform::TRect;

namespace {

// Pixels a layer is shifted right and up in a 3-D view.
int DepthShiftOf(const TGraph& graph, const TLayer& layer)
{
  if (graph.Depth == 0)
    return 0;
  return graph.GetDepthShift(graph.GetDepthIndex(&layer), graph.GetDepthCount());
}

void UseAxesOf(TGraph& graph, TLayer& layer)
{
  graph.ActiveLayer = &layer;
  graph.ActiveOnX2 = layer.GetOnX2();
  graph.ActiveOnY2 = layer.GetOnY2();
}

bool Contains(const TRect& r, int x, int y) { return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom; }

}  // namespace

TInfoLocation::TInfoLocation(TGraph& graph, TLayer& layer, int x, int y, bool onPoint)
    : PointIndex(layer.HitIndex), Series(&layer), OnPoint(onPoint)
{
  UseAxesOf(graph, layer);
  const int s = DepthShiftOf(graph, layer);
  const TSeriesLayer* series = AsSeries(&layer);
  X = graph.ScreenToX(x - s);
  Y = graph.ScreenToY(series && series->GetStyle() == kStyleMatrix ? y + s : y);
  if (graph.IsXLog())
    X = static_cast<double>(PowerOf(10, X));
  if (graph.IsYLog())
    Y = static_cast<double>(PowerOf(10, Y));
}

TGraphInfo::TGraphInfo(TGraph& graph) : TLayer(graph)
{
  Color = platform::clInfoBk;
  Font.SetName(QStringLiteral("Arial"));
  Font.SetSize(8);
  Font.SetColor(platform::clBlack);
  Font.SetCharset(graph.Charset);
}

TGraphInfo::~TGraphInfo() = default;

int TGraphInfo::AddLocation(const QString& caption, TLayer& series, int x, int y, bool keepExisting)
{
  const TSeriesLayer* asSeries = AsSeries(&series);
  if (asSeries && asSeries->GetStyle() == kStylePoints) {
    const auto it = std::find_if(Locations.begin(), Locations.end(), [&](const TEntry& e) {
      return e.Location->Series == &series && e.Location->PointIndex == series.HitIndex;
    });
    if (it != Locations.end()) {
      if (!keepExisting) {
        Locations.erase(it);
        Graph->Paint();
      }
      return -1;
    }
  }
  series.MouseMoveActive(0, x, y);
  const bool onPoint = asSeries && asSeries->OnMarker;
  Locations.push_back({caption, std::make_unique<TInfoLocation>(*Graph, series, x, y, onPoint)});
  return int(Locations.size()) - 1;
}

void TGraphInfo::DeleteLocation(int index)
{
  if (index < 0 || index >= int(Locations.size()))
    return;
  Locations.erase(Locations.begin() + index);
}

void TGraphInfo::MouseDown(platform::TMouseButton button, platform::TShiftState, int x, int y)
{
  if (!GetVisible())
    return;
  Graph->InfoClicked = false;
  if (button != platform::mbLeft)
    return;
  for (int i = int(Locations.size()) - 1; i >= 0; --i) {
    const auto& rect = Locations[i].Location->BubbleRect;
    if (rect && Contains(*rect, x, y)) {
      DeleteLocation(i);
      Graph->Paint();
      Graph->InfoClicked = true;
      return;
    }
  }
}

void TGraphInfo::Draw()
{
  if (!GetVisible())
    return;
  TGraph& graph = *Graph;
  graph.ResetClip();
  graph.SetClip();
  platform::TCanvas& canvas = *graph.Canvas;
  canvas.SaveState();
  for (TEntry& entry : Locations) {
    TInfoLocation& location = *entry.Location;
    location.BubbleRect.reset();
    if (!location.Series || graph.IndexOfLayer(location.Series) < 0) {
      entry.Caption = QString::fromLatin1(kDeletedCaption);
      location.Series = nullptr;
    }
    if (entry.Caption == QLatin1String(kDeletedCaption) || !location.Series->GetVisible())
      continue;
    UseAxesOf(graph, *location.Series);
    canvas.Brush().SetColor(Color);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
    canvas.Pen().SetColor(platform::clBlack);
    canvas.Pen().SetMode(platform::TPenMode::pmCopy);
    canvas.Pen().SetWidth(1);
    canvas.Font().Assign(Font);
    canvas.Font().SetCharset(graph.Charset);

    TBubbleText text;
    if (TSeriesLayer* series = AsSeries(location.Series)) {
      QString xLabel, yLabel;
      if (!ReadLabels(entry, *series, xLabel, yLabel))
        continue;
      text = SeriesText(entry, *series, xLabel, yLabel);
    } else {
      text = LayerText(entry);
    }
    if (!text.Lines.isEmpty() && text.Anchor)
      DrawBubble(entry, text.Lines, *text.Anchor);
  }
  canvas.RestoreState();
}

void TGraphInfo::DrawBubble(TEntry& entry, const QStringList& lines, TPoint anchor)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const int lh = canvas.TextHeight(QStringLiteral("("));
  int widest = 0;
  for (const QString& line : lines)
    widest = std::max(widest, canvas.TextWidth(line));
  const TBubbleSize size{widest > 0 ? widest + canvas.TextWidth(QStringLiteral("MM")) : 0,
                         int(lines.size() + 1) * lh, lh};
  const TInfoPosition position = PlaceBubble(Position, anchor, size, Graph->ClipRect);
  const TRect body = BubbleRectAt(position, anchor, size);
  DrawBubbleBody(canvas, Style, position, anchor, body, lh);
  TRect textBlock;
  DrawText(lines, position, anchor, size, body, textBlock);
  entry.Location->BubbleRect = Style == isNoBubble ? textBlock : body;
}

// Lines lh apart by their bottom edges: centred in the body, or beside the anchor without one.
void TGraphInfo::DrawText(const QStringList& lines, TInfoPosition position, TPoint anchor, const TBubbleSize& size,
                          const TRect& body, TRect& textBlock)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const int lh = size.LH;
  int x = (body.Left + body.Right) / 2;
  int y = body.Top + lh + lh / 2;
  unsigned align = platform::TA_CENTER;
  if (Style == isNoBubble) {
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    x = anchor.X;
    y = IsUpperPosition(position) ? anchor.Y + 2 * lh - size.H - lh / 4 : anchor.Y + lh + lh / 4;
    align = IsCentrePosition(position) ? platform::TA_CENTER
            : IsLeftPosition(position) ? platform::TA_RIGHT
                                       : platform::TA_LEFT;
  }
  canvas.SetTextAlign(align | platform::TA_BOTTOM);
  for (int i = 0; i < int(lines.size()); ++i)
    canvas.TextOut(x, y + i * lh, lines[i]);
  // The bubble's columns, from the first line's top to the last line's bottom.
  textBlock = {body.Left, y - lh, body.Right, y + int(lines.size() - 1) * lh};
}

}  // namespace plot
