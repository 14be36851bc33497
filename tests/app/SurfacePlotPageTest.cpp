// The surface plot from the Graphics page: typed, ranged and launched as the user does, seen in the
// surface window on the screen.
#include "MainWindowFixture.h"

#include "app/CompMessDialog.h"
#include "chart/panel/CustomChart.h"
#include "engine/ComplexEvaluator.h"
#include "chart/series/SurfaceSeries.h"
#include "tests/support/MouseInput.h"
#include "tools/SurfacePlotWindow.h"

#include <QDir>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace app::testing {
namespace {

using testing_support::Click;

QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

// Pixels of a hue: the surface's cells (the rest of the chart is grey).
int TintedPixels(const QImage& image)
{
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 24;
    }
  return n;
}

class SurfacePlotPageTest : public MainWindowTest {
protected:
  // Types the expression, picks "Surface" and types both ranges.
  void SetUpSurface(const QString& expression, const QString& from, const QString& to, const QString& steps)
  {
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    QRadioButton& surface = *window->rgPlot->Button(3);
    testing_support::ClickAt(surface, QPointF(8, surface.height() / 2.0));
    ASSERT_EQ(window->rgPlot->ItemIndex(), 3);
    for (QLineEdit* edit : {window->edFromX, window->edFromY})
      Retype(*edit, from);
    for (QLineEdit* edit : {window->edToX, window->edToY})
      Retype(*edit, to);
    Retype(*window->edStepsX, steps);
    Retype(*window->edStepsY, steps);
  }

  // Presses OK and answers the one message box, which must start with the text given.
  void PlotExpectingMessage(const QString& start)
  {
    platform::ModalScript script;
    script.Then([&](platform::ModalSubject& subject) {
      EXPECT_TRUE(subject.Describe().contains(start)) << subject.Describe().toStdString();
      return platform::mrOk;
    });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0) << start.toStdString();
  }

  tools::TfmSurfaceTee& Surface() { return *window->fmSurfaceTee; }
  chart::TSurfaceSeries& Series() { return *Surface().SurfaceSeries1; }
};

TEST_F(SurfacePlotPageTest, TypingAFunctionAndPressingOkShowsItsSurface)
{
  Open();
  EXPECT_FALSE(window->mi3DPlotfXY->isEnabled());
  SetUpSurface(QStringLiteral("sin(x) * cos(y)"), QStringLiteral("-3"), QStringLiteral("3"), QStringLiteral("40"));
  EXPECT_EQ(window->edLegend->text(), QStringLiteral("f(sin(x) * cos(y))"));
  Click(*window->bbOK);

  ASSERT_TRUE(Surface().isVisible());
  Surface().setGeometry(70, 70, 606, 469);
  ASSERT_EQ(Series().Count(), 41 * 41);
  EXPECT_EQ(Series().NumXValues(), 41);
  EXPECT_EQ(Series().Title(), QStringLiteral("f(x,y)=sin(x)*cos(y)"));
  // x = -1.5, y = 1.5 in the calculator's angle unit, degrees.
  EXPECT_NEAR(Series().YValues().GetValue(10 * 41 + 30), -0.02616797812147191636105931480453920936551, 1e-15);
  EXPECT_EQ(Surface().Chart->Title().Text(), QStringList{QStringLiteral("f(sin(x) * cos(y))")});
  EXPECT_DOUBLE_EQ(Surface().XStep, 0.15);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("sin(x) * cos(y)"));
  EXPECT_EQ(window->Gauge->value(), 0);
  EXPECT_TRUE(window->mi3DPlotfXY->isEnabled());
  EXPECT_TRUE(window->sbShow->isEnabled());
  const QImage shown = OnScreen(*Surface().Chart);
  EXPECT_GT(TintedPixels(shown), 2000);
  QDir().mkpath(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots"));
  shown.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots/surface_sin_cos.png"));

  // Closing hides; "3D-Plot f(X,Y)" of the show-plots menu brings it back.
  Surface().close();
  EXPECT_FALSE(Surface().isVisible());
  window->mi3DPlotfXY->trigger();
  EXPECT_TRUE(Surface().isVisible());
}

