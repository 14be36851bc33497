// The plot component's own dialogs behind the figures' properties.
#include "plotui/annotate/FigsProperties.h"
#include "plotui/annotate/FigureDialogs.h"
#include "plotui/dialogs/MarkerStyleDialog.h"

namespace plotui {

namespace {

bool RunFigureProperties(TFig& fig, TFigureForm form)
{
  TfmFigsProperties dialog;
  switch (form) {
  case TFigureForm::Line:
    if (auto* line = dynamic_cast<TMonoLine*>(&fig))
      return dialog.EditLine(*line);
    break;
  case TFigureForm::Rectangle:
    if (auto* rect = dynamic_cast<TRectangle*>(&fig))
      return dialog.EditRectangle(*rect);
    break;
  case TFigureForm::Note:
  case TFigureForm::NewNote:
    if (auto* note = dynamic_cast<TNoteText*>(&fig))
      return dialog.EditNote(*note, form == TFigureForm::NewNote);
    break;
  }
  return false;
}

bool RunSymbolStyle(int& style, int& size, platform::TColor& pen, platform::TColor& fill)
{
  TfmMarkerStyle dialog;
  return dialog.Execute(style, size, fill, pen);
}

}  // namespace

void InstallFigureDialogs()
{
  FigureDialogs().FigureProperties = RunFigureProperties;
  FigureDialogs().SymbolStyle = RunSymbolStyle;
}

}  // namespace plotui
