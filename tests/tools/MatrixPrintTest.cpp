#include "tools/MatrixPrint.h"

#include "platform/IniFile.h"
#include "platform/Printer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tools {
namespace {

QStringList PdfPages(const QString& pdf)
{
  QProcess process;
  process.start("pdftotext", {"-layout", pdf, "-"});
  EXPECT_TRUE(process.waitForFinished(30000));
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
    pages.removeLast();
  return pages;
}

TEST(MatrixPrint, MarginsComeFromThePrintSection)
{
  QTemporaryDir folder;
  const QString ini = folder.filePath("Vexal.INI");
  const TPrintMargins defaults = ReadPrintMargins(ini);
  EXPECT_EQ(defaults.Left, 25);
  EXPECT_EQ(defaults.Top, 10);
  {
    platform::TIniFile file(ini);
    file.WriteInteger("Print", "Left", 40);
    file.WriteInteger("Print", "Top", 5);
    file.UpdateFile();
  }
  const TPrintMargins saved = ReadPrintMargins(ini);
  EXPECT_EQ(saved.Left, 40);
  EXPECT_EQ(saved.Top, 5);
}

TEST(MatrixPrint, ALargeMatrixGoesOnToFurtherPagesWithNothingLost)
{
  QTemporaryDir folder;
  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(static_cast<int>(printer.Printers().indexOf(platform::kPdfPrinterName)));
  const QString pdf = folder.filePath("large.pdf");
  printer.SetFileName(pdf);
  TRealMatrix m(100, 3);
  for (int i = 0; i < 100; ++i)
    m.SetElement(i, 0, 1000 + i);
  PrintStoredMatrix(printer, TPrintMargins{}, "C1003Mult", m);
  const QStringList pages = PdfPages(pdf);
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages.first().contains("C1003Mult"));
  EXPECT_TRUE(pages.first().contains("1000"));
  EXPECT_TRUE(pages.last().contains("1099"));
  for (int i = 0; i < 100; ++i)
    EXPECT_TRUE(pages.join("").contains(QString::number(1000 + i))) << i;
}

}  // namespace
}  // namespace tools
