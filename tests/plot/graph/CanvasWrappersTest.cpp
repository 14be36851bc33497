#include "GraphDoubles.h"

#include "plot/graph/CanvasWrappers.h"
#include "plot/support/GraphLibrary.h"

#include "platform/Printer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;

TEST(CanvasWrappers, BlackAndWhiteOnlyOnPaper)
{
  TGraphFixture f;
  GraphLibrary().PrintColorMode = kPrintBlackAndWhite;
  platform::TCanvas& screen = f.image.Canvas();
  {
    TWPen pen(f.graph);
    pen.SetColor(platform::clRed);
    pen.SetFillColor(platform::clBlue);
    EXPECT_EQ(screen.Pen().Color(), platform::clRed);
    EXPECT_EQ(screen.Brush().Color(), platform::clBlue);
    TWText text(f.graph, "Arial");
    text.SetColor(platform::clGreen);
    EXPECT_EQ(screen.Font().Color(), platform::clGreen);
  }

  // On the printer page (and in the preview) the same calls give black and white.
  QTemporaryDir dir;
  platform::TPrinter& printer = platform::Printer();
  const int oldIndex = printer.PrinterIndex();
  printer.SetPrinterIndex(static_cast<int>(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetFileName(dir.filePath("page.pdf"));
  printer.BeginDoc();
  {
    TWPen pen(f.graph);
    EXPECT_EQ(pen.Canvas, &printer.Canvas());
    pen.SetColor(platform::clRed);
    pen.SetFillColor(platform::clBlue);
    EXPECT_EQ(printer.Canvas().Pen().Color(), platform::clBlack);
    EXPECT_EQ(printer.Canvas().Brush().Color(), platform::clWhite);
    TWText text(f.graph, "Arial");
    text.SetColor(platform::clGreen);
    EXPECT_EQ(printer.Canvas().Font().Color(), platform::clBlack);
    TWBrush brush(f.graph);
    brush.SetColor(platform::clBlue);  // plain brush colours keep theirs
    EXPECT_EQ(printer.Canvas().Brush().Color(), platform::clBlue);
  }
  printer.EndDoc();
  printer.SetPrinterIndex(oldIndex);

  GraphLibrary().PrintPreviewing = true;
  f.graph.SetPenColor(platform::clRed);
  EXPECT_EQ(screen.Pen().Color(), platform::clBlack);
  GraphLibrary().PrintPreviewing = false;
  GraphLibrary().PrintColorMode = kPrintColorFull;
}

TEST(CanvasWrappers, BrushBecomesClearWhenItGoes)
{
  TGraphFixture f;
  {
    TWBrush brush(f.graph);
    brush.SetColor(platform::clAqua);
    EXPECT_EQ(f.image.Canvas().Brush().Style(), platform::TBrushStyle::bsSolid);
    brush.Rectangle({0, 0, 10, 10});
  }
  EXPECT_EQ(f.image.Canvas().Brush().Style(), platform::TBrushStyle::bsClear);
  EXPECT_EQ(f.image.Recording().Calls().back(), "Rectangle(0,0,10,10)");
}

TEST(CanvasWrappers, RotatedTextLeavesTheCanvasFontAlone)
{
  TGraphFixture f;
  platform::TCanvas& canvas = f.image.Canvas();
  TWRText text(f.graph, "Arial");
  EXPECT_EQ(canvas.TextAlign(), platform::TA_BASELINE);
  text.SetSize(12);
  text.SetAngle(90);
  const platform::TFontData before = canvas.Font().Data();
  text.TextOut(50, 60, "up");
  text.TextOut(50, 60, "");
  EXPECT_EQ(canvas.Font().Data(), before);
  const auto& records = f.image.Recording().Records();
  ASSERT_EQ(records.size(), 1u);  // nothing for the empty text
  EXPECT_EQ(records[0].Op, TCanvasOp::TextOut);
  EXPECT_EQ(records[0].State.Font.Escapement, 900);
  EXPECT_EQ(records[0].State.Font.Name, "Arial");
}

TEST(CanvasWrappers, TextWidthMeasuresAtItsOwnSize)
{
  TGraphFixture f;
  TWText text(f.graph, "Arial");
  text.SetSize(20);
  const int wide = text.TextWidth("wwww");
  const int tall = text.TextHeight("X");
  f.image.Canvas().Font().SetSize(6);  // another user changes the size
  EXPECT_EQ(text.TextWidth("wwww"), wide);
  f.image.Canvas().Font().SetSize(6);
  EXPECT_LT(text.TextHeight("X"), tall);  // the height takes the canvas as it is
}

}  // namespace
}  // namespace plot::test
