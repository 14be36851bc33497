#include "plot/support/GraphLibrary.h"

#include "platform/Printer.h"

namespace plot {

TGraphLibrary& GraphLibrary()
{
  static TGraphLibrary library;
  return library;
}

bool PrinterPrinting() { return platform::Printer().Printing(); }

bool BlackAndWhiteApplies()
{
  const TGraphLibrary& library = GraphLibrary();
  return (PrinterPrinting() || library.PrintPreviewing) && library.PrintColorMode == kPrintBlackAndWhite;
}

}  // namespace plot
