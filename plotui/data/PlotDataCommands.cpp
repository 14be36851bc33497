// The plot's commands that open the series data windows.
#include "plotui/Plot.h"
#include "plotui/data/ExportDialog.h"
#include "plotui/data/ImportDialog.h"

namespace plotui {

void TPlot::ImportSeries()
{
  TfmGraphImport window;
  if (window.EditSeries(*Graph, nullptr))
    Redraw();
}

void TPlot::ExportSeries()
{
  TfmExports window;
  window.Execute(*this);
}

}  // namespace plotui
