#include "plot/axes/Axis.h"

#include "plot/axes/AxisPaint.h"
#include "plot/axes/TickWalk.h"
#include "plot/graph/Graph.h"

#include "platform/CanvasRounding.h"

#include <cmath>

namespace plot {

using platform::SafeRound;

namespace {

// The bottom (X) and top (X2) axes: line, ticks, grid lines, labels (left out where they would
// overlap the one before) and caption. The top axis mirrors the bottom one upwards, with its
// labels always horizontal and the 3-D depth shifting it right and up.
class THorizontalAxisPaint : public TAxisPainter {
public:
  THorizontalAxisPaint(TAxis& axis, TTickWalk& walk, bool top);
  void Run();

private:
  bool Vertical() const { return !top_ && Axis.LabelsDirection == ldVertical; }
  int OneThird() { return Height(QStringLiteral("1")) / 3; }
  int TickPixel(double value) const;
  int LabelRow() const { return top_ ? y0_ - Offset - LineHeight : y0_ + Offset + vx_; }
  bool LabelsShown() const { return Axis.GetVisible() && Axis.RegularLabelsVisible; }
  bool LabelDue() const { return LabelIndex % std::max(Axis.LabelsFrequency, 1) == 0; }
  void DrawCaption();
  void DrawMajorTick(int x);
  void DrawLogLabel(int x);
  void DrawLinearLabel(int x, const QString& label);
  void DrawMinorTick(int x);
  void DrawGridLine(int x);
  void DrawCustomLabels();

