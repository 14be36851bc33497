// The series under the mouse: the segment or point within the hit tolerance, its popup menu on a
// right click and an info bubble by the info gesture.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"
#include "plot/parts/InfoBubble.h"
#include "plot/support/PixelGeometry.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cstdlib>
#include "platform/Menus.h"

namespace plotui {

void TSeries::MouseMoveActive(platform::TShiftState, int x, int y)
{
  HitIndex = -1;
  HitPoint = -1;
  MarkerHit = false;
  OnMarker = false;
  if (!Interactive || !GetVisible() || Points.empty())
    return;
  const platform::TRect plotRect = Graph->GetPlotRect();
  const int tolerance = std::max(3, platform::SafeRound(Tolerance * (plotRect.Right - plotRect.Left)));
  int best = -1;
  int bestDistance = tolerance + 1;
  for (int i = 0; i < GetCount(); ++i) {
    const TGraphData& d = Points[static_cast<std::size_t>(i)];
    const platform::TPoint a{Graph->XToScreen(d.X1), Graph->YToScreen(d.Y1)};
    const platform::TPoint b{Graph->XToScreen(d.X2), Graph->YToScreen(d.Y2)};
    int distance = std::max(std::abs(b.X - x), std::abs(b.Y - y));
    const bool lines = Style != plot::kStylePoints && Style != plot::kStyleBar && Style != plot::kStyleDepthBar;
    if (lines && a != b)
      distance = std::min(distance, plot::DistanceToSegment(a, b, {x, y}));
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  if (best < 0)
    return;
  HitIndex = best;
  HitPoint = best;
  HitDistance = bestDistance;
  const TGraphData& d = Points[static_cast<std::size_t>(best)];
  const bool nearPoint = std::abs(Graph->XToScreen(d.X2) - x) <= MarkerSize &&
                         std::abs(Graph->YToScreen(d.Y2) - y) <= MarkerSize;
  MarkerHit = Style == plot::kStylePoints || (Style == plot::kStyleLineAndPoint && nearPoint);
  OnMarker = MarkerHit;
}

void TSeries::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  DownX = x;
  DownY = y;
  if (HitIndex == -1 || !ClickEnabled)
    return;
  if (button == platform::mbRight) {
    if (platform::TMenuItem* edit = PopupMenu->Items().Find(QStringLiteral("miEdit")))
      edit->SetVisible(Style == plot::kStylePiecewiseConstant);
    const platform::TPoint at = Graph->Image->ClientToScreen({x, y});
    PopupMenu->Popup(at.X, at.Y);
    return;
  }
  const platform::TShiftState keys = shift & (platform::ssShift | platform::ssAlt | platform::ssCtrl);
  if (button == platform::mbLeft && InfoEnabled && keys == InfoShift)
    InfoClick();
}

}  // namespace plotui
