#include "TestPanel.h"

#include "platform/CanvasRecording.h"
#include "platform/Printer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TTestPanel;

// The "PDF file" printer on A4 at 600 dpi: 4961 x 7016 dots.
class TeePanelPrint : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(Pdf());
    printer.SetPaperSize(QPageSize::A4);
    printer.SetOrientation(platform::TPrinterOrientation::poPortrait);
    printer.SetResolution(600);
    ASSERT_EQ(printer.PageWidth(), 4961);
    ASSERT_EQ(printer.PageHeight(), 7016);
  }

  QString Pdf() const { return folder.filePath(QStringLiteral("chart.pdf")); }
  QString PrintedText() const
  {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {Pdf(), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  QTemporaryDir folder;
};

// Margins and rectangles computed apart in python3: f(a, b, r) = round((b - 0.6 a r) 100 / b) div 2.
TEST_F(TeePanelPrint, TheChartKeepsItsProportionsOnThePage)
{
  struct Case {
    int width, height;
    bool proportional;
    TRect margins;
    TRect page;
  };
  const Case cases[] = {
      {400, 250, true, {15, 36, 15, 36}, {744, 2526, 4217, 4490}},
      {250, 400, true, {23, 15, 23, 15}, {1141, 1052, 3820, 5964}},
      {400, 250, false, {15, 15, 15, 15}, {744, 1052, 4217, 5964}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width * 10 + c.proportional);
    TTestPanel panel;
    panel.resize(c.width, c.height);
    panel.SetPrintProportional(c.proportional);
    EXPECT_EQ(panel.ChartPrintRect(), c.page);
    EXPECT_EQ(panel.PrintMargins(), c.margins);
  }
}

// The chart is laid out on the client's size, less the print resolution in percent, and mapped onto
// the page rectangle (744, 2526, 4217, 4490): 3473 x 1964 dots.
TEST_F(TeePanelPrint, APrintedChartIsLaidOutAsOnTheScreenAndMappedOntoThePage)
{
  struct Case {
    int resolution;
    TRect logical;  // the page rectangle in the chart's coordinates
    int logicalWidth, logicalHeight;
  };
  const Case cases[] = {
      {0, {86, 322, 486, 572}, 400, 250},
      {-100, {171, 643, 971, 1143}, 800, 500},
      {50, {43, 161, 243, 286}, 200, 125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.resolution);
    TTestPanel panel;
    panel.SetPrintResolution(c.resolution);
    bool printing = false;
    bool clipped = false;
    platform::TRecordingCanvas paper;
    panel.During = [&] {
      printing = panel.IsPrinting();
      clipped = paper.IsClipped();
    };
    panel.PrintPartialCanvas(paper, {4217, 4490, 744, 2526});  // normalised first
    EXPECT_EQ(panel.LastBounds, c.logical);
    EXPECT_TRUE(printing);
    EXPECT_TRUE(clipped);
    const platform::TCanvasMapping expected =
        platform::TCanvasMapping::FromRects({0, 0, c.logicalWidth, c.logicalHeight}, {0, 0, 3473, 1964});
    EXPECT_DOUBLE_EQ(paper.Mapping().ScaleX, expected.ScaleX);
    EXPECT_DOUBLE_EQ(paper.Mapping().ScaleY, expected.ScaleY);
    EXPECT_FALSE(paper.IsClipped());
    EXPECT_FALSE(panel.IsPrinting());
    EXPECT_TRUE(panel.Canvas().IsBuffered());
  }
}

TEST_F(TeePanelPrint, APrintedPageShowsTheChart)
{
  TTestPanel panel;
  panel.setObjectName(QStringLiteral("Chart1"));
  panel.Print();
  EXPECT_EQ(platform::Printer().Title(), QStringLiteral("Chart1"));
  EXPECT_FALSE(platform::Printer().Printing());
  EXPECT_TRUE(PrintedText().contains(testing::kPanelLabel));
}

TEST_F(TeePanelPrint, AFailedDrawingAbortsTheJobAndLeavesPrinting)
{
  TTestPanel panel;
  panel.Fail = true;
  EXPECT_THROW(panel.Print(), std::runtime_error);
  EXPECT_FALSE(platform::Printer().Printing());
  EXPECT_FALSE(panel.IsPrinting());
  EXPECT_TRUE(panel.Canvas().IsBuffered());
  EXPECT_FALSE(panel.Canvas().Metafiling());
  // The next job prints.
  panel.Fail = false;
  panel.Print();
  EXPECT_TRUE(PrintedText().contains(testing::kPanelLabel));
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

// A paint that comes while a page is drawn leaves the chart alone.
TEST(TeePanelPrintPaint, NothingIsPaintedWhilePrinting)
{
  TTestPanel panel;
  QImage during;
  panel.During = [&] {
    if (panel.Draws == 1)
      during = panel.PaintToImage();
  };
  platform::TRecordingCanvas paper;
  panel.PrintPartialCanvas(paper, {0, 0, 800, 500});
  EXPECT_EQ(panel.Draws, 1);
  ASSERT_FALSE(during.isNull());
  EXPECT_EQ(platform::FromQColor(QColor(during.pixel(200, 125))), platform::ColorToRGB(panel.Color()));
}

}  // namespace
}  // namespace chart
