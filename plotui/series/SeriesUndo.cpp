// The undo records of the series' mouse edits: each keeps what its edit is about to change and
// puts it back, range-checked, since the series may have changed since.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include <utility>
#include <vector>

namespace plotui {

namespace {

constexpr std::uint8_t kUndoHidePoint = 0;
constexpr std::uint8_t kUndoPointCopy = 11;

}  // namespace

void TSeries::RecordPointDelete(int i)
{
  if (i < 0 || i >= GetCount())
    return;
  const std::size_t at = std::size_t(i);
  // The record after it takes the deleted point's place as the start of its segment.
  std::optional<std::pair<double, double>> nextStart;
  if (at + 1 < Points.size())
    nextStart.emplace(Points[at + 1].X1, Points[at + 1].Y1);
  Graph->UndoList.Add(this, kUndoPointCopy,
                      [this, at, copy = Points[at], nextStart, visible = GetVisible()] {
                        if (at > Points.size())
                          return;
                        Points.insert(at, copy);
                        if (nextStart && at + 1 < Points.size()) {
                          Points[at + 1].X1 = nextStart->first;
                          Points[at + 1].Y1 = nextStart->second;
                        }
                        SetVisible(visible);
                        Graph->Paint();
                      });
}

void TSeries::RecordMarkerHide(int i)
{
  if (i < 0 || i >= GetCount() || !Points[std::size_t(i)].Marker)
    return;
  const TGraphData& d = Points[std::size_t(i)];
  Graph->UndoList.Add(&d, kUndoHidePoint,
                      [this, at = std::size_t(i), visible = d.Marker->Visible, hit = d.HitEnabled] {
                        if (at >= Points.size() || !Points[at].Marker)
                          return;
                        Points[at].Marker->Visible = visible;
                        Points[at].HitEnabled = hit;
                        Graph->Paint();
                      });
}

void TSeries::RecordPointMove(int i)
{
  if (i < 0 || i >= GetCount())
    return;
  const std::size_t at = std::size_t(i);
  const double y1 = Points[at].Y1, y2 = Points[at].Y2;
  const std::optional<double> nextY1 = at + 1 < Points.size() ? std::optional(Points[at + 1].Y1) : std::nullopt;
  Graph->UndoList.Add(&Points[at], kUndoPointCopy, [this, at, y1, y2, nextY1] {
    if (at >= Points.size())
      return;
    Points[at].Y1 = y1;
    Points[at].Y2 = y2;
    if (nextY1 && at + 1 < Points.size())
      Points[at + 1].Y1 = *nextY1;
    Graph->Paint();
  });
}

void TSeries::RecordSelection(std::uint8_t kind)
{
  std::vector<std::pair<const plot::TLayer*, bool>> selected;
  for (int i = 0; i < Graph->GetLayerCount(); ++i)
    if (const plot::TLayer* layer = Graph->GetLayer(i))
      selected.emplace_back(layer, layer->GetSelected());
  Graph->UndoList.Add(this, kind, [graph = Graph, selected = std::move(selected)] {
    // Only layers still in the graph: the list is emptied when one leaves it.
    for (const auto& [layer, on] : selected)
      if (const int index = graph->IndexOfLayer(layer); index >= 0)
        graph->GetLayer(index)->SetSelected(on);
    graph->Paint();
  });
}

void TSeries::RecordVisibility()
{
  Graph->UndoList.Add(this, kUndoHidePoint, [this, visible = GetVisible()] {
    SetVisible(visible);
    Graph->Paint();
  });
}

}  // namespace plotui
