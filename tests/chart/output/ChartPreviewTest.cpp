#include "PreviewWindowFixture.h"

#include "chart/support/LibraryItems.h"
#include "platform/PrintDocument.h"
#include "platform/PrinterSetupDialogs.h"
#include "platform/RadioGroup.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace chart {
namespace {

using testing::PreviewWindowTest;
using testing_support::PressKey;
using testing_support::TypeText;

constexpr platform::TColor kLine = platform::clSilver;  // margin lines on white paper

QStringList MarginTexts(TChartPreview& window)
{
  QStringList texts;
  for (const char* name : {"SELeftMa", "SETopMa", "SERightMa", "SEBotMa"})
    texts << PreviewWindowTest::Find<QLineEdit>(window, name).text();
  return texts;
}

void Retype(QLineEdit& edit, const QString& text)
{
  edit.setFocus();
  edit.selectAll();
  TypeText(edit, text);
}

// A 400 x 250 chart on a landscape A4 page (7016 x 4961 dots): proportional margins 15 and
// round((4961 - 0.6 * 7016 * 250 / 400) * 100 / 4961) div 2 = 23.
TEST_F(PreviewWindowTest, OpensLandscapeWithTheChartOnThePaperAndClosesWithOk)
{
  const unsigned revision = panel.Revision();
  Preview([&](TChartPreview& window) {
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("Print Preview")));
    EXPECT_EQ(platform::Printer().Orientation(), platform::TPrinterOrientation::poLandscape);
    EXPECT_EQ(Find<platform::RadioGroup>(window, "Orientation").ItemIndex(), 1);
    EXPECT_EQ(Find<QComboBox>(window, "Printers").currentText(), platform::kPdfPrinterName);
    EXPECT_EQ(MarginTexts(window), (QStringList{"15", "23", "15", "23"}));
    EXPECT_EQ(panel.PrintMargins(), (TRect{15, 23, 15, 23}));
    EXPECT_TRUE(Find<QCheckBox>(window, "CBProp").isChecked());
    EXPECT_FALSE(Find<QPushButton>(window, "BReset").isEnabled());
    EXPECT_EQ(Find<QScrollBar>(window, "Resolution").value(), 0);

    const QImage shown = ShownPage(window);
    const TRect paper = window.Page().PaperRect();
    const TRect chart = window.Page().ChartRect();
    EXPECT_GT(paper.Width(), paper.Height());
    EXPECT_EQ(At(shown, (chart.Left + chart.Right) / 2, (chart.Top + chart.Bottom) / 2), testing::kChartColor);
    EXPECT_EQ(At(shown, paper.Left + 2, paper.Top + 2), platform::clWhite);
    EXPECT_EQ(At(shown, paper.Left, paper.Top + 10), platform::clBlack);  // the outline
    EXPECT_EQ(At(shown, paper.Right + 2, paper.Bottom + 2), platform::clBlack);  // the shadow
    // Dotted lines one pixel outside the chart, across the whole paper.
    EXPECT_GT(CountInColumn(shown, chart.Left - 1, paper.Top + 1, chart.Top - 2, kLine), (chart.Top - paper.Top) / 3);
    EXPECT_EQ(CountInColumn(shown, chart.Left + 20, paper.Top + 1, chart.Top - 2, kLine), 0);

    PressKey(window, Qt::Key_Escape);  // "Close" is the cancel button and closes with OK
    EXPECT_EQ(window.ModalResult(), platform::mrOk);
  });
  EXPECT_EQ(platform::Printer().Orientation(), platform::TPrinterOrientation::poLandscape);
  EXPECT_GT(panel.Revision(), revision);  // repainted after the preview
}

TEST_F(PreviewWindowTest, AFailureInsideThePreviewStillRepaintsThePanel)
{
  const unsigned revision = panel.Revision();
  platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
  script.Then([](platform::ModalSubject&) -> platform::TModalResult { throw std::runtime_error("failed"); });
  EXPECT_THROW(ShowChartPreview(nullptr, panel), std::runtime_error);
  EXPECT_GT(panel.Revision(), revision);
}

