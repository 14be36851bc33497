// Printing a plot window's graph: the print dialog and its preview driven by mouse and keys, the
// page printed to the PDF printer and read back.
#include "tools/Plot2DWindow.h"

#include "plotui/print/PreviewImage.h"
#include "plotui/print/PreviewWindow.h"
#include "plotui/print/PrintDialog.h"

#include "plot/support/GraphLibrary.h"
#include "plotui/series/Series.h"

#include "platform/Canvas.h"
#include "platform/CanvasRounding.h"
#include "platform/IniFile.h"
#include "platform/MessageDlg.h"
#include "platform/PageControl.h"
#include "platform/ModalRun.h"
#include "platform/PrinterSetupDialogs.h"
#include "platform/RadioGroup.h"
#include "platform/Printer.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <cmath>
#include <gtest/gtest.h>

namespace tools {
namespace {

using plotui::TPreView;
using plotui::TPrintDlg;
using testing_support::Click;
using testing_support::MoveHeldTo;
using testing_support::PressAt;
using testing_support::ReleaseAt;

void Retype(QLineEdit& edit, const QString& text)
{
  edit.setFocus();
  edit.selectAll();
  edit.del();
  testing_support::TypeText(edit, text);
}

// A click on a radio button's mark, as the user clicks it.
void ClickRadio(QWidget& button) { testing_support::ClickAt(button, QPointF(8, button.height() / 2.0)); }

QStringList EditTexts(const TPrintDlg& dialog)
{
  return {dialog.edLeft->text(), dialog.edRight->text(), dialog.edTop->text(), dialog.edBottom->text()};
}

// The control's pixels as the screen shows them once pending paints have run.
QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

// The first dark pixel along a row or column, stepping from `from` by `step`; -1 when none.
int FirstDarkInRow(const QImage& image, int y, int from, int step)
{
  for (int x = from; x >= 0 && x < image.width(); x += step)
    if (Dark(image, x, y))
      return x;
  return -1;
}
int FirstDarkInColumn(const QImage& image, int x, int from, int step)
{
  for (int y = from; y >= 0 && y < image.height(); y += step)
    if (Dark(image, x, y))
      return y;
  return -1;
}

class PlotPrintTest : public testing::Test {
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
    plot::GraphLibrary().PrintColorMode = plot::kPrintColorFull;
    plot::TProgramTitleDefaults& title = plot::GraphLibrary().ProgramTitleDefaults;
    title = {};
    title.Lines = {QStringLiteral("Vexal 98 v.4.1"), QStringLiteral("Credits line")};
    title.FontName = QStringLiteral("Arial");

    window = std::make_unique<TfmPlot2D>(Ini(), TFormPlacement{});
    plotui::TPlot& chart = *window->Chart;
    chart.SetIniFileName(Ini());
    chart.Graph->ProcessMessages = [] {};
    auto series = std::make_unique<plotui::TSeries>(*chart.Graph, QStringLiteral("wave"), plot::kStyleLine,
                                                    platform::clBlue);
    for (int i = 0; i <= 200; ++i) {
      const double x = -3 + i * 0.03;
      series->AddPoint(x, std::sin(3 * x) * std::exp(-x * x / 4), platform::clBlue, QString());
    }
    chart.AddLayer(std::move(series));
    chart.Title->SetText(QStringLiteral("Damped wave"));
    chart.XAxis->SetName(QStringLiteral("Time axis"));
    chart.YAxis->SetName(QStringLiteral("Swing axis"));
    window->setGeometry(80, 80, 620, 460);
    window->Show();
    chart.Redraw();
  }

  QString Ini() const { return folder.filePath(QStringLiteral("Vexal.INI")); }
  QString Pdf() const { return folder.filePath(QStringLiteral("plot.pdf")); }

  QString PdfText() const
  {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {Pdf(), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // The first page rendered without smoothing at dpi dots per inch.
  QImage PdfPage(double dpi) const
  {
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi, 'f', 4), QStringLiteral("-aa"),
                                               QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                                               QStringLiteral("-png"), QStringLiteral("-singlefile"), Pdf(), stem});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  }

  // Print from the window's tool button; the script answers the dialogs.
  void PrintCommand() { window->sbPrint->Click(); }

