#include "plot/axes/Axis.h"

#include "plot/axes/AxisPaint.h"
#include "plot/axes/TickWalk.h"
#include "plot/graph/Graph.h"
#include "plot/support/NumberText.h"

#include <algorithm>
#include <cmath>

namespace plot {

QString TAxis::FormatLabel(int digits, double value, double step) const
{
  std::string s = FloatToLabelText(digits, 1, value);
  while (s.size() > 1 && s.front() == ' ')
    s.erase(0, 1);
  if (s.size() >= 2 && s[s.size() - 2] == '.' && s.back() == '0')
    s.resize(s.size() - 2);
  // A value that is only a rounding residue of zero.
  if (!Log && value != 0 && std::fabs(static_cast<Extended>(step) / value) > 1000000)
    s = "0.0";
  if (s == "-0")
    s = "0";
  return QString::fromLatin1(s);
}

namespace {

// The widest custom caption, or of the labels of every major tick (a logarithmic label as its
// exponent followed by "10").
int WidestLabel(TAxis& axis, bool customCaptions)
{
  TWRText text(*axis.Graph, axis.Font.Name());
  text.SetSize(PaintFontSize(axis.Font.Size()));
  text.SetStyle(axis.Font.Style());
  int widest = 0;
  if (customCaptions) {
    for (const auto& [caption, value] : axis.Labels)
      widest = std::max(widest, text.TextWidth(caption));
    return widest;
  }
  TTickWalk walk(axis);
  for (int i = 1; i <= walk.Count(); ++i) {
    walk.StartTick(i);
    if (walk.IsMajor(i)) {
      const QString label = walk.Label();
      widest = std::max(widest, text.TextWidth(axis.Log ? walk.Exponent() + label : label));
    }
    walk.Advance();
  }
  return widest;
}

int MeasureHorizontalAxis(TAxis& axis)
{
  if (!axis.GetVisible())
    return 0;
  return WidestLabel(axis, !axis.RegularLabelsVisible && !axis.Labels.empty());
}

int MeasureVerticalAxis(TAxis& axis)
{
  if (!axis.GetVisible() || axis.TickStep == 0)
    return 0;
  return WidestLabel(axis, !axis.RegularLabelsVisible);
}

}  // namespace

int TXAxis::MeasureLabels() { return MeasureHorizontalAxis(*this); }
int TXAxis2::MeasureLabels() { return MeasureHorizontalAxis(*this); }
int TYAxis::MeasureLabels() { return MeasureVerticalAxis(*this); }
int TYAxis2::MeasureLabels() { return MeasureVerticalAxis(*this); }

}  // namespace plot