// Margins typed and stepped: a margin whose sum with its opposite reaches 100 goes back.
TEST_F(PreviewWindowTest, AMarginThatLeavesNothingBetweenItAndItsOppositeIsRefused)
{
  Preview([&](TChartPreview& window) {
    auto& left = Find<QLineEdit>(window, "SELeftMa");
    auto& top = Find<QLineEdit>(window, "SETopMa");
    auto& right = Find<QLineEdit>(window, "SERightMa");
    auto& reset = Find<QPushButton>(window, "BReset");
    struct Step {
      const char* what;
      std::function<void()> act;
      TRect margins;
      QStringList texts;
    };
    const Step steps[] = {
        {"right 40", [&] { Retype(right, "40"); }, {15, 23, 40, 23}, {"15", "23", "40", "23"}},
        {"left 60: the 6 taken, 60 refused", [&] { Retype(left, "60"); }, {6, 23, 40, 23}, {"6", "23", "40", "23"}},
        {"left 59", [&] { Retype(left, "59"); }, {59, 23, 40, 23}, {"59", "23", "40", "23"}},
        {"left up to 60 refused", [&] { PressKey(left, Qt::Key_Up); }, {59, 23, 40, 23}, {"59", "23", "40", "23"}},
        {"top up", [&] { PressKey(top, Qt::Key_Up); }, {59, 24, 40, 23}, {"59", "24", "40", "23"}},
        {"top 77 refused", [&] { Retype(top, "77"); }, {59, 7, 40, 23}, {"59", "7", "40", "23"}},
        {"reset", [&] { reset.click(); }, {15, 23, 15, 23}, {"15", "23", "15", "23"}},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE(step.what);
      step.act();
      EXPECT_EQ(panel.PrintMargins(), step.margins);
      EXPECT_EQ(MarginTexts(window), step.texts);
      EXPECT_EQ(reset.isEnabled(), step.margins != TRect(15, 23, 15, 23));
    }
  });
  EXPECT_EQ(panel.PrintMargins(), (TRect{15, 23, 15, 23}));
}

// The margin lines move over the finished page (not-xor: drawn twice they are gone); the chart is not
// drawn again while they move nor when the page shows the chart at its new place.
TEST_F(PreviewWindowTest, DraggingTheLeftLineMovesOnlyTheLinesAndUnticksProportional)
{
  Preview([&](TChartPreview& window) {
    TTeePreviewPage& page = window.Page();
    ShownPage(window);
    const TRect paper = page.PaperRect();
    const TRect chart = page.ChartRect();
    const int middle = (chart.Top + chart.Bottom) / 2;
    const int draws = panel.Draws;

    struct Hover {
      QPointF at;
      platform::TCursor cursor;
    };
    const Hover hovers[] = {
        {QPointF(chart.Left, middle), platform::crHSplit},
        {QPointF(chart.Left + 40, middle), crTeeHand},
        {QPointF(chart.Right, chart.Bottom), platform::crSizeNWSE},
        {QPointF(chart.Left + 40, chart.Top), platform::crVSplit},
    };
    for (const Hover& hover : hovers) {
      testing_support::SendMouse(page, QEvent::MouseMove, hover.at, Qt::NoButton, Qt::NoButton);
      EXPECT_EQ(page.CursorNumber(), hover.cursor);
    }

    testing_support::PressAt(page, QPointF(chart.Left, middle));
    for (int x = chart.Left + 10; x <= chart.Left + 30; x += 10)
      testing_support::MoveHeldTo(page, QPointF(x, middle));
    const int newLeft = chart.Left + 30;
    EXPECT_EQ(page.ChartRect().Left, newLeft);
    const QImage during = ShownPage(window);
    EXPECT_EQ(CountInColumn(during, chart.Left - 1, paper.Top + 1, chart.Top - 2, kLine), 0);
    EXPECT_GT(CountInColumn(during, newLeft - 1, paper.Top + 1, chart.Top - 2, kLine), (chart.Top - paper.Top) / 3);
    EXPECT_EQ(At(during, chart.Left + 25, middle), testing::kChartColor);  // the chart stays where it was
    EXPECT_EQ(panel.Draws, draws);

    EXPECT_FALSE(Find<QCheckBox>(window, "CBProp").isChecked());
    EXPECT_FALSE(panel.PrintProportional());
    EXPECT_GT(panel.PrintMargins().Left, 15);
    EXPECT_EQ(Find<QLineEdit>(window, "SELeftMa").text(), QString::number(panel.PrintMargins().Left));
    EXPECT_TRUE(Find<QPushButton>(window, "BReset").isEnabled());

    testing_support::ReleaseAt(page, QPointF(newLeft, middle));
    const QImage after = ShownPage(window);
    EXPECT_NEAR(page.ChartRect().Left, newLeft, 3);  // back from whole percents
    EXPECT_EQ(At(after, chart.Left + 25, middle), platform::clWhite);
    EXPECT_EQ(At(after, newLeft + 25, middle), testing::kChartColor);
    EXPECT_EQ(panel.Draws, draws);

    Find<QPushButton>(window, "BReset").click();
    EXPECT_EQ(panel.PrintMargins(), (TRect{15, 23, 15, 23}));
    EXPECT_FALSE(Find<QPushButton>(window, "BReset").isEnabled());
    EXPECT_EQ(At(ShownPage(window), chart.Left + 25, middle), testing::kChartColor);
  });
}

