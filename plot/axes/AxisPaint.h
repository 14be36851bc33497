#pragma once
// What the four axis paints share: the plot and frame rectangles, the tick lengths in unit
// heights, the label text object and the pen, and the colour rules on paper.

#include "plot/axes/Axis.h"
#include "plot/graph/CanvasWrappers.h"

#include "platform/CanvasRecord.h"

namespace plot {

// A font size on the target: halved (rounded) while the print preview is drawn.
int PaintFontSize(int size);

// Text alignments of the canvas.
inline constexpr unsigned kAlignLeftTop = platform::TA_LEFT | platform::TA_TOP;
inline constexpr unsigned kAlignCentreTop = platform::TA_CENTER | platform::TA_TOP;
inline constexpr unsigned kAlignRightTop = platform::TA_RIGHT | platform::TA_TOP;
inline constexpr unsigned kAlignLeftBaseline = platform::TA_LEFT | platform::TA_BASELINE;
inline constexpr unsigned kAlignRightBaseline = platform::TA_RIGHT | platform::TA_BASELINE;

class TAxisPainter {
public:
  explicit TAxisPainter(TAxis& axis);

  // The axis colour, black on paper when it is white or the print is black and white.
  platform::TColor PenColor() const;
  void SetAlign(unsigned flags) { Canvas.SetTextAlign(flags); }
  void Line(int x1, int y1, int x2, int y2);
  void UseLabelFont();
  void UseCaptionFont();
  // The axis pen again after another pen wrapper has reset the canvas pen.
  void RestorePen();
  // A grid line in the grid colour with a pen of its own; the axis pen is set up again after.
  void GridLine(std::initializer_list<platform::TPoint> points);
  int Height(const QString& s) { return Text.TextHeight(s); }
  int Width(const QString& s) { return Text.TextWidth(s); }
  bool InsideRows(int y, int top, int bottom) const { return top <= y && y <= bottom; }

  TAxis& Axis;
  TGraph& Graph;
  platform::TCanvas& Canvas;
  TWRText Text;  // label and caption text
  TWPen Pen;
  platform::TRect P;  // the plot rectangle
  platform::TRect R;  // P enlarged by the frame width
  int FrameWidth;
  int Depth;  // 3-D depth in pixels
  bool View3D;
  int UnitHeight;  // "a" at size 1 in the label font's face
  int MajorLength;
  int MinorLength;
  int Offset;      // of the labels from the axis
  int LineHeight;  // "Aj" in the label font
  // Major ticks handled and the right edge of the last label, for the overlap test.
  int LabelIndex = 0;
  int LastLabelEdge = 0;
};

// The frame width in pixels: below 2 as it stands, from 2 on in unit heights of the target
// canvas's font.
int FramePixelWidth(TGraph& graph);

}  // namespace plot
