#include "platform/PrintDocument.h"
#include "platform/PrintPreview.h"
#include "platform/Printer.h"
#include "ScriptReporter.h"
#include "tests/support/KeyInput.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    TPrinter& printer = Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(kPdfPrinterName)));
    printer.SetFileName(Pdf());
  }

  QString Pdf() const { return folder.filePath(QStringLiteral("preview.pdf")); }

  // The PDF's text page by page (pdftotext ends each page with a form feed).
  QStringList PrintedPages() const
  {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Pdf(), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
      pages.removeLast();
    return pages;
  }

  // Three pages drawn through the printer as printing code draws them, recorded into the document.
  void RecordThreePages()
  {
    TPrinter& printer = Printer();
    const TRecordPrinting recording(printer, document);
    printer.BeginDoc();
    for (int page = 1; page <= 3; ++page) {
      if (page > 1)
        printer.NewPage();
      TCanvas& canvas = printer.Canvas();
      canvas.Font().SetSize(page == 1 ? 36 : 24);
      canvas.Rectangle(300, 300, printer.PageWidth() - 300, printer.PageHeight() - 300);
      canvas.TextOut(600, 600, QStringLiteral("Recorded page %1").arg(page));
    }
    printer.EndDoc();
  }

  QTemporaryDir folder;
  TPrintDocument document;
};

TEST_F(PrintPreviewTest, APrinterJobIsRecordedPageByPageWithoutPrinting)
{
  RecordThreePages();
  EXPECT_FALSE(Printer().Printing());
  EXPECT_FALSE(QFile::exists(Pdf()));
  ASSERT_EQ(document.PageCount(), 3);
  EXPECT_EQ(document.PageWidth(), Printer().PageWidth());
  EXPECT_EQ(document.Resolution(), Printer().Resolution());
  for (int i = 0; i < 3; ++i) {
    QStringList texts;
    for (const TCanvasRecord& r : document.Page(i).Records())
      if (!r.Text.isEmpty())
        texts << r.Text;
    EXPECT_EQ(texts, QStringList{QStringLiteral("Recorded page %1").arg(i + 1)});
  }
  // Fonts keep their printed size: 24 points at the printer's resolution.
  const TCanvasRecord& text = document.Page(1).Records().back();
  EXPECT_EQ(text.State.Font.Height, -24 * Printer().Resolution() / 72);

  // After the recording, the printer prints again; an aborted recording keeps no page.
  {
    const TRecordPrinting recording(Printer(), document);
    Printer().BeginDoc();
    Printer().Abort();
  }
  EXPECT_EQ(document.PageCount(), 0);
}

TEST_F(PrintPreviewTest, ThePreviewPagesThroughTheDocumentAndPrintsItUnchanged)
{
  RecordThreePages();
  TPrintPreview preview(document);
  QStringList shown;
  ModalScript script(testing::FailTest());
  script.Act([&](Form& form) {
    auto& p = dynamic_cast<TPrintPreview&>(form);
    shown << p.PageText();
    p.NextPage();
    shown << p.PageText();
    const QImage view = p.grab().toImage();
    view.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "print-preview.png"));
    p.Print();
  });
  EXPECT_TRUE(preview.Execute());
  EXPECT_EQ(shown, (QStringList{QStringLiteral("Page 1 of 3"), QStringLiteral("Page 2 of 3")}));

  const QStringList pages = PrintedPages();
  ASSERT_EQ(pages.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Recorded page %1").arg(i + 1))) << pages[i].toStdString();
    EXPECT_EQ(pages[i].count(QStringLiteral("Recorded page")), 1);
  }
}

TEST_F(PrintPreviewTest, KeysAndButtonsStayWithinTheDocumentAndCloseLeavesItUnprinted)
{
  RecordThreePages();
  TPrintPreview preview(document);
  ModalScript script(testing::FailTest());
  script.Act([&](Form& form) {
    auto& p = dynamic_cast<TPrintPreview&>(form);
    testing_support::PressKey(p, Qt::Key_End);
    EXPECT_EQ(p.PageText(), QStringLiteral("Page 3 of 3"));
    p.NextPage();
    EXPECT_EQ(p.PageIndex(), 2);
    testing_support::PressKey(p, Qt::Key_PageUp);
    EXPECT_EQ(p.PageIndex(), 1);
    testing_support::PressKey(p, Qt::Key_Home);
    p.PriorPage();
    EXPECT_EQ(p.PageIndex(), 0);

    p.SetZoom(TPreviewZoom::Percent, 100);  // the printed size on the screen
    EXPECT_DOUBLE_EQ(p.Scale(), 96.0 / Printer().Resolution());
    EXPECT_GE(p.PageView().width(), Printer().PageWidth() * 96 / Printer().Resolution());
    p.SetZoom(TPreviewZoom::WholePage);
    EXPECT_LE(p.Scale() * Printer().PageHeight(), p.PageView().height());
    form.SetModalResult(mrCancel);
  });
  EXPECT_FALSE(preview.Execute());
  EXPECT_FALSE(QFile::exists(Pdf()));

  TPrintDocument empty;
  TPrintPreview nothing(empty);
  EXPECT_EQ(nothing.PageText(), QStringLiteral("No pages"));
}

}  // namespace
}  // namespace platform