// With DragImage the page shows the chart at its new place while the line moves, from the kept picture.
TEST_F(PreviewWindowTest, WithDragImageTheChartFollowsTheDragFromItsKeptPicture)
{
  Preview([&](TChartPreview& window) {
    TTeePreviewPage& page = window.Page();
    page.SetDragImage(true);
    ShownPage(window);
    const TRect chart = page.ChartRect();
    const int middle = (chart.Top + chart.Bottom) / 2;
    const int draws = panel.Draws;
    testing_support::PressAt(page, QPointF(chart.Left, middle));
    testing_support::MoveHeldTo(page, QPointF(chart.Left + 30, middle));
    const QImage during = ShownPage(window);
    EXPECT_EQ(At(during, chart.Left + 25, middle), platform::clWhite);
    EXPECT_EQ(At(during, page.ChartRect().Left + 25, middle), testing::kChartColor);
    EXPECT_TRUE(Find<QPushButton>(window, "BReset").isEnabled());
    testing_support::ReleaseAt(page, QPointF(chart.Left + 30, middle));
    ShownPage(window);
    EXPECT_EQ(panel.Draws, draws);
  });
}

// "More" lays the chart out on twice the client's size: the same text comes out half as high.
TEST_F(PreviewWindowTest, MoreHalvesTheTextOnThePageAndPrintPrintsTheChart)
{
  double normal = 0;
  double more = 0;
  Preview([&](TChartPreview& window) {
    auto& print = Find<QPushButton>(window, "BPrint");
    print.click();
    normal = PrintedLabelHeight(Pdf());

    auto& resolution = Find<QScrollBar>(window, "Resolution");
    PressKey(resolution, Qt::Key_Home);
    EXPECT_EQ(resolution.value(), -100);
    EXPECT_EQ(panel.PrintResolution(), -100);
    ShownPage(window);
    EXPECT_EQ(panel.LastBounds, (TRect{0, 0, 800, 500}));

    platform::Printer().SetFileName(Pdf(QStringLiteral("more.pdf")));
    print.click();
    more = PrintedLabelHeight(Pdf(QStringLiteral("more.pdf")));
  });
  EXPECT_EQ(platform::Printer().Title(), QStringLiteral("Chart1"));
  ASSERT_GT(normal, 0);  // pdftotext found the chart's label
  ASSERT_GT(more, 0);
  EXPECT_NEAR(more / normal, 0.5, 0.05);
  EXPECT_EQ(panel.PrintResolution(), -100);  // stays after the preview
}

