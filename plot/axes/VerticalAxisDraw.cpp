#include "plot/axes/Axis.h"

#include "plot/axes/AxisPaint.h"
#include "plot/axes/TickWalk.h"
#include "plot/graph/Graph.h"

#include "platform/CanvasRounding.h"

#include <cmath>

namespace plot {

using platform::SafeRound;

namespace {

// The left (Y) and right (Y2) axes: line, ticks, grid lines, labels turned by 90 degrees (the
// left axis may have them horizontal), the range ends as labels when no tick was labelled, and
// the caption. The right axis mirrors the left one, shifted up and right by the 3-D depth.
class TVerticalAxisPaint : public TAxisPainter {
public:
  TVerticalAxisPaint(TAxis& axis, TTickWalk& walk, bool right);
  void Run();

private:
  bool Vertical() const { return right_ || Axis.LabelsDirection == ldVertical; }
  int TickPixel(double value) const;
  bool LabelDue() const { return LabelIndex % std::max(Axis.LabelsFrequency, 1) == 0; }
  bool LabelsShown() const { return Axis.GetVisible() && Axis.RegularLabelsVisible; }
  void DrawCaption();
  void DrawMajorTick(int y, bool first);
  void DrawLinearLabel(int y, bool first, const QString& label);
  void DrawLogLabel(int y);
  void DrawMinorTick(int y);
  void DrawGridLine(int y);
  void DrawEndLabels();
  void DrawCustomLabels();

