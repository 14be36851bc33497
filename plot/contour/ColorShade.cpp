#include "plot/contour/Contour.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

#include <algorithm>

namespace plot {

namespace {

// The start of each cell along one direction: from first in steps of size, the last one flush
// with end (and overlapping its neighbour when the span is no multiple of size).
template <typename Visit>
void CellStarts(int first, int end, int size, Visit visit)
{
  for (int p = first; p <= end;) {
    const bool last = p + size > end;
    if (last)
      p = end - size;
    visit(p);
    if (last)
      break;
    p += size;
  }
}

}  // namespace

void TContour::DrawColorShade()
{
  TGraph& graph = *Graph;
  const platform::TRect saved = graph.PlotRect;
  platform::TRect& p = graph.PlotRect;
  if (ClipToArea) {
    p.Left = std::max(p.Left, graph.XToScreen(ClipArea.Left));
    p.Top = std::max(p.Top, graph.YToScreen(ClipArea.Bottom));
    if (const int right = graph.XToScreen(ClipArea.Right); right <= p.Right)
      p.Right = right + 1;
    if (const int bottom = graph.YToScreen(ClipArea.Top); bottom <= p.Bottom)
      p.Bottom = bottom + 1;
  }
  const double upper = UpperFixed ? ScaleMax : GetZMax();
  const double lower = LowerFixed ? ScaleMin : GetZMin();
  SetScaleRange(lower, upper);
  graph.ResetClip();

  int s = std::max(Quality, 1);
  if (PrinterPrinting())
    s = (s + 1) * (s + 1);
  const int d = graph.Depth;
  const bool outlined = graph.XAxis->Grid || graph.YAxis->Grid || Transparent;
  platform::TCanvas& canvas = *graph.Canvas;
  CellStarts(p.Left + d + 1, p.Right + d - 1, s, [&](int px) {
    CellStarts(p.Top - d + 1, p.Bottom - d - 1, s, [&](int py) {
      const double v = InterpolateGrid(XValues, YValues, ZValues, graph.ScreenToX(px - d), graph.ScreenToY(py + d));
      const platform::TColor color = GetScaleColor(ValueToColorIndex(v));
      canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
      canvas.Brush().SetColor(color);
      if (!outlined) {
        canvas.FillRect({px, py, px + s, py + s});
        return;
      }
      // Cells combine with the grid lines beneath them; the missing-value colours cover.
      const bool missing = color == GetScaleColor(kMissingColorIndex) || color == GetScaleColor(kNegativeMissingColorIndex);
      canvas.Pen().SetColor(color);
      canvas.Pen().SetMode(missing ? platform::TPenMode::pmCopy : platform::TPenMode::pmMask);
      canvas.Rectangle(px, py, px + s, py + s);
    });
  });
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  graph.PlotRect = saved;
}

}  // namespace plot
