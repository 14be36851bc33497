#include "plot/graph/Graph.h"

#include "plot/support/GraphLibrary.h"

#include "platform/Printer.h"

namespace plot {

void TGraph::ClipTo(const platform::TRect& r)
{
  TGraphLibrary& library = GraphLibrary();
  if (library.Clipped)
    return;
  ClipRect = r;
  if (View3D > 0) {
    ClipRect.Top -= Depth;
    ClipRect.Right += Depth;
  }
  Canvas->IntersectClipRect(ClipRect);
  library.Clipped = true;
}

void TGraph::SetClip()
{
  ClipTo({PlotRect.Left + 1, PlotRect.Top + 1, PlotRect.Right - 1, PlotRect.Bottom - 1});
}

void TGraph::SetClipWorld(double x1, double y1, double x2, double y2)
{
  ClipTo({XToScreen(x1) + 1, YToScreen(y2) + 1, XToScreen(x2) - 1, YToScreen(y1) - 1});
}

void TGraph::SetClipAbovePlotBottom()
{
  TGraphLibrary& library = GraphLibrary();
  if (library.Clipped)
    return;
  const int width = PrinterPrinting() ? platform::Printer().PageWidth() : Image->Width();
  ClipRect = {0, 0, width, PlotRect.Bottom};
  Canvas->IntersectClipRect(ClipRect);
  library.Clipped = true;
}

void TGraph::ResetClip()
{
  TGraphLibrary& library = GraphLibrary();
  if (!library.Clipped)
    return;
  Canvas->RemoveClipping();
  library.Clipped = false;
}

}  // namespace plot