  TTickWalk& walk_;
  bool top_;
  int dir_;  // +1: ticks point down from the line, -1: up
  int x0_ = 0;
  int x1_ = 0;
  int y0_ = 0;
  int vx_ = 0;
  int shift_ = 0;      // of the top axis in the 3-D view
  int skipRight_ = 0;  // ticks right of this are only counted
  int majorLeft_ = 0;  // majors and labels between these columns
  int majorRight_ = 0;
  int minorLeft_ = 0;
  int minorRight_ = 0;
};

THorizontalAxisPaint::THorizontalAxisPaint(TAxis& axis, TTickWalk& walk, bool top)
    : TAxisPainter(axis), walk_(walk), top_(top), dir_(top ? -1 : 1)
{
  const int fw = FrameWidth;
  const int d = Depth;
  if (!top) {
    y0_ = Axis.Location == alInside ? Graph.Y1ToScreen(Axis.Position) : R.Bottom - 1;
    x0_ = R.Left;
    x1_ = R.Right - 1;
    skipRight_ = majorRight_ = P.Right + 3;
    majorLeft_ = P.Left;
    minorLeft_ = P.Left - 2;
    minorRight_ = P.Right + 6;
    return;
  }
  const bool inside = Axis.Location == alInside;
  if (d >= 1) {
    x0_ = R.Left + d + SafeRound(1.707 * fw);
    x1_ = R.Right + d - 1 + SafeRound(0.707 * fw);
    y0_ = inside ? Graph.Y1ToScreen(Axis.Position) - d : R.Top - d + SafeRound(fw / 3.5);
    shift_ = d + SafeRound(0.7071067812 * fw);
  } else {
    x0_ = R.Left;
    x1_ = R.Right - 1;
    y0_ = inside ? Graph.Y1ToScreen(Axis.Position) : R.Top;
    shift_ = d;
  }
  skipRight_ = majorRight_ = P.Right + fw + d;
  majorLeft_ = P.Left + d;
  minorLeft_ = P.Left + d - 2;
  minorRight_ = P.Right + fw + d + 3;
}

int THorizontalAxisPaint::TickPixel(double value) const
{
  return top_ ? Graph.X2ToScreen(value) + shift_ : Graph.X1ToScreen(value);
}

void THorizontalAxisPaint::Run()
{
  if (Axis.GetVisible() && Axis.MajorLineVisible)
    Line(x0_, y0_, View3D ? x1_ - FrameWidth : x1_, y0_);
  if (!Axis.Name.isEmpty() && Axis.GetVisible())
    DrawCaption();
  if (Vertical()) {
    Text.SetAngle(90);
    vx_ = 5;
  }
  UseLabelFont();
  if (Axis.LabelsStyle == asInteger && Axis.TickCount == 0)
    return;
  for (int i = 1; i <= walk_.Count(); ++i) {
    const int x = TickPixel(walk_.Value());
    walk_.StartTick(i);
    if (x <= skipRight_) {
      if (walk_.IsMajor(i))
        DrawMajorTick(x);
      else if (Axis.GetVisible())
        DrawMinorTick(x);
      if (Axis.Grid)
        DrawGridLine(x);
    }
    walk_.Advance();
  }
  if (!Axis.RegularLabelsVisible && !Axis.Labels.empty())
    DrawCustomLabels();
}

void THorizontalAxisPaint::DrawCaption()
{
  Graph.ResetClip();
  if (top_) {
    UseCaptionFont();
    SetAlign(kAlignCentreTop);
    const int x = (x1_ - x0_) / 2 + x0_;
    Text.TextOut(x, y0_ - Offset - LineHeight - Height(QStringLiteral("Aj")) - 3, Axis.Name);
    return;
  }
  if (!Vertical()) {
    UseCaptionFont();
    SetAlign(kAlignCentreTop);
    const int x = x0_ + (R.Right - 1 - x0_) / 2;
    Text.TextOut(x, Axis.Location == alOutside ? y0_ + Offset + LineHeight : R.Bottom + 2, Axis.Name);
    return;
  }
  const int labels = Axis.MeasureLabels();
  RestorePen();
  UseCaptionFont();
  SetAlign(kAlignCentreTop);
  const int h = Width(QStringLiteral("m")) + labels;
  Text.TextOut(x0_ + (R.Right - x0_) / 2, y0_ + 5 + Offset + LineHeight / 3 + h, Axis.Name);
}

void THorizontalAxisPaint::DrawMajorTick(int x)
{
  Pen.SetColor(PenColor());
  const bool onPlot = majorLeft_ <= x && x <= majorRight_;
  if (Axis.GetVisible() && onPlot && Axis.Ticks.MajorVisible && Axis.RegularLabelsVisible)
    Line(x, y0_, x, y0_ + dir_ * MajorLength);
  const QString label = walk_.Label();
  Text.SetColor(Axis.Font.Color());
  if (Axis.Log)
    DrawLogLabel(x);
  else
    DrawLinearLabel(x, label);
  ++LabelIndex;
}

// "10" with the exponent raised after it in a smaller font; the label of the upper end ends at
// its tick.
void THorizontalAxisPaint::DrawLogLabel(int x)
{
  const double l = walk_.LogValue();
  if (!LabelDue() || !(Axis.Inverted || (walk_.Low <= l && l <= walk_.High)))
    return;
  const bool last = l == walk_.High;
  int ax = x;
  SetAlign(last ? kAlignRightTop : kAlignCentreTop);
  if (LabelsShown()) {
    if (Vertical()) {
      SetAlign(kAlignRightBaseline);
      ax += OneThird();
    }
    Text.TextOut(ax, LabelRow(), QStringLiteral("10"));
  }
  const QString exponent = walk_.Exponent();
  Text.SetSize(PaintFontSize(Axis.Font.Size()) - 2);
  SetAlign(kAlignLeftTop);
  if (LabelsShown()) {
    if (Vertical()) {
      SetAlign(kAlignRightBaseline);
      ax += OneThird();
    }
    Text.TextOut(last ? ax : ax + Width(QStringLiteral("0 ")), LabelRow(), exponent);
  }
  Text.SetSize(PaintFontSize(Axis.Font.Size()));
}

// A label that would pass the plot's right edge ends at its tick; on an axis that is not inverted
// a label that would overlap the one before is left out.
void THorizontalAxisPaint::DrawLinearLabel(int x, const QString& label)
{
  const int w = Width(label);
  int dx = -(w / 2);
  SetAlign(kAlignCentreTop);
  if (x + w / 2 > majorRight_) {
    SetAlign(kAlignRightTop);
    dx = -w;
  }
  if (!LabelDue() || !LabelsShown() || x < majorLeft_ || x > majorRight_)
    return;
  int a = x;
  if (Vertical()) {
    SetAlign(kAlignRightBaseline);
    a = x + OneThird();
  }
  if (LastLabelEdge <= 0 || Axis.Inverted || a + dx > LastLabelEdge)
    Text.TextOut(a, LabelRow(), label);
  LastLabelEdge = a + w + dx;
}

void THorizontalAxisPaint::DrawMinorTick(int x)
{
  Pen.SetColor(PenColor());
  if (!Axis.Ticks.MinorVisible || !Axis.RegularLabelsVisible)
    return;
  if (Axis.Log) {
    const double l = walk_.LogValue();
    const double slack = std::fabs(walk_.High - walk_.Low) / 1000;
    if ((Axis.Inverted || (walk_.Low <= l && l <= walk_.High + slack)) && Axis.LabelsStyle != asInteger)
      Line(x, y0_, x, y0_ + dir_ * MinorLength);
    return;
  }
  if (minorLeft_ <= x && x <= minorRight_)
    Line(x, y0_, x, y0_ + dir_ * MinorLength);
}

void THorizontalAxisPaint::DrawGridLine(int x)
{
  if (x < P.Left)
    return;
  const int fw = FrameWidth;
  const int d = Depth;
  if (!top_) {
    const int s = View3D ? d : 0;
    if (View3D)
      GridLine({{x + s, P.Top - s}, {x + s, P.Bottom - s}, {x, P.Bottom}, {x, R.Bottom}});
    else
      GridLine({{x, P.Top}, {x, P.Bottom}});
    return;
  }
  const int top = R.Top - d + SafeRound(fw / 3.5);
  if (d <= 0) {
    GridLine({{x, top + SafeRound(0.7071067812 * fw)}, {x, R.Bottom - fw - d}});
    return;
  }
  const int column = x - SafeRound(0.7071067812 * fw);
  GridLine({{x, top}, {column, R.Top - d + fw}, {column, R.Bottom - fw - d}});
}

// Captions at their own values within the range; on a logarithmic axis the value's logarithm is
// what lies in the range.
void THorizontalAxisPaint::DrawCustomLabels()
{
  SetAlign(kAlignCentreTop);
  Text.SetSize(PaintFontSize(Axis.Font.Size()));
  const double low = std::min(walk_.Low, walk_.High);
  const double high = std::max(walk_.Low, walk_.High);
  bool drawn = false;
  int previous = 0;
  for (const auto& [caption, value] : Axis.Labels) {
    const double at = Axis.Log ? Graph.SafeLog10(value) : value;
    if (!(low <= at && at <= high))
      continue;
    int x = TickPixel(value);
    if (Axis.Ticks.MajorVisible)
      Line(x, y0_ - dir_, x, y0_ + dir_ * MajorLength);
    if (Vertical()) {
      SetAlign(kAlignRightBaseline);
      x += OneThird();
      if (drawn && std::abs(x - previous) < Height(QStringLiteral("1")) - 4)
        continue;
    }
    Text.TextOut(x, LabelRow(), caption);
    drawn = true;
    previous = x;
  }
}

}  // namespace

void TXAxis::Draw()
{
  TTickWalk walk(*this);
  THorizontalAxisPaint(*this, walk, false).Run();
}

void TXAxis2::Draw()
{
  TTickWalk walk(*this);
  THorizontalAxisPaint(*this, walk, true).Run();
}

}  // namespace plot