  TTickWalk& walk_;
  bool right_;
  int dir_;  // -1: ticks point left from the line, +1: right
  int x0_ = 0;
  int top_ = 0;
  int bottom_ = 0;
  int shift_ = 0;  // of the right axis in the 3-D view
  int labelX_ = 0;  // anchor column of turned labels
  // Rows between which ticks and labels are drawn.
  int majorTop_ = 0, majorBottom_ = 0, minorBottom_ = 0, labelBottom_ = 0;
  bool labelled_ = false;
};

TVerticalAxisPaint::TVerticalAxisPaint(TAxis& axis, TTickWalk& walk, bool right)
    : TAxisPainter(axis), walk_(walk), right_(right), dir_(right ? 1 : -1)
{
  const int fw = FrameWidth;
  const int d = Depth;
  const bool inside = Axis.Location == alInside;
  if (!right) {
    x0_ = inside ? Graph.X1ToScreen(Axis.Position) : R.Left;
    top_ = View3D ? R.Top + fw : R.Top;
    bottom_ = R.Bottom;
    majorTop_ = P.Top - 2;
    majorBottom_ = minorBottom_ = labelBottom_ = P.Bottom + 1;
    labelX_ = x0_ - Offset - Height(QStringLiteral("()"));
    return;
  }
  if (d >= 1) {
    top_ = R.Top - d - SafeRound(fw * std::sqrt(2.0) / 2);
    bottom_ = R.Bottom - d - SafeRound(1.7 * fw);
    x0_ = inside ? Graph.X1ToScreen(Axis.Position) + d - 1 : R.Right + d - 1 - SafeRound(fw / 3.5);
    shift_ = d + SafeRound(fw * std::sqrt(2.0) / 2);
  } else {
    top_ = R.Top;
    bottom_ = R.Bottom;
    x0_ = inside ? Graph.X1ToScreen(Axis.Position) : R.Right - 1;
    shift_ = d;
  }
  majorTop_ = P.Top - d - 2 - SafeRound(0.7071 * fw);
  majorBottom_ = P.Bottom - d + 2;
  minorBottom_ = P.Bottom - d + 1;
  labelBottom_ = P.Bottom + 2;
  labelX_ = x0_ + Offset;
}

int TVerticalAxisPaint::TickPixel(double value) const
{
  return right_ ? Graph.Y2ToScreen(value) - shift_ : Graph.Y1ToScreen(value);
}

void TVerticalAxisPaint::Run()
{
  if (Axis.MajorLineVisible) {
    if (right_)
      Line(x0_, bottom_ - 1, x0_, (View3D ? top_ + FrameWidth : top_) - 1);
    else
      Line(x0_, bottom_ - 1, x0_, top_);
  }
  if (!Axis.Name.isEmpty() && Axis.GetVisible())
    DrawCaption();
  Text.SetAngle(Vertical() ? 90 : 0);
  UseLabelFont();
  if (Axis.LabelsStyle == asInteger && Axis.TickCount == 0)
    return;
  for (int i = 1; i <= walk_.Count(); ++i) {
    const int y = TickPixel(walk_.Value());
    walk_.StartTick(i);
    if (walk_.IsMajor(i))
      DrawMajorTick(y, i == 1);
    else
      DrawMinorTick(y);
    if (Axis.Grid)
      DrawGridLine(y);
    walk_.Advance();
  }
  if (!labelled_ && LabelsShown())
    DrawEndLabels();
  if (!Axis.RegularLabelsVisible && !Axis.Labels.empty())
    DrawCustomLabels();
}

void TVerticalAxisPaint::DrawCaption()
{
  const int labels = right_ || Vertical() ? 0 : Axis.MeasureLabels();
  RestorePen();
  Graph.ResetClip();
  UseCaptionFont();
  Text.SetAngle(90);
  const int middle = (R.Top + R.Bottom) / 2;
  if (right_) {
    SetAlign(kAlignCentreTop);
    if (Axis.Location == alInside)
      Text.TextOut(R.Right + Depth + Offset - 2, middle - Depth, Axis.Name);
    else
      Text.TextOut(x0_ + Offset + LineHeight, middle - Depth, Axis.Name);
    return;
  }
  const int c = Height(QStringLiteral("()"));
  SetAlign(kAlignLeftBaseline);
  if (Axis.Location == alInside) {
    Text.TextOut(R.Left - c, middle, Axis.Name);
    return;
  }
  const int row = middle + Width(Axis.Name) / 2;
  const int room = Vertical() ? LineHeight : labels;
  Text.TextOut(x0_ - Offset - room - c / 5, row, Axis.Name);
}

void TVerticalAxisPaint::DrawMajorTick(int y, bool first)
{
  Pen.SetColor(PenColor());
  if (Axis.GetVisible() && Axis.Ticks.MajorVisible && InsideRows(y, majorTop_, majorBottom_))
    Line(x0_, y, x0_ + dir_ * MajorLength, y);
  const QString label = walk_.Label();
  Text.SetColor(Axis.Font.Color());
  if (InsideRows(y, majorTop_, labelBottom_) && LabelDue() && LabelsShown()) {
    if (Axis.Log)
      DrawLogLabel(y);
    else
      DrawLinearLabel(y, first, label);
  }
  ++LabelIndex;
}

// Turned labels keep within the frame: the first one starts at its tick when it would pass the
// bottom, later ones end at their tick when they would pass the top.
void TVerticalAxisPaint::DrawLinearLabel(int y, bool first, const QString& label)
{
  labelled_ = true;
  const int w = Width(label);
  if (!Vertical()) {
    SetAlign(kAlignLeftBaseline);
    Text.TextOut(x0_ - Offset - w, y + Height(QStringLiteral("1")) / 3, label);
    return;
  }
  const int d = right_ ? Depth : 0;
  unsigned align = kAlignCentreTop;
  if (first && y + w / 2 > R.Bottom - d)
    align = kAlignLeftTop;
  else if (!first && (right_ ? y - w / 2 < R.Top - d : y + w / 2 < R.Top))
    align = kAlignRightTop;
  if (!right_ && y - w / 2 < 0)
    align = kAlignRightTop;
  SetAlign(align);
  Text.TextOut(labelX_, y, label);
}

void TVerticalAxisPaint::DrawLogLabel(int y)
{
  const double l = walk_.LogValue();
  const auto whole = [](double v) { return std::nearbyint(v); };
  if (!(Axis.Inverted || (whole(walk_.Low) <= whole(l) && whole(l) <= whole(walk_.High))))
    return;
  labelled_ = true;
  const QString exponent = walk_.Exponent();
  const int size = PaintFontSize(Axis.Font.Size());
  if (Vertical()) {
    SetAlign(kAlignCentreTop);
    Text.TextOut(labelX_, y, QStringLiteral("10"));
    Text.SetSize(size - 2);
    SetAlign(kAlignLeftTop);
    Text.TextOut(labelX_, y - Width(QStringLiteral("0 ")), exponent);
    Text.SetSize(size);
    return;
  }
  SetAlign(kAlignLeftBaseline);
  Text.TextOut(x0_ - Offset - Width(QStringLiteral("100")), y + Height(QStringLiteral("1")) / 3, QStringLiteral("10"));
  const int tenWidth = Width(QStringLiteral("10"));
  const int raise = Height(QStringLiteral("0")) / 3;
  Text.SetSize(size - 2);
  SetAlign(kAlignLeftTop);
  Text.TextOut(x0_ - Offset - tenWidth + 1, y - raise, exponent);
  Text.SetSize(size);
}

void TVerticalAxisPaint::DrawMinorTick(int y)
{
  Pen.SetColor(PenColor());
  if (!Axis.GetVisible() || !Axis.Ticks.MinorVisible)
    return;
  if (Axis.Log) {
    const double l = walk_.LogValue();
    if (!(Axis.Inverted || (walk_.Low <= l && l <= walk_.High)))
      return;
  } else if (!InsideRows(y, majorTop_, minorBottom_))
    return;
  Line(x0_, y, x0_ + dir_ * MinorLength, y);
}

void TVerticalAxisPaint::DrawGridLine(int y)
{
  const int fw = FrameWidth;
  const int d = Depth;
  if (!right_) {
    if (!InsideRows(y, P.Top, P.Bottom))
      return;
    const int s = View3D ? d : 0;
    if (View3D)
      GridLine({{R.Right - fw + s, y - s}, {x0_ + fw + s, y - s}, {x0_ + fw, y}, {x0_, y}});
    else
      GridLine({{R.Right - fw, y}, {x0_ + fw, y}});
    return;
  }
  if (!InsideRows(y, P.Top - d, P.Bottom - d))
    return;
  if (View3D) {
    const int slant = SafeRound(0.7 * fw);
    GridLine({{x0_, y}, {x0_ - slant, y + slant}, {R.Left + fw + d, y + slant}});
  } else
    GridLine({{R.Left + fw, y}, {x0_ - fw, y}});
}

// The range ends as labels, when no tick of the walk was labelled.
void TVerticalAxisPaint::DrawEndLabels()
{
  double lower = std::min(walk_.Low, walk_.High);
  double upper = std::max(walk_.Low, walk_.High);
  if (Axis.Log) {
    lower = std::pow(10.0, lower);
    upper = std::pow(10.0, upper);
  }
  int lowerRow = P.Bottom;
  int upperRow = P.Top;
  if (Axis.Inverted)
    std::swap(lowerRow, upperRow);
  const int x = labelX_;
  SetAlign(kAlignLeftTop);
  Text.TextOut(x, lowerRow, Axis.FormatLabel(Axis.Decimals, lower, Axis.TickStep));
  SetAlign(kAlignRightTop);
  Text.TextOut(x, upperRow, Axis.FormatLabel(Axis.Decimals, upper, Axis.TickStep));
}

// Captions at their own values, within the rows of the plot.
void TVerticalAxisPaint::DrawCustomLabels()
{
  SetAlign(kAlignCentreTop);
  for (const auto& [caption, value] : Axis.Labels) {
    const int y = TickPixel(value);
    if (!InsideRows(y, majorTop_, labelBottom_))
      continue;
    Text.TextOut(labelX_, y, caption);
    if (Axis.Ticks.MajorVisible)
      Line(x0_, y, x0_ + dir_ * Offset, y);
  }
}

}  // namespace

void TYAxis::Draw()
{
  if (TickStep == 0)
    return;
  TTickWalk walk(*this);
  TVerticalAxisPaint(*this, walk, false).Run();
}

void TYAxis2::Draw()
{
  if (!GetVisible() || TickStep == 0)
    return;
  TTickWalk walk(*this);
  TVerticalAxisPaint(*this, walk, true).Run();
}

}  // namespace plot
