// Polar plots from the Graphics page: r(phi) typed in the expression line, "Polar" chosen and OK
// pressed by mouse; the polar window's screen, the show-plots items, errors and Stop.
#include "MainWindowFixture.h"

#include "chart/series/PolarSeries.h"
#include "engine/Evaluator.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tools/PolarPlotWindow.h"

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
using testing_support::ClickAt;

QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

class PolarPlotPageTest : public MainWindowTest {
protected:
  // Picks the angle unit and the polar type by mouse and types the expression and the range.
  void SetUpPolar(const QString& expression, bool degrees, const QString& from, const QString& to,
                  const QString& steps)
  {
    QRadioButton& unit = *window->rgAngle->Button(degrees ? 1 : 0);
    ClickAt(unit, QPointF(6, unit.height() / 2.0));
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    QRadioButton& polar = *window->rgPlot->Button(4);
    ClickAt(polar, QPointF(8, polar.height() / 2.0));
    Retype(*window->edFromX, from);
    Retype(*window->edToX, to);
    Retype(*window->edStepsX, steps);
  }

  tools::TPolarForm& Form() { return *window->PolarForm; }
  std::vector<const chart::TPolarSeries*> Series() { return Form().PolarSeries(); }
};

TEST_F(PolarPlotPageTest, ThePolarTypePlotsRPhiIntoTheShownPolarWindow)
{
  Open();
  EXPECT_FALSE(window->miPolarfx->isEnabled());
  SetUpPolar(QStringLiteral("x / 36"), true, QStringLiteral("0"), QStringLiteral("360"), QStringLiteral("360"));
  ASSERT_EQ(window->rgPlot->ItemIndex(), 4);
  ASSERT_TRUE(window->bbOK->isEnabled());
  Click(*window->bbOK);

  ASSERT_TRUE(Form().isVisible());
  ASSERT_EQ(Series().size(), 1u);
  const chart::TPolarSeries& spiral = *Series().front();
  ASSERT_EQ(spiral.Count(), 361);
  EXPECT_EQ(spiral.Title(), QStringLiteral("f(x / 36)"));
  EXPECT_TRUE(window->miPolarfx->isEnabled());
  EXPECT_TRUE(window->sbShow->isEnabled());
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("x / 36"));
  EXPECT_TRUE(Form().Chart1->View3D());

  Form().MenuItem(QStringLiteral("miView3D")).Click();  // the flat view, to find the points
  Form().setGeometry(60, 60, 641, 507);
  const QImage shown = OnScreen(*Form().Chart1);
  const QRgb color = platform::ToQColor(spiral.SeriesColor()).rgb() & 0xFFFFFF;
  for (int k = 30; k <= 360; k += 55) {
    SCOPED_TRACE(k);
    EXPECT_DOUBLE_EQ(spiral.XValueAt(k), k);
    EXPECT_NEAR(spiral.YValueAt(k), k / 36.0, 1e-12);
    bool drawn = false;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const QPoint at(spiral.CalcXPos(k) + dx, spiral.CalcYPos(k) + dy);
        drawn = drawn || (shown.valid(at) && (shown.pixel(at) & 0xFFFFFF) == color);
      }
    EXPECT_TRUE(drawn);
  }
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  EXPECT_TRUE(OnScreen(Form()).save(shots + QStringLiteral("/polar_from_page.png")));

  // Closing hides; "Polar f(x)" brings it back. Radians over 0..6.2832 reach the same angles.
  Form().close();
  EXPECT_FALSE(Form().isVisible());
  window->miPolarfx->trigger();
  EXPECT_TRUE(Form().isVisible());
  SetUpPolar(QStringLiteral("1"), false, QStringLiteral("0"), QStringLiteral("6.2832"), QStringLiteral("360"));
  Click(*window->bbOK);
  ASSERT_EQ(Series().size(), 2u);
  EXPECT_NEAR(Series().back()->XValueAt(180), 180, 0.001);
  EXPECT_NEAR(Series().back()->XValueAt(360), 360.0008418, 1e-6);  // 6.2832 rad
}

TEST_F(PolarPlotPageTest, AnErrorOrAStopAddsNoSeriesAndShowsNoWindow)
{
  Open();
  SetUpPolar(QStringLiteral("1/(x-90)"), true, QStringLiteral("0"), QStringLiteral("360"), QStringLiteral("360"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Cann't calculate this function\nDivision by zero at x = 90"), platform::mrOk);
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_FALSE(Form().isVisible());
  EXPECT_TRUE(Series().empty());
  EXPECT_NE(window->cbHistory->itemText(0), QStringLiteral("1/(x-90)"));

  SetUpPolar(QStringLiteral("x^3"), true, QStringLiteral("0"), QStringLiteral("360"), QStringLiteral("16000"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you really want to stop the calculation?"), platform::mrYes);
    QTimer::singleShot(0, window.get(), [this] { Click(*window->sbStop); });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_FALSE(Form().isVisible());
  EXPECT_TRUE(Series().empty());
  EXPECT_EQ(window->Gauge->value(), 0);
  EXPECT_FALSE(window->miPolarfx->isEnabled());
}

}  // namespace
}  // namespace app::testing
