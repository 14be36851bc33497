#pragma once
// The label of a contour line: its level as text, sitting on a piece of its chain and turned along
// it, inside a rotated box in pixels that the line is cut open around.

#include "plot/support/FloatGeometry.h"
#include "plot/support/Polygons.h"

#include "platform/CanvasTypes.h"

#include <QString>

namespace plot {

class TContour;
class TGraph;
struct TContourChain;

class TContourLabel {
public:
  TContourLabel(TGraph& graph, const TFloatPoint& p1, const TFloatPoint& p2, const QString& text,
                TContourChain* chain, TContour& contour);

  // Recomputes Box from P1, P2 and the text in the target canvas's current font.
  void UpdateBox();
  // The same with the text's width and the height of "1" already measured.
  void UpdateBox(int textWidth, int textHeight);
  // The on-screen angle of P1 -> P2 in whole degrees.
  int TextAngle() const;
  // Corner k (1..5) of the box, rounded to pixels.
  platform::TPoint Corner(int k) const;

  bool Visible = true;  // the user has not switched it off
  TFloatPoint P1, P2;   // the label segment in world coordinates
  QString Text;
  TPoly Box;  // corners 1..4 and corner 1 again, in pixels; empty until first computed
  TGraph* Graph;
  TContour* Contour;
  TContourChain* Chain;
  // State of one drawing pass.
  bool Rejected = false;  // no place clear of other labels was found
  bool Frame = false;
  bool Hidden = false;
};

// The box of a text of halfWidth x halfHeight pixels centred on (cx, cy) and turned by angle
// degrees counter-clockwise: corners 1..4 (lower left, lower right, upper right, upper left of the
// unturned box) and corner 1 again.
TPoly ContourLabelBox(double cx, double cy, double halfWidth, double halfHeight, int angle);

// Every corner of the box lies strictly within r (rounded to pixels); an empty box does not.
bool BoxInside(const TPoly& box, const platform::TRect& r);
// An edge of one box crosses an edge of the other; a box wholly inside the other does not count.
bool BoxesOverlap(const TPoly& a, const TPoly& b);

}  // namespace plot
