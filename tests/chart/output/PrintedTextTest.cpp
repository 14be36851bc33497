// A chart with a title, axis labels, marks and a legend printed through its preview onto the "PDF file"
// printer at 600 dpi: every text keeps the size it has beside the others on the screen.
#include "chart/model/SeriesMarks.h"
#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "platform/Form.h"
#include "platform/ModalRun.h"
#include "platform/Printer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace chart {
namespace {

// The height in points of the first printed word equal to text, 0 when there is none.
double PrintedWordHeight(const QString& bboxHtml, const QString& text)
{
  const QRegularExpression word(QString::fromLatin1(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">)re") +
                                QRegularExpression::escape(text) + QLatin1Char('<'));
  const QRegularExpressionMatch match = word.match(bboxHtml);
  return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0.0;
}

// The line height of the font on the screen, in pixels.
int ScreenTextHeight(const platform::TFont& font) { return QFontMetrics(platform::ToQFont(font.Data())).height(); }

class PrintedChartText : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(folder.filePath(QStringLiteral("chart.pdf")));
    printer.SetPaperSize(QPageSize::A4);
    printer.SetOrientation(platform::TPrinterOrientation::poPortrait);
    printer.SetResolution(600);

    form.resize(500, 400);
    chart = new TChart(&form);
    chart->setObjectName(QStringLiteral("Chart1"));
    chart->setGeometry(0, 0, 500, 400);
    chart->SetView3D(false);
    chart->Title().SetText({QStringLiteral("Heading")});
    chart->Title().Font().SetSize(16);
    chart->LeftAxis().LabelsFont().SetSize(9);
    chart->BottomAxis().LabelsFont().SetSize(9);
    chart->LeftAxis().SetLabelStyle(TAxisLabelStyle::talValue);
    chart->BottomAxis().SetLabelStyle(TAxisLabelStyle::talValue);
    chart->Legend().Font().SetSize(11);
    line = std::make_unique<TLineSeries>();
    line->SetTitle(QStringLiteral("Curve"));
    for (int i = 0; i < 10; ++i)
      line->AddXY(i, 10 * i, QStringLiteral(" "));
    line->AddXY(10, 100, QStringLiteral("Peak"));
    line->Marks().SetVisible(true);
    line->Marks().Font().SetSize(7);
    chart->AddSeries(*line);
    other = std::make_unique<TLineSeries>();  // with two series the legend lists their titles
    other->SetTitle(QStringLiteral("Other"));
    other->AddXY(0, 50);
    other->AddXY(10, 50);
    chart->AddSeries(*other);
    chart->BottomAxis().SetMinMax(0, 10);
    chart->LeftAxis().SetMinMax(0, 100);
    form.Show();
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
  }

  // Prints through the preview's "Print" and returns the words of the page with their boxes.
  QString PrintThroughPreview()
  {
    platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    script.Act([](platform::Form& window) {
      window.findChild<QPushButton*>(QStringLiteral("BPrint"))->click();
      window.findChild<QPushButton*>(QStringLiteral("BClose"))->click();
    });
    ShowChartPreview(nullptr, *chart);
    EXPECT_EQ(script.StepsLeft(), 0);
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), folder.filePath(QStringLiteral("chart.pdf")), QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  QTemporaryDir folder;
  platform::Form form;
  TChart* chart = nullptr;  // owned by the form
  std::unique_ptr<TLineSeries> line;
  std::unique_ptr<TLineSeries> other;
};

// The title always scaled with the page; the others are measured against it.
TEST_F(PrintedChartText, EveryTextKeepsItsSizeBesideTheTitle)
{
  const QString page = PrintThroughPreview();
  const double title = PrintedWordHeight(page, QStringLiteral("Heading"));
  ASSERT_GT(title, 0) << page.toStdString();
  const double screenTitle = ScreenTextHeight(chart->Title().Font());
  struct Case {
    const char* part;
    QString word;
    const platform::TFont& font;
  };
  const Case cases[] = {
      {"left axis label", QStringLiteral("100"), chart->LeftAxis().LabelsFont()},
      {"legend", QStringLiteral("Curve"), chart->Legend().Font()},
      {"mark", QStringLiteral("Peak"), line->Marks().Font()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    const double printed = PrintedWordHeight(page, c.word);
    ASSERT_GT(printed, 0) << page.toStdString();
    const double onScreen = ScreenTextHeight(c.font) / screenTitle;
    EXPECT_NEAR(printed / title, onScreen, 0.12 * onScreen);
  }
}

}  // namespace
}  // namespace chart
