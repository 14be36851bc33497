#include "platform/Printer.h"

#include "platform/AtomicFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The text pdftotext reads from pages first..last of a PDF.
QString PdfText(const QString& path, int first, int last)
{
  const QString tool = QStandardPaths::findExecutable("pdftotext");
  if (tool.isEmpty()) {
    ADD_FAILURE() << "pdftotext is not installed";
    return {};
  }
  QProcess p;
  p.start(tool, {"-f", QString::number(first), "-l", QString::number(last), path, "-"});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

void UsePdfPrinter(TPrinter& printer)
{
  printer.SetPrinterIndex(int(printer.Printers().indexOf(kPdfPrinterName)));
  ASSERT_TRUE(printer.IsPdfPrinter());
}

TEST(Printer, PdfPrinterIsAlwaysListed)
{
  TPrinter printer;
  EXPECT_TRUE(printer.Printers().contains(kPdfPrinterName));
  EXPECT_EQ(printer.Printers().count(kPdfPrinterName), 1);
}

TEST(Printer, PageSizeInDotsFollowsPaperResolutionAndOrientation)
{
  TPrinter printer;
  printer.SetPaperSize(QPageSize::A4);
  printer.SetResolution(600);
  EXPECT_EQ(printer.PageWidth(), 4961);
  EXPECT_EQ(printer.PageHeight(), 7016);
  printer.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_EQ(printer.PageWidth(), 7016);
  printer.SetResolution(300);
  printer.SetPaperSize(QPageSize::Letter);
  EXPECT_EQ(printer.PageHeight(), 2550);
  EXPECT_EQ(printer.Canvas().PixelsPerInch(), 300);
  EXPECT_EQ(printer.Canvas().DeviceCaps(TDeviceCap::LogPixelsY), 300);
  EXPECT_EQ(printer.Canvas().DeviceCaps(TDeviceCap::HorzRes), 3300);  // 11 inches across
  EXPECT_EQ(printer.Canvas().DeviceCaps(TDeviceCap::HorzSize), 279);  // millimetres
}

TEST(Printer, TwoPagesToPdfAreReadBack)
{
  QTemporaryDir dir;
  TPrinter printer;
  UsePdfPrinter(printer);
  printer.SetFileName(dir.filePath("out.pdf"));
  printer.SetTitle("Tape");
  printer.BeginDoc();
  EXPECT_TRUE(printer.Printing());
  TCanvas& c = printer.Canvas();
  c.Font().SetName("Arial");
  c.Font().SetSize(12);
  EXPECT_EQ(c.Font().Height(), -100);  // 12 points at 600 dpi
  c.TextOut(600, 600, "First page of the tape");
  c.Rectangle(500, 500, 4000, 1000);
  printer.NewPage();
  EXPECT_EQ(printer.PageNumber(), 2);
  c.Font().SetEscapement(900);
  c.TextOut(600, 3000, "Second page");
  printer.EndDoc();
  EXPECT_FALSE(printer.Printing());

  EXPECT_TRUE(PdfText(dir.filePath("out.pdf"), 1, 1).contains("First page of the tape"));
  const QString second = PdfText(dir.filePath("out.pdf"), 2, 2);
  EXPECT_TRUE(second.contains("Second page")) << second.toStdString();
  EXPECT_FALSE(second.contains("First page"));
  // There is no third page.
  EXPECT_TRUE(PdfText(dir.filePath("out.pdf"), 1, 9).count(QChar('\f')) == 2);
}

TEST(Printer, AbortDropsTheDocumentAndMisuseIsReported)
{
  QTemporaryDir dir;
  TPrinter printer;
  UsePdfPrinter(printer);
  printer.SetFileName(dir.filePath("gone.pdf"));
  EXPECT_THROW(printer.NewPage(), EPrinter);
  printer.BeginDoc();
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  EXPECT_THROW(printer.SetOrientation(TPrinterOrientation::poLandscape), EPrinter);
  printer.Canvas().TextOut(10, 10, "x");
  printer.Abort();
  EXPECT_TRUE(printer.Aborted());
  EXPECT_FALSE(QFile::exists(dir.filePath("gone.pdf")));
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  // Drawing between jobs goes nowhere.
  printer.Canvas().Rectangle(0, 0, 10, 10);
  printer.SetFileName("/nonexistent-folder/x.pdf");
  EXPECT_THROW(printer.BeginDoc(), EPrinter);
  EXPECT_FALSE(printer.Printing());
}

// The document goes to its file as a whole at the end: an aborted or failed job keeps an older file.
TEST(Printer, APdfFileOnAFullDiskKeepsTheOldFile)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  const QString path = QString::fromStdString(disk.Path("tape.pdf"));
  WriteFileAtomic(path, "old");
  TPrinter printer;
  UsePdfPrinter(printer);
  printer.SetFileName(path);
  printer.BeginDoc();
  printer.Canvas().TextOut(10, 10, "aborted");
  printer.Abort();
  printer.BeginDoc();
  printer.Canvas().TextOut(10, 10, "no room");
  disk.Fill();
  try {
    printer.EndDoc();
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_EQ(std::string(e.what()), "Can't create file " + path.toStdString());
  }
  EXPECT_FALSE(printer.Printing());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("old"));
}

}  // namespace
}  // namespace platform
