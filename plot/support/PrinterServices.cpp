#include "plot/support/PrinterServices.h"

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/CanvasRounding.h"
#include "platform/Printer.h"


namespace plot {

bool PrintBitmap(const platform::TRect& r, const platform::TBitmap& bitmap)
{
  platform::TPrinter& printer = platform::Printer();
  const platform::TRect dest = r.Normalized();
  if (!printer.Printing() || bitmap.Empty() || dest.IsEmpty())
    return false;
  printer.Canvas().StretchDraw(dest, bitmap);
  return true;
}

namespace {

int Millimetres(int dots, int dotsPerInch)
{
  return dotsPerInch > 0 ? platform::SafeRound(dots * 25.4 / dotsPerInch) : 0;
}

}  // namespace

int GetPrinterCaps(int printerIndex, int capability)
{
  platform::TPrinter& printer = platform::Printer();
  const int count = static_cast<int>(printer.Printers().size());
  if (printerIndex < -1 || printerIndex >= count)
    return 0;
  // Page size and resolution are the printer's settings, which follow the selected printer.
  const int dpi = printer.Resolution();
  switch (capability) {
  case HORZRES:
  case PHYSICALWIDTH:
    return printer.PageWidth();
  case VERTRES:
  case PHYSICALHEIGHT:
    return printer.PageHeight();
  case HORZSIZE:
    return Millimetres(printer.PageWidth(), dpi);
  case VERTSIZE:
    return Millimetres(printer.PageHeight(), dpi);
  case LOGPIXELSX:
  case LOGPIXELSY:
    return dpi;
  case BITSPIXEL:
    return 24;
  case PLANES:
    return 1;
  case PHYSICALOFFSETX:
  case PHYSICALOFFSETY:
    return 0;
  default:
    return 0;
  }
}

void ErrorBeep() { platform::Beep(); }

}  // namespace plot
