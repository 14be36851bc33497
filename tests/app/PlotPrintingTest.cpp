// An f(x) plot printed from its window in the running program: the program's title block as the
// main window set it at start-up, the title and axis names on the PDF page.
#include "MainWindowFixture.h"

#include "plot/support/GraphLibrary.h"
#include "plotui/print/PrintDialog.h"
#include "tests/support/MouseInput.h"
#include "tools/Plot2DWindow.h"

#include "platform/Printer.h"
#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace app::testing {
namespace {

using testing_support::Click;

class PlotPrintingTest : public MainWindowTest {};

TEST_F(PlotPrintingTest, TheFxWindowPrintsItsPlotWithTheProgramTitle)
{
  Open();
  const plot::TProgramTitleDefaults& title = plot::GraphLibrary().ProgramTitleDefaults;
  EXPECT_EQ(title.Lines[0], QStringLiteral("Vexal 98 v.4.1"));
  EXPECT_EQ(title.FontName, QStringLiteral("Arial"));
  EXPECT_EQ(title.FontSize, 10);
  EXPECT_TRUE(title.FontStyle.isEmpty());
  EXPECT_TRUE(title.PictureFile.isEmpty());

  Retype(*window->Edit1, QStringLiteral("sin(x)*x"));
  window->pcCalc->setCurrentWidget(window->tsGraph);
  Click(*window->rgPlot->Button(0));
  Retype(*window->edFromX, QStringLiteral("-3"));
  Retype(*window->edToX, QStringLiteral("3"));
  Retype(*window->edStepsX, QStringLiteral("60"));
  Click(*window->bbOK);
  tools::TfmPlot2D& form = *window->fmPlot2D;
  form.Chart->Title->SetText(QStringLiteral("Printed curve"));

  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetFileName(File(QStringLiteral("fx.pdf")));
  platform::ModalScript script;
  script.Act([](platform::Form& dialogForm) {
    auto& dialog = dynamic_cast<plotui::TPrintDlg&>(dialogForm);
    dialog.chbProgramTitle->click();
    Click(*dialog.bbPrint);
  });
  form.sbPrint->Click();
  EXPECT_EQ(script.StepsLeft(), 0);

  QProcess process;
  process.start(QStringLiteral("pdftotext"), {File(QStringLiteral("fx.pdf")), QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  for (const char* expected : {"Printed curve", "Vexal 98 v.4.1", "1998 - 2026"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " in\n" << text.toStdString();
}

}  // namespace
}  // namespace app::testing