  QTemporaryDir folder;
  std::unique_ptr<TfmPlot2D> window;
};

TEST_F(PlotPrintTest, PrintsThePageWithItsTitleBlocksToThePdfPrinter)
{
  platform::ModalScript script;
  script.Act([](platform::Form& form) {
    auto& dialog = dynamic_cast<TPrintDlg&>(form);
    EXPECT_EQ(dialog.lbPageSize->text(), QStringLiteral("210 * 297  mm"));
    EXPECT_EQ(EditTexts(dialog), (QStringList{"25", "20", "10", "10"}));
    ClickRadio(*dialog.rgUnits->Button(1));
    EXPECT_EQ(EditTexts(dialog), (QStringList{"10", "8", "4", "4"}));
    ClickRadio(*dialog.rgUnits->Button(0));
    EXPECT_EQ(EditTexts(dialog), (QStringList{"25", "20", "10", "10"}));
    dialog.chbProgramTitle->click();
    dialog.chbProjectTitle->click();
    Click(*dialog.bbPrint);
  });
  platform::TCanvas& printerCanvas = platform::Printer().Canvas();
  const platform::TFontData font = printerCanvas.Font().Data();
  const unsigned align = printerCanvas.TextAlign();
  PrintCommand();
  EXPECT_EQ(script.StepsLeft(), 0);
  // The next printout of the program starts with the printer's canvas as it was.
  EXPECT_EQ(printerCanvas.Font().Data(), font);
  EXPECT_EQ(printerCanvas.TextAlign(), align);

  const QString text = PdfText();
  for (const char* expected : {"Damped wave", "Time axis", "Swing axis", "Vexal 98 v.4.1", "Credits line", "Date: "})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " in\n" << text.toStdString();

  // An empty settings file now holds the margins the page was printed with.
  const platform::TIniFile ini(Ini());
  EXPECT_EQ(ini.ReadString("Print", "Units", {}), QStringLiteral("25.4"));
  EXPECT_EQ(ini.ReadSectionValues("Print"), (QStringList{"Units=25.4", "Left=25", "Right=20", "Top=10", "Bottom=10"}));
  EXPECT_TRUE(ini.ReadBool("LOGO", "System LOGO", false));
  EXPECT_TRUE(ini.ReadBool("LOGO", "Project LOGO", false));
  EXPECT_FALSE(ini.ReadBool("LOGO", "Owner LOGO", true));
}

