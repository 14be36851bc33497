#include "plot/contour/ContourLabel.h"

#include "plot/contour/Contour.h"
#include "plot/graph/Graph.h"
#include "plot/support/FloatUtils.h"
#include "plot/support/SegmentClip.h"

#include "platform/CanvasRounding.h"

#include <cmath>
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

bool BoxesOverlap(const TPoly& a, const TPoly& b)
{
  if (a.Count < 5 || b.Count < 5)
    return false;
  TFloatPoint crossing;
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) {
      const TSegment edgeA{a.GetX(i), a.GetY(i), a.GetX(i + 1), a.GetY(i + 1)};
      const TSegment edgeB{b.GetX(j), b.GetY(j), b.GetX(j + 1), b.GetY(j + 1)};
      if (IntersectSegments(edgeA, edgeB, crossing))
        return true;
    }
  return false;
}

}  // namespace plot
