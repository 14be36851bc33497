// Drawing of the contour layer: the colour shade, or the chains clipped to the visible range and
// cut open around their labels.
#include "plot/contour/Contour.h"

#include "plot/graph/Graph.h"
#include "plot/support/SegmentClip.h"

#include "platform/HourglassCursor.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace plot {

namespace {

// Removes the layer's clip from the graph's canvas however the drawing ends.
class TClipScope {
public:
  explicit TClipScope(TGraph& graph) : graph_(graph) {}
  ~TClipScope() { graph_.ResetClip(); }
  TClipScope(const TClipScope&) = delete;
  TClipScope& operator=(const TClipScope&) = delete;

private:
  TGraph& graph_;
};

}  // namespace

void TContour::Draw()
{
  TGraph& graph = *Graph;
  const platform::HourglassCursor hourglass;
  const TClipScope clip(graph);
  graph.SetClip();
  if (ClipToArea) {
    graph.ResetClip();
    graph.SetClipWorld(ClipArea.Left, ClipArea.Top, ClipArea.Right, ClipArea.Bottom);
  }
  if (GetColorMap()) {
    BeforeDrawShade();
    DrawColorShade();
    AfterDrawShade();
    return;
  }
  BeforeDrawLines();
  if (!OpaqueLabels)
    DrawLabels();  // first, so that the lines are cut around them
  DrawLines();
  if (OpaqueLabels)
    DrawLabels();
  AfterDrawLines();
}

namespace {

// The box of a drawn label as world corners and extremes, for cutting its chain's line.
struct TLabelGap {
  const TPoly* box = nullptr;  // in pixels
  TFloatPoint corners[5];
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

TLabelGap GapOf(const TGraph& graph, const TContourLabel& label)
{
  TLabelGap gap;
  gap.box = &label.Box;
  for (int k = 1; k <= 4; ++k) {
    const platform::TPoint c = label.Corner(k);
    gap.corners[k - 1] = {graph.ScreenToX(c.X), graph.ScreenToY(c.Y)};
  }
  gap.corners[4] = gap.corners[0];
  gap.xMin = gap.xMax = gap.corners[0].X;
  gap.yMin = gap.yMax = gap.corners[0].Y;
  for (const TFloatPoint& c : gap.corners) {
    gap.xMin = std::min(gap.xMin, c.X);
    gap.xMax = std::max(gap.xMax, c.X);
    gap.yMin = std::min(gap.yMin, c.Y);
    gap.yMax = std::max(gap.yMax, c.Y);
  }
  return gap;
}

bool Crosses(const TFloatPoint& p, const TFloatPoint& q, const TLabelGap& gap, int edge, TFloatPoint& at)
{
  const TFloatPoint& a = gap.corners[edge];
  const TFloatPoint& b = gap.corners[edge + 1];
  return IntersectSegments({p.X, p.Y, q.X, q.Y}, {a.X, a.Y, b.X, b.Y}, at);
}

double Distance(const TFloatPoint& a, const TFloatPoint& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

void DrawPart(TGraph& graph, const TFloatPoint& a, const TFloatPoint& b)
{
  platform::TCanvas& canvas = *graph.Canvas;
  const platform::TPoint from{graph.XToScreen(a.X), graph.YToScreen(a.Y)};
  if (canvas.PenPos() != from)
    canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(graph.XToScreen(b.X), graph.YToScreen(b.Y));
}

// A piece inside the visible range, opened at each label box it passes.
void DrawOpen(TGraph& graph, TFloatPoint p, TFloatPoint q, std::span<const TLabelGap> gaps)
{
  if (gaps.empty()) {
    DrawPart(graph, p, q);
    return;
  }
  const TLabelGap& gap = gaps.front();
  const std::span<const TLabelGap> rest = gaps.subspan(1);
  if ((p.X < gap.xMin && q.X < gap.xMin) || (p.X > gap.xMax && q.X > gap.xMax) || (p.Y < gap.yMin && q.Y < gap.yMin) ||
      (p.Y > gap.yMax && q.Y > gap.yMax)) {
    DrawOpen(graph, p, q, rest);
    return;
  }
  const bool pInside = gap.box->PointInside(graph.XToScreen(p.X), graph.YToScreen(p.Y));
  const bool qInside = gap.box->PointInside(graph.XToScreen(q.X), graph.YToScreen(q.Y));
  if (pInside && qInside)
    return;
  TFloatPoint at;
  if (pInside || qInside) {
    for (int edge = 0; edge < 4; ++edge)
      if (Crosses(p, q, gap, edge, at)) {
        (pInside ? p : q) = at;
        break;
      }
    DrawOpen(graph, p, q, rest);
    return;
  }
  TFloatPoint found[4];
  int count = 0;
  for (int edge = 0; edge < 4; ++edge)
    if (Crosses(p, q, gap, edge, at))
      found[count++] = at;
  if (count != 2) {
    DrawOpen(graph, p, q, rest);
    return;
  }
  // A tie takes the first crossing found as the nearer.
  const bool firstNearer = Distance(p, found[0]) <= Distance(p, found[1]);
  DrawOpen(graph, p, firstNearer ? found[0] : found[1], rest);
  DrawOpen(graph, firstNearer ? found[1] : found[0], q, rest);
}

// One piece of a chain: cut to the visible range, then opened at the label boxes of its level.
void DrawPiece(TGraph& graph, TFloatPoint p, TFloatPoint q, const TFloatRect& visible, std::span<const TLabelGap> gaps)
{
  if ((p.X < visible.Left && q.X < visible.Left) || (p.X > visible.Right && q.X > visible.Right) ||
      (p.Y < visible.Top && q.Y < visible.Top) || (p.Y > visible.Bottom && q.Y > visible.Bottom))
    return;
  if ((!IsFloatPointInRect(visible, p) || !IsFloatPointInRect(visible, q)) &&
      !ClipSegmentToRange(p.X, p.Y, q.X, q.Y, visible))
    return;
  DrawOpen(graph, p, q, gaps);
}

}  // namespace

void TContour::DrawLines()
{
  TGraph& graph = *Graph;
  const double lower = LowerFixed ? ScaleMin : GetZMin();
  const double upper = UpperFixed ? ScaleMax : GetZMax();
  SetScaleRange(lower, upper);
  const TFloatRect& range = graph.Range;
  const TFloatRect visible{std::min(range.Left, range.Right), std::min(range.Top, range.Bottom),
                           std::max(range.Left, range.Right), std::max(range.Top, range.Bottom)};
  // A line is opened under every label drawn on its level: the chains of one level may lie
  // along one another.
  std::vector<const TContourLabel*> drawn;
  if (LabelsVisible && !OpaqueLabels)
    for (const auto& label : Labels)
      if (label->Chain && !label->Hidden && label->Visible && label->Box.Count >= 5)
        drawn.push_back(label.get());
  std::vector<TLabelGap> gaps;
  for (const TContourChain& chain : Chains) {
    graph.SetPenColor(Multicolor ? GetScaleColor(ValueToColorIndex(chain.Level)) : MonoColor);
    if (chain.Points.size() < 2)
      continue;
    gaps.clear();
    for (const TContourLabel* label : drawn)
      if (label->Chain->Level == chain.Level)
        gaps.push_back(GapOf(graph, *label));
    for (auto p = chain.Points.begin(), q = std::next(p); q != chain.Points.end(); ++p, ++q)
      DrawPiece(graph, *p, *q, visible, gaps);
  }
}

}  // namespace plot