TEST_F(PlotPrintTest, MarginDraggedInThePreviewIsPrintedWhereThePreviewShowedIt)
{
  platform::TIniFile(Ini()).WriteBool("LOGO", "System LOGO", true);
  platform::TIniFile(Ini()).WriteBool("LOGO", "Project LOGO", true);
  int expectedLeft = 0;
  double scale = 0;
  QImage preview;
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        auto& dialog = dynamic_cast<TPrintDlg&>(form);
        Click(*dialog.bbPreview);
        // E&xit leaves the preview's margins in the edits.
        EXPECT_EQ(dialog.edLeft->text(), QString::number(expectedLeft));
        EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
        Click(*dialog.bbPrint);
      })
      .Act([&](platform::Form& form) {
        auto& view = dynamic_cast<TPreView&>(form);
        plotui::TPreviewImage& image = *view.Image1;
        const QImage before = OnScreen(image);  // shown maximized
        const int x = view.Lines().Position(plotui::mlLeft);
        const int y = (view.PageArea().Top + view.PageArea().Bottom) / 2;
        EXPECT_EQ(FirstDarkInRow(before, y, 2, 1), x);  // the frame's left edge
        PressAt(image, QPointF(x, y));
        MoveHeldTo(image, QPointF(x + 10, y));
        MoveHeldTo(image, QPointF(x + 20, y));
        // While dragging only the line moves: grey at its new place, the old frame still drawn.
        const QImage dragging = OnScreen(image);
        EXPECT_EQ(before.pixel(x + 20, 2), qRgb(255, 255, 255));
        EXPECT_EQ(dragging.pixel(x + 20, 2), qRgb(128, 128, 128));
        EXPECT_EQ(dragging.pixel(x + 10, 2), qRgb(255, 255, 255));  // erased where it passed
        ReleaseAt(image, QPointF(x + 20, y));
        expectedLeft = 25 + platform::SafeRound(20 / view.PixelsPerMm());
        scale = view.Scale();
        preview = OnScreen(image);
        EXPECT_EQ(FirstDarkInRow(preview, y, 2, 1), view.PageArea().Left);
        EXPECT_NEAR(view.PageArea().Left, x + 20, 1);
        Click(*view.btnClose);
      });
  PrintCommand();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_GT(expectedLeft, 25);
  EXPECT_EQ(platform::TIniFile(Ini()).ReadInteger("Print", "Left", 0), expectedLeft);

  // The printed page at the preview's scale: frame and title blocks where the preview showed them.
  ASSERT_FALSE(preview.isNull());
  const QImage page = PdfPage(600 * scale);
  ASSERT_FALSE(page.isNull());
  ASSERT_NEAR(page.width(), preview.width(), 1);
  const int midY = preview.height() / 2;
  EXPECT_NEAR(FirstDarkInRow(page, midY, 0, 1), FirstDarkInRow(preview, midY, 2, 1), 1) << "left";
  EXPECT_NEAR(FirstDarkInRow(page, midY, page.width() - 1, -1), FirstDarkInRow(preview, midY, preview.width() - 3, -1), 1)
      << "right";
  const int right = FirstDarkInRow(preview, midY, preview.width() - 3, -1);
  const int nearRight = right - 2;
  const int pageBottom = FirstDarkInColumn(preview, nearRight, preview.height() - 3, -1);
  EXPECT_NEAR(FirstDarkInColumn(page, nearRight, page.height() - 1, -1), pageBottom, 1) << "blocks' bottom";
  EXPECT_NEAR(FirstDarkInColumn(page, nearRight, 0, 1), FirstDarkInColumn(preview, nearRight, 2, 1), 1) << "top";
  // Above the blocks' bottom: the line between the band and the graph.
  const auto blockTop = [&](const QImage& image) {
    int y = FirstDarkInColumn(image, nearRight, FirstDarkInColumn(image, nearRight, image.height() - 3, -1) - 2, -1);
    return y;
  };
  EXPECT_NEAR(blockTop(page), blockTop(preview), 1) << "blocks' top";
}

TEST_F(PlotPrintTest, PrintFromThePreviewClosesBothAsPrinted)
{
  platform::ModalScript script;
  script
      .Act([](platform::Form& form) {
        auto& dialog = dynamic_cast<TPrintDlg&>(form);
        Click(*dialog.bbPreview);
        EXPECT_EQ(dialog.ModalResult(), platform::mrOk);
      })
      .Act([](platform::Form& form) { Click(*dynamic_cast<TPreView&>(form).btnPrint); });
  PrintCommand();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_TRUE(PdfText().contains(QStringLiteral("Damped wave")));
}

