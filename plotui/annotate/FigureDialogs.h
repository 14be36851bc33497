#pragma once
// The property dialogs the annotation figures run, installed by the code of those dialogs. A
// figure whose dialog is not installed has no properties to edit: EditProperties answers false
// and the layer's "Properties" item is disabled for it.

#include "platform/Color.h"

#include <functional>

namespace plotui {

class TFig;

// The form of the figure property dialog a figure shows; NewNote: a note not yet on the graph.
enum class TFigureForm { Line, Rectangle, Note, NewNote };

struct TFigureDialogs {
  // The symbol-style dialog on a symbol's style, size, pen and fill colour; true when accepted.
  std::function<bool(int& style, int& size, platform::TColor& pen, platform::TColor& fill)> SymbolStyle;
  // The figure property dialog in the form given, on the figure; true when accepted.
  std::function<bool(TFig& fig, TFigureForm form)> FigureProperties;
};

// The one set of dialogs (user-interface thread only).
TFigureDialogs& FigureDialogs();
// Sets the one set to the symbol-style and figure property dialogs of the plot component.
void InstallFigureDialogs();

}  // namespace plotui
