// A titled graph with frame, gradient and background picture written the ways a user keeps it:
// EMF and WMF read back by independent converters, printed to the "PDF file" printer, and a PNG of
// the screen image to look at.
#include "../graph/GraphDoubles.h"

#include "plot/graph/MetafileExport.h"

#include "platform/Bitmap.h"
#include "platform/Printer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

struct TTitledGraph {
  explicit TTitledGraph(TGraphImage& image) : graph(nullptr, image, nullptr)
  {
    graph.ProcessMessages = [] {};
    graph.AddLayer(std::make_unique<TTestSeries>(graph, "s", PointsXY({{0, 0}, {10, 5}})));
    graph.Title->AddLine(QStringLiteral("Pressure over time"));
    graph.Title->AddLine(QStringLiteral("second run"));
    graph.Title->Font.SetSize(14);
    graph.Title->Alignment = taCenter;
    graph.Title->Style = tsLowered;
    graph.Foot->AddLine(QStringLiteral("measured at noon"));
    graph.Foot->Alignment = taRightJustify;
    graph.Gradient->Style = gsTopBottom;
    graph.Gradient->StartColor = 0xF0E0D0;
    graph.Gradient->EndColor = 0x806040;
    graph.Frame->Width = 2;
    graph.Frame->SetColor(platform::clNavy);
  }
  TGraph graph;
};

// The program's path, or empty after a skip message.
QString Tool(const char* name)
{
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString RunTool(const QString& tool, const QStringList& args, const QString& output)
{
  QProcess p;
  p.start(tool, args);
  p.waitForFinished(60000);
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  if (output.isEmpty())
    return QString::fromUtf8(p.readAllStandardOutput());
  QFile f(output);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text of the SVG's text elements, joined, without blanks.
QString SvgText(const QString& svg)
{
  QString joined;
  static const QRegularExpression text(R"(<text[^>]*>\s*(?:<!\[CDATA\[)?(.*?)(?:\]\]>)?</text>)",
                                       QRegularExpression::DotMatchesEverythingOption);
  for (const auto& m : text.globalMatch(svg))
    joined += m.captured(1);
  return joined.remove(' ');
}

TEST(DecorationsOutput, TitleInEmfAndWmfReadBackByConverters)
{
  const QString emf2svg = Tool("emf2svg-conv");
  const QString wmf2svg = Tool("wmf2svg");
  if (emf2svg.isEmpty() || wmf2svg.isEmpty())
    GTEST_SKIP() << "emf2svg-conv or wmf2svg is not installed (make deps installs them)";
  TRecordingGraphImage image(500, 360);
  TTitledGraph titled(image);
  QTemporaryDir dir;
  SaveGraphMetafile(titled.graph, dir.filePath("graph.emf"));
  SaveGraphMetafile(titled.graph, dir.filePath("graph.wmf"));

  const QString emf = SvgText(RunTool(emf2svg, {"-i", dir.filePath("graph.emf"), "-o", dir.filePath("emf.svg")},
                                  dir.filePath("emf.svg")));
  const QString wmf =
      SvgText(RunTool(wmf2svg, {"-o", dir.filePath("wmf.svg"), dir.filePath("graph.wmf")}, dir.filePath("wmf.svg")));
  for (const QString& text : {emf, wmf}) {
    EXPECT_TRUE(text.contains("Pressureovertime")) << text.toStdString();
    EXPECT_TRUE(text.contains("secondrun"));
    EXPECT_TRUE(text.contains("measuredatnoon"));
  }
}

TEST(DecorationsOutput, TitlePrintedToThePdfPrinter)
{
  const QString pdftotext = Tool("pdftotext");
  if (pdftotext.isEmpty())
    GTEST_SKIP() << "pdftotext is not installed (make deps installs it)";
  QTemporaryDir dir;
  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  ASSERT_TRUE(printer.IsPdfPrinter());
  printer.SetFileName(dir.filePath("graph.pdf"));
  TRecordingGraphImage image(500, 360);
  TTitledGraph titled(image);
  printer.BeginDoc();
  titled.graph.PrintRect = {300, 300, printer.PageWidth() - 300, printer.PageHeight() / 2};
  titled.graph.Paint();
  printer.EndDoc();
  printer.SetFileName({});
  const QString text = RunTool(pdftotext, {dir.filePath("graph.pdf"), "-"}, {});
  EXPECT_TRUE(text.contains("Pressure over time")) << text.toStdString();
  EXPECT_TRUE(text.contains("measured at noon"));
}

TEST(DecorationsOutput, ScreenPictureToLookAt)
{
  TBitmapGraphImage image(500, 360);
  TTitledGraph titled(image);
  QTemporaryDir dir;
  platform::TBitmap tile(24, 24);
  tile.Canvas().Brush().SetColor(0xE0F0E0);
  tile.Canvas().FillRect({0, 0, 24, 24});
  tile.Canvas().Brush().SetColor(0xB0D0B0);
  tile.Canvas().FillRect({0, 0, 12, 12});
  tile.Canvas().FillRect({12, 12, 24, 24});
  tile.SaveToFile(dir.filePath("tile.bmp"));
  titled.graph.Picture->PictureFileName = dir.filePath("tile.bmp");
  titled.graph.Picture->Style = psTile;
  titled.graph.Picture->SetVisible(true);
  titled.graph.Paint();
  const QImage& picture = image.Image();
  EXPECT_TRUE(picture.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "decorations.png")));
  // The gradient runs from the start colour at the top to the end colour at the bottom.
  EXPECT_EQ(picture.pixel(2, 0) & 0xFFFFFFu, platform::ColorToQColor(0xF0E0D0).rgb() & 0xFFFFFFu);
  EXPECT_EQ(picture.pixel(2, 359) & 0xFFFFFFu, platform::ColorToQColor(0x806040).rgb() & 0xFFFFFFu);
  // The tiles start at the plot's top left corner.
  const platform::TRect p = titled.graph.PlotRect;
  EXPECT_EQ(picture.pixel(p.Left + 3, p.Top + 3) & 0xFFFFFFu, platform::ColorToQColor(0xB0D0B0).rgb() & 0xFFFFFFu);
}

}  // namespace
}  // namespace plot::test
