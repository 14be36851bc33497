#include "plot/support/GraphLibrary.h"
#include "plot/support/PrinterServices.h"

#include "platform/Bitmap.h"
#include "platform/Printer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plot {
namespace {

// Selects the "PDF file" printer and puts the selection back afterwards.
class PdfPrinter : public testing::Test {
protected:
  void SetUp() override
  {
    platform::TPrinter& printer = platform::Printer();
    oldIndex_ = printer.PrinterIndex();
    oldResolution_ = printer.Resolution();
    printer.SetPrinterIndex(static_cast<int>(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(dir_.filePath("page.pdf"));
  }
  void TearDown() override
  {
    platform::TPrinter& printer = platform::Printer();
    if (printer.Printing())
      printer.Abort();
    printer.SetResolution(oldResolution_);
    printer.SetPrinterIndex(oldIndex_);
  }

  QTemporaryDir dir_;
  int oldIndex_ = 0;
  int oldResolution_ = 0;
};

TEST_F(PdfPrinter, CapabilitiesAreThoseOfTheSelectedPrinter)
{
  platform::TPrinter& printer = platform::Printer();
  printer.SetResolution(300);
  const int index = printer.PrinterIndex();
  EXPECT_EQ(GetPrinterCaps(index, LOGPIXELSX), 300);
  EXPECT_EQ(GetPrinterCaps(-1, LOGPIXELSY), 300);
  EXPECT_EQ(GetPrinterCaps(index, HORZRES), printer.PageWidth());
  EXPECT_EQ(GetPrinterCaps(index, VERTRES), printer.PageHeight());
  EXPECT_EQ(GetPrinterCaps(index, HORZSIZE), 210);  // A4
  printer.SetResolution(600);
  EXPECT_EQ(GetPrinterCaps(index, LOGPIXELSX), 600);
  EXPECT_EQ(GetPrinterCaps(static_cast<int>(printer.Printers().size()), LOGPIXELSX), 0);
  EXPECT_EQ(GetPrinterCaps(index, 9999), 0);
}

TEST_F(PdfPrinter, PrintBitmapOnlyWhilePrinting)
{
  platform::TBitmap bitmap(10, 10);
  EXPECT_FALSE(PrintBitmap({0, 0, 100, 100}, bitmap));
  platform::Printer().BeginDoc();
  EXPECT_TRUE(PrintBitmap({100, 100, 0, 0}, bitmap));
  EXPECT_FALSE(PrintBitmap({0, 0, 100, 100}, platform::TBitmap()));
  platform::Printer().EndDoc();
}

TEST_F(PdfPrinter, BlackAndWhiteOnlyWhilePrintingOrPreviewing)
{
  TGraphLibrary& library = GraphLibrary();
  library.PrintColorMode = kPrintBlackAndWhite;
  EXPECT_FALSE(BlackAndWhiteApplies());
  library.PrintPreviewing = true;
  EXPECT_TRUE(BlackAndWhiteApplies());
  library.PrintPreviewing = false;
  platform::Printer().BeginDoc();
  EXPECT_TRUE(BlackAndWhiteApplies());
  library.PrintColorMode = kPrintColorFull;
  EXPECT_FALSE(BlackAndWhiteApplies());
  platform::Printer().EndDoc();
}

}  // namespace
}  // namespace plot
