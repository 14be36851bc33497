// Every key with every modifier on every control of the main window, the plot windows and the matrix
// calculator (one control of each class; the matrix window's own test takes every control): each window
// survives and the calculator still calculates afterwards.

#include "MainWindowFixture.h"

#include "platform/RadioGroup.h"
#include "tests/support/KeyInput.h"
#include "tests/support/KeyStorm.h"
#include "tests/support/MouseInput.h"
#include "tools/ContourPlotWindow.h"
#include "tools/MatrixWindow.h"
#include "tools/Plot2DWindow.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace app::testing {
namespace {

class KeyStormTest : public MainWindowTest {
 protected:
  // Plots the expression as the plot type given over a small grid and answers any message.
  void Plot(int type, const QString& expression)
  {
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    testing_support::Click(*window->rgPlot->Button(type));
    // The Y range takes keys only where the type has one.
    const bool twoVariables = window->edFromY->isEnabled();
    for (QLineEdit* edit : {window->edFromX, window->edFromY})
      if (edit != window->edFromY || twoVariables)
        Retype(*edit, QStringLiteral("-2"));
    for (QLineEdit* edit : {window->edToX, window->edToY})
      if (edit != window->edToY || twoVariables)
        Retype(*edit, QStringLiteral("2"));
    for (QLineEdit* edit : {window->edStepsX, window->edStepsY})
      if (edit != window->edStepsY || twoVariables)
        Retype(*edit, QStringLiteral("10"));
    testing_support::Click(*window->bbOK);
  }
};

TEST_F(KeyStormTest, EveryWindowSurvivesEveryKeyWithEveryModifierOnEveryControl)
{
  Open();
  Plot(0, QStringLiteral("sin(x)"));
  ASSERT_TRUE(window->fmPlot2D->isVisible());
  testing_support::KeyStorm(*window->fmPlot2D, [this] { window->fmPlot2D->Show(); }, true);
  Plot(1, QStringLiteral("sin(x)*cos(y)"));
  ASSERT_TRUE(window->fmContourPlot->isVisible());
  testing_support::KeyStorm(*window->fmContourPlot, [this] { window->fmContourPlot->Show(); }, true);
  window->fmMatrix->ShowWindow();
  testing_support::KeyStorm(*window->fmMatrix, [this] { window->fmMatrix->Show(); }, true);
  // The main window: its lines and lists, then page by page the controls of the page shown, one of each
  // class.
  const std::vector<QWidget*> lines{window->Edit1, window->Edit2, window->cbHistory, window->cbResults};
  for (int page = 0; page < window->pcCalc->count(); ++page) {
    const auto showPage = [this, page] {
      window->Show();
      window->pcCalc->setCurrentIndex(page);
    };
    showPage();
    if (page == 0)
      testing_support::KeyStorm(*window, showPage, true, lines);
    else
      testing_support::KeyStorm(*window->pcCalc->widget(page), showPage, true);
  }

  window->Show();
  Calculate(QStringLiteral("6*7"));
  EXPECT_EQ(double(engine::LastResult), 42.0);  // in whatever notation and base the keys chose
}

}  // namespace
}  // namespace app::testing
