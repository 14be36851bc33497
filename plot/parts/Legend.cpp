#include "plot/parts/Legend.h"

namespace plot {

TAbstractLegend::TAbstractLegend(TGraph& graph, const QString& name, int charset) : TLayer(graph)
{
  Name = name;
  Font.SetName(QStringLiteral("Arial"));
  Font.SetSize(8);
  Font.SetCharset(charset);
}

}  // namespace plot
