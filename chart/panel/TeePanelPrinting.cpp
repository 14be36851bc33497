// The chart on paper: the page rectangle from the print margins and the chart drawn onto it through
// a mapping from the client's size.

#include "chart/panel/CustomTeePanel.h"

#include "platform/CanvasRounding.h"
#include "platform/Printer.h"

#include <utility>

namespace chart {

void TCustomTeePanel::Print() { PrintRect(ChartPrintRect()); }

TRect TCustomTeePanel::ChartPrintRect()
{
  if (printProportional_)
    CalcProportionalMargins();
  const platform::TPrinter& printer = platform::Printer();
  const int width = printer.PageWidth();
  const int height = printer.PageHeight();
  const auto part = [](int percent, int size) { return platform::SafeRound(percent * double(size) / 100.0); };
  return {part(printMargins_.Left, width), part(printMargins_.Top, height), width - part(printMargins_.Right, width),
          height - part(printMargins_.Bottom, height)};
}

// 60 % of the page along the chart's longer side; the other side in proportion, its margins halving
// what is left.
void TCustomTeePanel::CalcProportionalMargins()
{
  const platform::TPrinter& printer = platform::Printer();
  const double pixelRatio = 1.0;  // the printer's dots are square
  const auto margin = [pixelRatio](int a, int b, double ratio) {
    return platform::SafeRound((b - 0.6 * a * ratio * pixelRatio) * 100.0 / b) / 2;
  };
  const TRect client = GetRectangle();
  const int w = client.Width();
  const int h = client.Height();
  const int pageWidth = printer.PageWidth();
  const int pageHeight = printer.PageHeight();
  if (w <= 0 || h <= 0 || pageWidth <= 0 || pageHeight <= 0)
    return;
  if (h < w) {
    const int m = margin(pageWidth, pageHeight, double(h) / w);
    printMargins_ = {15, m, 15, m};
  } else {
    const int m = margin(pageHeight, pageWidth, double(w) / h);
    printMargins_ = {m, 15, m, 15};
  }
}

void TCustomTeePanel::PrintRect(const TRect& r)
{
  platform::TPrinter& printer = platform::Printer();
  printer.SetTitle(objectName());
  printer.BeginDoc();
  try {
    PrintPartial(r);
  } catch (...) {
    printer.Abort();
    if (printer.Printing())
      printer.EndDoc();
    throw;
  }
  printer.EndDoc();
}

void TCustomTeePanel::PrintPartial(const TRect& r) { PrintPartialCanvas(platform::Printer().Canvas(), r); }

void TCustomTeePanel::PrintPartialCanvas(platform::TCanvas& canvas, TRect r)
{
  if (r.Left > r.Right)
    std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom)
    std::swap(r.Top, r.Bottom);
  const TRect client = GetRectangle();
  const int logicalWidth = client.Width() - platform::MulDiv(client.Width(), printResolution_, 100);
  const int logicalHeight = client.Height() - platform::MulDiv(client.Height(), printResolution_, 100);
  const int width = r.Width();
  const int height = r.Height();
  const TRect scaled{platform::MulDiv(r.Left, logicalWidth, width), platform::MulDiv(r.Top, logicalHeight, height),
                     platform::MulDiv(r.Right, logicalWidth, width), platform::MulDiv(r.Bottom, logicalHeight, height)};
  canvas.SetMapping({0, 0, logicalWidth, logicalHeight}, {0, 0, width, height});
  struct TPrintingScope {
    platform::TCanvas& canvas;
    bool& printing;
    ~TPrintingScope()
    {
      canvas.RemoveClipping();
      printing = false;
    }
  } scope{canvas, printing_};
  printing_ = true;
  if (CanClip())
    canvas.SetClipRect(scaled);
  DrawToMetaCanvas(canvas, scaled);
}

}  // namespace chart