// The picture of the chart is made again only when the chart, the printer or the resolution changes.
TEST_F(PreviewWindowTest, ThePagePictureIsKeptUntilTheChartPrinterOrResolutionChanges)
{
  Preview([&](TChartPreview& window) {
    TTeePreviewPage& page = window.Page();
    struct Step {
      const char* what;
      std::function<void()> act;
      int draws;  // pictures made
    };
    const Step steps[] = {
        {"exposed again", [&] { page.update(); }, 0},
        {"margin stepped", [&] { PressKey(Find<QLineEdit>(window, "SETopMa"), Qt::Key_Up); }, 0},
        {"lines hidden", [&] { Find<QCheckBox>(window, "ShowMargins").click(); }, 0},
        {"detail", [&] { PressKey(Find<QScrollBar>(window, "Resolution"), Qt::Key_Left); }, 1},
        {"landscape on Letter from the set-up",
         [&] {
           platform::ModalScript setup([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
           setup.Edit<platform::TPrinterSetupDialog>([](platform::TPrinterSetupDialog& dialog) {
             dialog.PaperSize = QPageSize::Letter;
           });
           Find<QPushButton>(window, "BSetupPrinter").click();
           EXPECT_EQ(setup.StepsLeft(), 0);
         },
         1},
        {"portrait", [&] { Find<platform::RadioGroup>(window, "Orientation").Button(0)->click(); }, 1},
        {"chart changed, page exposed", [&] { panel.SetMarginLeft(10); page.update(); }, 1},
        {"exposed again", [&] { page.update(); }, 0},
    };
    ShownPage(window);
    for (const Step& step : steps) {
      SCOPED_TRACE(step.what);
      const int draws = panel.Draws;
      step.act();
      ShownPage(window);
      EXPECT_EQ(panel.Draws - draws, step.draws);
    }
    EXPECT_EQ(panel.PrintResolution(), -1);
    EXPECT_EQ(platform::Printer().Orientation(), platform::TPrinterOrientation::poPortrait);
    EXPECT_EQ(platform::Printer().PaperSize(), QPageSize::Letter);
    EXPECT_EQ(Find<platform::RadioGroup>(window, "Orientation").ItemIndex(), 0);
    EXPECT_LT(page.PaperRect().Width(), page.PaperRect().Height());
  });
}

// As a bitmap, the page's picture goes onto the panel's print rectangle of the page.
TEST_F(PreviewWindowTest, APageBitmapPrintsOnThePanelsPrintRectangle)
{
  TTeePreviewPage page;
  page.SetImage(&panel);
  page.SetAsBitmap(true);
  platform::TPrinter& printer = platform::Printer();
  printer.SetOrientation(platform::TPrinterOrientation::poLandscape);
  platform::TPrintDocument document;
  {
    const platform::TRecordPrinting recording(printer, document);
    page.Print();
  }
  ASSERT_EQ(document.PageCount(), 1);
  std::vector<const platform::TCanvasRecord*> images;
  for (const platform::TCanvasRecord& r : document.Page(0).Records())
    if (r.Op == platform::TCanvasOp::DrawImage)
      images.push_back(&r);
  ASSERT_EQ(images.size(), 1u);
  // Landscape A4, margins 15 and 23 of 7016 x 4961 dots.
  EXPECT_EQ(images[0]->RectAt(0), (TRect{1052, 1141, 5964, 3820}));
  EXPECT_EQ(images[0]->Image.size(), QSize(400, 250));
  EXPECT_EQ(platform::FromQColor(images[0]->Image.pixelColor(200, 125)), testing::kChartColor);
  EXPECT_EQ(printer.Title(), QStringLiteral("Chart1"));

  // A chart that fails to draw starts no job and leaves the panel as it was.
  panel.Fail = true;
  EXPECT_THROW(page.Print(), std::runtime_error);
  EXPECT_FALSE(printer.Printing());
  EXPECT_FALSE(panel.IsPrinting());
}

}  // namespace
}  // namespace chart