TEST_F(SurfacePlotPageTest, MoreThan499IntervalsAreRefusedForTheSurfaceOnly)
{
  Open();
  SetUpSurface(QStringLiteral("x*y"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("500"));
  PlotExpectingMessage(QStringLiteral("must be in the range [2..499]"));
  EXPECT_FALSE(Surface().isVisible());
  EXPECT_EQ(Series().Count(), 15 * 15);
  Retype(*window->edStepsX, QStringLiteral("499"));
  PlotExpectingMessage(QStringLiteral("must be in the range [2..499]"));  // the Y steps
  // The contour plot keeps its own bound.
  QRadioButton& contour = *window->rgPlot->Button(1);
  testing_support::ClickAt(contour, QPointF(8, contour.height() / 2.0));
  Retype(*window->edStepsX, QStringLiteral("600"));
  Retype(*window->edStepsY, QStringLiteral("3"));
  Click(*window->bbOK);
  EXPECT_EQ(window->StepsX[1], 600);
}

TEST_F(SurfacePlotPageTest, AFailingPointSaysSoAndKeepsTheLastSurface)
{
  Open();
  SetUpSurface(QStringLiteral("x*y"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("4"));
  Click(*window->bbOK);
  ASSERT_EQ(Series().Count(), 25);
  const QImage before = OnScreen(*Surface().Chart);

  SetUpSurface(QStringLiteral("ln(x)"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("40"));
  PlotExpectingMessage(QStringLiteral("Cann't calculate this function"));
  EXPECT_TRUE(Surface().isVisible());
  EXPECT_EQ(Series().Count(), 25);
  EXPECT_EQ(Series().Title(), QStringLiteral("f(x,y)=x*y"));
  EXPECT_EQ(OnScreen(*Surface().Chart), before);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("x*y"));
  EXPECT_TRUE(ResultIsRed());
}

TEST_F(SurfacePlotPageTest, TheStopButtonEndsALongLaunchAndTheLastSurfaceStays)
{
  Open();
  SetUpSurface(QStringLiteral("sin(x)*cos(y)"), QStringLiteral("-3"), QStringLiteral("3"), QStringLiteral("499"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you really want to stop the calculation?"), platform::mrYes);
    QTimer::singleShot(0, window.get(), [this] { Click(*window->sbStop); });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_FALSE(Surface().isVisible());
  EXPECT_EQ(Series().Count(), 15 * 15);
  EXPECT_EQ(window->Gauge->value(), 0);
  EXPECT_TRUE(window->tsGraph->isEnabled());
}

TEST_F(SurfacePlotPageTest, InComplexModeTheSurfaceShowsTheModulusOfATextWithBlanks)
{
  Open();
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) { dynamic_cast<TfmCompMess&>(form).Button1->click(); });
    window->rgReal->SetItemIndex(1);
    window->rgReal->OnClick();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  SetUpSurface(QStringLiteral("comp(x, y) * comp(2, 0)"), QStringLiteral("-2"), QStringLiteral("2"), QStringLiteral("4"));
  Click(*window->bbOK);
  ASSERT_EQ(Series().Count(), 25);
  for (int k = 0; k < 25; ++k)
    EXPECT_NEAR(Series().YValues().GetValue(k), 2 * std::hypot(-2.0 + k / 5, -2.0 + k % 5), 1e-15) << k;
  EXPECT_EQ(Surface().Chart->Title().Text(), QStringList{QStringLiteral("|f(comp(x, y) * comp(2, 0))|")});
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("comp(x, y) * comp(2, 0)"));
  engine::ComplexForm = engine::cfRectangular;
  engine::ComplexResult = engine::ComplexZero;
}

}  // namespace
}  // namespace app::testing
