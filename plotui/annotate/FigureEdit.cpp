// Editing a figure's properties through the dialog of its kind.
#include "plotui/annotate/FigureDialogs.h"
#include "plotui/annotate/GraphFigs.h"

#include "plot/graph/Graph.h"

#include <algorithm>

namespace plotui {

TFigureDialogs& FigureDialogs()
{
  static TFigureDialogs dialogs;
  return dialogs;
}

bool TFig::RunFigureForm(TFigureForm form)
{
  const auto& dialog = FigureDialogs().FigureProperties;
  return dialog && dialog(*this, form);
}

bool TFig::HasFigureForm() const { return static_cast<bool>(FigureDialogs().FigureProperties); }

bool TShape::CanEditProperties() const { return static_cast<bool>(FigureDialogs().SymbolStyle); }

bool TShape::EditProperties()
{
  if (!ChooseStyle())
    return false;
  Graph->Paint();
  return true;
}

bool TShape::ChooseStyle()
{
  const auto& dialog = FigureDialogs().SymbolStyle;
  if (!dialog)
    return false;
  int style = SymbolStyle, size = SymbolSize;
  platform::TColor pen = SymbolPenColor, fill = SymbolFillColor;
  if (!dialog(style, size, pen, fill))
    return false;
  SymbolStyle = style;
  SymbolSize = size;
  SymbolPenColor = pen;
  SymbolFillColor = fill;
  Marker->Size = size;
  Marker->Color = pen;
  Marker->Color2 = fill;
  Marker->Style = static_cast<std::uint8_t>(std::clamp(style, 0, 51));
  return true;
}

}  // namespace plotui
