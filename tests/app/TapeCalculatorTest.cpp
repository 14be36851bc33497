#include "tests/app/MainWindowFixture.h"

#include <QPushButton>

namespace app::testing {
namespace {

QPushButton* TapeEval(TfmCalc& window) { return window.findChild<QPushButton*>(QStringLiteral("SpeedButton85")); }

TEST_F(MainWindowTest, TheTapeCalculatorJoinsItsLinesAndAppendsTheResult)
{
  Open();
  Calculate(QStringLiteral("7*6"));
  window->pcCalc->setCurrentWidget(window->tsTapeCalc);
  window->OET->setPlainText(QStringLiteral("  1+ \n 2"));
  ASSERT_NE(TapeEval(*window), nullptr);
  ASSERT_TRUE(TapeEval(*window)->isEnabled());
  TapeEval(*window)->click();
  const QStringList lines = window->OET->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[2], QStringLiteral("----------------------"));
  EXPECT_EQ(lines[3].trimmed(), QStringLiteral("3.0E+0"));
  // The calculator's own expression and result come back.
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("7*6"));
  EXPECT_EQ(Result().trimmed(), QStringLiteral("4.2E+1"));
}

TEST_F(MainWindowTest, ATapeThatFailsAppendsNothingInEitherMode)
{
  Open();
  for (const bool complex : {false, true}) {
    SCOPED_TRACE(complex);
    window->ComplexMode = complex;
    window->OET->setPlainText(QStringLiteral("1+\n*2"));
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Error! See detail in the top of calculator"), platform::mrOk);
    TapeEval(*window)->click();
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(window->OET->toPlainText(), QStringLiteral("1+\n*2"));
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("1+*2"));
  }
  window->ComplexMode = false;
  window->OET->setPlainText(QStringLiteral("  \n"));
  TapeEval(*window)->click();  // nothing to calculate, nothing asked
  EXPECT_EQ(window->OET->toPlainText(), QStringLiteral("  \n"));
}

}  // namespace
}  // namespace app::testing