TEST_F(PlotPrintTest, SwitchingUnitsChangesOnlyWhatIsShown)
{
  platform::ModalScript script;
  script.Act([](platform::Form& form) {
    auto& dialog = dynamic_cast<TPrintDlg&>(form);
    Retype(*dialog.edLeft, QStringLiteral("11"));
    EXPECT_EQ(dialog.PrintMargins.Left, 11);
    ClickRadio(*dialog.rgUnits->Button(1));
    EXPECT_EQ(dialog.edLeft->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog.lbUnits->text(), QStringLiteral("(decimal inchs)"));
    ClickRadio(*dialog.rgUnits->Button(0));
    EXPECT_EQ(dialog.edLeft->text(), QStringLiteral("11"));
    EXPECT_EQ(dialog.PrintMargins.Left, 11);
    // A value typed in inches is taken as millimetres.
    ClickRadio(*dialog.rgUnits->Button(1));
    Retype(*dialog.edTop, QStringLiteral("6"));
    EXPECT_EQ(dialog.PrintMargins.Top, 15);
    Click(*dialog.bbCancel);
  });
  PrintCommand();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PlotPrintTest, BlackAndWhiteFollowsThePrintColourMode)
{
  plot::GraphLibrary().PrintColorMode = plot::kPrintBlackAndWhite;
  platform::ModalScript script;
  script.Act([](platform::Form& form) {
    auto& dialog = dynamic_cast<TPrintDlg&>(form);
    EXPECT_TRUE(dialog.chbBlackAndWhite->isChecked());
    dialog.chbBlackAndWhite->click();
    EXPECT_EQ(plot::GraphLibrary().PrintColorMode, plot::kPrintColorFull);
    dialog.chbBlackAndWhite->click();
    EXPECT_EQ(plot::GraphLibrary().PrintColorMode, plot::kPrintBlackAndWhite);
    Click(*dialog.bbCancel);
  });
  PrintCommand();
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST_F(PlotPrintTest, AnEditedBlockIsSavedBeforePrintingOnlyWhenTheUserSaysSo)
{
  for (const platform::TModalResult answer : {platform::mrNo, platform::mrYes}) {
    QFile::remove(Ini());
    platform::ModalScript script;
    script
        .Act([](platform::Form& form) {
          auto& dialog = dynamic_cast<TPrintDlg&>(form);
          EXPECT_FALSE(dialog.bbSave->isVisible());
          dialog.pcPrint->SelectPage(QStringLiteral("tsTitleBlocks"));
          EXPECT_TRUE(dialog.bbSave->isVisible());
          dialog.pcLogo->SelectPage(QStringLiteral("tsProjectAndCompany"));
          dialog.mmLogo->setFocus();
          testing_support::TypeText(*dialog.mmLogo, QStringLiteral("ACME Works"));
          EXPECT_TRUE(dialog.LogoModified);
          Click(*dialog.bbPrint);
        })
        .ExpectMessage(QStringLiteral("New Logo not saved!\nSave?"), answer);
    PrintCommand();
    EXPECT_EQ(script.StepsLeft(), 0);
    const platform::TIniFile ini(Ini());
    if (answer == platform::mrNo) {
      EXPECT_FALSE(ini.SectionExists("Owner LOGO"));
    } else {
      EXPECT_EQ(ini.ReadInteger("Owner LOGO", "LogoLines", 0), 1);
      EXPECT_EQ(ini.ReadString("Owner LOGO", "LogoLine0", {}), QStringLiteral("ACME Works"));
    }
    EXPECT_TRUE(QFile::exists(Pdf()));
  }
}

TEST_F(PlotPrintTest, PagesThatCanNotBePrintedAreReportedAndTheDialogStaysOpen)
{
  struct Case {
    const char* what;
    QString pdf;
    std::string settings;
    QString message;  // empty: any error
  };
  const std::vector<Case> cases{
      {"margins leaving no width", Pdf(), "[Print]\r\nLeft=150\r\nRight=150\r\n",
       QString::fromLatin1(platform::kMarginsLeaveNoRoom)},
      {"margins leaving no height", Pdf(), "[Print]\r\nTop=150\r\nBottom=150\r\nUnits=25.4\r\n",
       QString::fromLatin1(platform::kMarginsLeaveNoRoom)},
      {"a job that can't start", folder.filePath(QStringLiteral("no/such/folder/plot.pdf")), "", {}},
  };
  for (const Case& c : cases) {
    QFile ini(Ini());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(c.settings.data(), qint64(c.settings.size()));
    ini.close();
    platform::Printer().SetFileName(c.pdf);
    QString shown;
    platform::ModalScript script;
    script
        .Act([](platform::Form& form) {
          auto& dialog = dynamic_cast<TPrintDlg&>(form);
          Click(*dialog.bbPrint);
          EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
          EXPECT_TRUE(dialog.isEnabled());
          Click(*dialog.bbCancel);
        })
        .Then([&](platform::ModalSubject& subject) {
          auto* box = dynamic_cast<platform::MessageBoxSubject*>(&subject);
          EXPECT_NE(box, nullptr);
          if (box)
            shown = box->Text();
          return platform::mrOk;
        });
    PrintCommand();
    EXPECT_EQ(script.StepsLeft(), 0) << c.what;
    if (!c.message.isEmpty()) {
      EXPECT_EQ(shown, c.message) << c.what;
    }
    EXPECT_FALSE(shown.isEmpty()) << c.what;
    EXPECT_FALSE(QFile::exists(c.pdf)) << c.what;
  }
}

}  // namespace
}  // namespace tools
