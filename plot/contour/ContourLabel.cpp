#include "plot/contour/ContourLabel.h"

#include "plot/contour/Contour.h"
#include "plot/graph/Graph.h"
#include "plot/support/FloatUtils.h"
#include "plot/support/SegmentClip.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <numbers>

namespace plot {

TContourLabel::TContourLabel(TGraph& graph, const TFloatPoint& p1, const TFloatPoint& p2, const QString& text,
                             TContourChain* chain, TContour& contour)
    : P1(p1), P2(p2), Text(text.left(255)), Graph(&graph), Contour(&contour), Chain(chain)
{
}

int TContourLabel::TextAngle() const
{
  const Extended radians = VectorAngle(static_cast<Extended>(P2.Y) - P1.Y, static_cast<Extended>(P2.X) - P1.X);
  return Graph->GetTextAngle(static_cast<double>(radians * 180 / std::numbers::pi_v<Extended>));
}

void TContourLabel::UpdateBox()
{
  const platform::TCanvas& canvas = *Graph->Canvas;
  UpdateBox(canvas.TextWidth(Text), canvas.TextHeight(QStringLiteral("1")));
}

void TContourLabel::UpdateBox(int textWidth, int textHeight)
{
  const double divisor = Contour->OpaqueLabels ? 1.1 : 1.9;
  const double cx = Graph->XToScreen((P1.X + P2.X) / 2);
  const double cy = Graph->YToScreen((P1.Y + P2.Y) / 2);
  Box = ContourLabelBox(cx, cy, textWidth / divisor, std::abs(textHeight) / divisor, TextAngle());
}

platform::TPoint TContourLabel::Corner(int k) const
{
  return {platform::SafeRound(Box.GetX(k)), platform::SafeRound(Box.GetY(k))};
}

TPoly ContourLabelBox(double cx, double cy, double halfWidth, double halfHeight, int angle)
{
  const double e = -angle * std::numbers::pi / 180;
  const double c = std::cos(e), s = std::sin(e);
  const double w = halfWidth, h = halfHeight;
  TPoly box;
  box.Add(cx - c * w - s * h, cy - s * w + c * h);
  box.Add(cx + c * w - s * h, cy + s * w + c * h);
  box.Add(cx + c * w + s * h, cy + s * w - c * h);
  box.Add(cx - c * w + s * h, cy - s * w - c * h);
  box.Add(box.GetX(1), box.GetY(1));
  return box;
}

bool BoxInside(const TPoly& box, const platform::TRect& r)
{
  if (box.Count < 4)
    return false;
  for (int k = 1; k <= 4; ++k) {
    const int x = platform::SafeRound(box.GetX(k));
    const int y = platform::SafeRound(box.GetY(k));
    if (!(r.Left < x && x < r.Right && r.Top < y && y < r.Bottom))
      return false;
  }
  return true;
}

namespace {

// The extent of the box's corners along the direction (dx, dy).
std::pair<double, double> Projection(const TPoly& box, double dx, double dy)
{
  double low = box.GetX(1) * dx + box.GetY(1) * dy;
  double high = low;
  for (int k = 2; k <= 4; ++k) {
    const double v = box.GetX(k) * dx + box.GetY(k) * dy;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  return {low, high};
}

// True when an edge of the box separates the two by at least the gap (in pixels).
bool SeparatedByEdgeOf(const TPoly& edges, const TPoly& a, const TPoly& b, double gap)
{
  for (int k = 1; k <= 2; ++k) {
    const double ex = edges.GetX(k + 1) - edges.GetX(k);
    const double ey = edges.GetY(k + 1) - edges.GetY(k);
    const double length = std::hypot(ex, ey);
    if (!(length > 0))
      continue;
    const double nx = -ey / length, ny = ex / length;  // unit normal of the edge
    const auto [lowA, highA] = Projection(a, nx, ny);
    const auto [lowB, highB] = Projection(b, nx, ny);
    if (highA + gap <= lowB || highB + gap <= lowA)
      return true;
  }
  return false;
}

}  // namespace

// Two turned rectangles are apart when one of their edge directions separates them; touching,
// crossing, one inside the other and two equal boxes all overlap.
bool BoxesOverlap(const TPoly& a, const TPoly& b)
{
  if (a.Count < 5 || b.Count < 5)
    return false;
  constexpr double kGap = 2;  // pixels kept clear between two labels
  return !SeparatedByEdgeOf(a, a, b, kGap) && !SeparatedByEdgeOf(b, a, b, kGap);
}

}  // namespace plot
