#include "plot/parts/Decorations.h"

namespace plot {

TGraphTitle::TGraphTitle(TGraph& graph, bool atTop, int charset) : Graph(&graph), AtTop(atTop)
{
  Font.SetName(QStringLiteral("Arial"));
  Font.SetSize(8);
  Font.SetColor(platform::clBlack);
  Font.SetCharset(charset);
}

}  // namespace plot
