#include "platform/Bitmap.h"
#include "platform/Metafile.h"
#include "platform/MetafileGdi.h"
#include "platform/PenRules.h"
#include "platform/Printer.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

// A wide inside-frame pen stays inside the figure's box on every shape; a plain wide pen does not.
TEST(PenRules, InsideFramePensStayInsideTheirBox)
{
  for (const TPenStyle style : {TPenStyle::psInsideFrame, TPenStyle::psSolid}) {
    TBitmap b(60, 60);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect({0, 0, 60, 60});
    c.Pen().SetColor(clRed);
    c.Pen().SetWidth(7);
    c.Pen().SetStyle(style);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(10, 10, 50, 50);
    c.Ellipse(10, 10, 50, 50);
    int outside = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        if ((x < 10 || x >= 50 || y < 10 || y >= 50) && (b.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
          ++outside;
    if (style == TPenStyle::psInsideFrame) {
      EXPECT_EQ(outside, 0);
      EXPECT_EQ(b.Image().pixel(10, 30) & 0xFFFFFF, 0xFF0000u);  // the frame reaches the box's edge
      EXPECT_EQ(b.Image().pixel(49, 30) & 0xFFFFFF, 0xFF0000u);
    } else {
      EXPECT_GT(outside, 0);
    }
  }
  // Metafiles carry the shrunk figure with a plain pen, which readers centre on it.
  TMetafile m;
  m.SetSize(60, 60);
  {
    TMetafileCanvas c(m);
    c.Pen().SetWidth(6);
    c.Pen().SetStyle(TPenStyle::psInsideFrame);
    c.Rectangle(10, 10, 50, 50);
    c.Close();
  }
  const TCanvasRecord written = gdi::ToDevice(m.Records().back());
  EXPECT_EQ(written.RectAt(0), (TRect{13, 13, 47, 47}));
  EXPECT_EQ(written.State.Pen.Style, TPenStyle::psSolid);
}

TEST(PenRules, PenModesOnWhitePaper)
{
  struct Case {
    TPenMode mode;
    std::optional<TColor> result;
  };
  const TColor red = 0x0000FF;
  const Case cases[] = {
      {TPenMode::pmCopy, red},           {TPenMode::pmXor, TColor(0xFFFF00)}, {TPenMode::pmNot, clBlack},
      {TPenMode::pmNotXor, red},         {TPenMode::pmMerge, std::nullopt},   {TPenMode::pmMask, red},
      {TPenMode::pmNop, std::nullopt},   {TPenMode::pmWhite, clWhite},        {TPenMode::pmNotCopy, TColor(0xFFFF00)},
      {TPenMode::pmMergeNotPen, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OnWhitePaper(red, c.mode), c.result) << int(c.mode);
}

// The "PDF file" printer draws an XOR pen as it comes out on white paper: the inverse colour.
TEST(PenRules, PdfPagesShowXorAndNotPens)
{
  const QString tool = QStandardPaths::findExecutable("pdftoppm");
  ASSERT_FALSE(tool.isEmpty()) << "pdftoppm is not installed";
  QTemporaryDir dir;
  TPrinter printer;
  printer.SetPrinterIndex(int(printer.Printers().indexOf(kPdfPrinterName)));
  printer.SetFileName(dir.filePath("modes.pdf"));
  printer.SetResolution(72);
  printer.BeginDoc();
  TCanvas& c = printer.Canvas();
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Pen().SetWidth(20);
  c.Pen().SetColor(clRed);
  c.Pen().SetMode(TPenMode::pmXor);
  c.MoveTo(50, 100);
  c.LineTo(250, 100);
  c.Pen().SetMode(TPenMode::pmNot);
  c.MoveTo(50, 200);
  c.LineTo(250, 200);
  printer.EndDoc();
  QProcess p;
  p.start(tool, {"-r", "72", "-png", "-singlefile", dir.filePath("modes.pdf"), dir.filePath("page")});
  ASSERT_TRUE(p.waitForFinished(60000));
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.pixel(150, 100) & 0xFFFFFF, 0x00FFFFu);  // red XOR white: cyan
  EXPECT_EQ(page.pixel(150, 200) & 0xFFFFFF, 0x000000u);  // NOT white: black
}

}  // namespace
}  // namespace platform
