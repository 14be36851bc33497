#include "plot/axes/Axis.h"

#include "plot/graph/Graph.h"

namespace plot {

namespace {

void SetAxisFont(platform::TFont& font, int charset)
{
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(8);
  font.SetColor(platform::clBlack);
  font.SetCharset(charset);
}

}  // namespace

TAxis::TAxis(TGraph& graph, double a, double b, int charset)
    : Graph(&graph), RangeMin(MinOfFloats(a, b)), RangeMax(MaxOfFloats(a, b))
{
  SetAxisFont(Font, charset);
  SetAxisFont(NameFont, charset);
}

bool TAxis::Zoomed() const { return !Graph->Zoom.Stack.empty(); }

// A legend inside the plot would cover the other scale's data: it moves to the right.
void TAxis::SetLog(bool value)
{
  if (value == Log)
    return;
  if (OnLogChanging)
    OnLogChanging(*Graph);
  Log = value;
  if (Graph->Legend && Graph->Legend->Style == lsInside)
    Graph->Legend->Style = lsRight;
  if (OnLogChanged)
    OnLogChanged(*Graph);
}

int TAxis::AddLabel(const QString& caption, double value)
{
  Labels.emplace_back(caption, value);
  return static_cast<int>(Labels.size()) - 1;
}

double& TXAxis::RangeLow() const { return Graph->Range.Left; }
double& TXAxis::RangeHigh() const { return Graph->Range.Right; }
double& TYAxis::RangeLow() const { return Graph->Range.Top; }
double& TYAxis::RangeHigh() const { return Graph->Range.Bottom; }
double& TXAxis2::RangeLow() const { return Graph->Range2.Left; }
double& TXAxis2::RangeHigh() const { return Graph->Range2.Right; }
double& TYAxis2::RangeLow() const { return Graph->Range2.Top; }
double& TYAxis2::RangeHigh() const { return Graph->Range2.Bottom; }

}  // namespace plot
