// The plot's print command: the print dialog and its preview exist for one print.
#include "plotui/Plot.h"

#include "plotui/print/PreviewWindow.h"
#include "plotui/print/PrintDialog.h"

namespace plotui {

void TPlot::RunPrintDialog(plot::TGraph& graph)
{
  TPrintDlg dialog(OwnerWindow());
  TPreView preview(dialog, OwnerWindow());
  dialog.SetPreview(&preview);
  dialog.Execute(graph);
}

}  // namespace plotui
