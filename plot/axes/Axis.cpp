#include "plot/axes/Axis.h"

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

}  // namespace plot
