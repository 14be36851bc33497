#include "tests/app/MainWindowFixture.h"
#include "tests/support/KeyInput.h"

#include "platform/TextFile.h"

#include <QClipboard>
#include <QGuiApplication>
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

TEST_F(MainWindowTest, ATapeLongerThanTheExpressionLineIsRefusedNotCut)
{
  Open();
  Calculate(QStringLiteral("7*6"));
  // 20000 ones: cut to what the line holds they would sum to 16384.
  QStringList lines(19999, QStringLiteral("1+"));
  lines << QStringLiteral("1");
  window->OET->setPlainText(lines.join(QLatin1Char('\n')));
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("The text is too long: at most 32767 characters fit. Nothing was calculated."),
                       platform::mrOk);
  TapeEval(*window)->click();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(window->OET->document()->blockCount(), 20000);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("7*6"));
  EXPECT_EQ(Result().trimmed(), QStringLiteral("4.2E+1"));
}

// Pastes text into the tape calculator's memo with Ctrl+V, as a user does.
void PasteInto(QWidget& target, const QString& text)
{
  QGuiApplication::clipboard()->setText(text);
  target.setFocus();
  testing_support::PressKey(target, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(MainWindowTest, TapeTextBeyondLatin1IsSavedAndLoadedWhole)
{
  const QString text = QStringLiteral("1+2 ; \u6570\u5B66 \U0001F600 e\u0301 \u05E9\u05DC\u05D5\u05DD x\u00B2\nend");
  Open();
  window->pcCalc->setCurrentWidget(window->tsTapeCalc);
  PasteInto(*window->OET, text);
  ASSERT_EQ(window->OET->toPlainText(), text);
  const QString path = File("tape.txt");
  {
    platform::ModalScript script;
    script.Choose(path);
    window->SpeedButton84->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  window->OET->clear();
  {
    platform::ModalScript script;
    script.Choose(path);
    window->SpeedButton83->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->OET->toPlainText(), text);

  // The calculator's tape, saved to a text file.
  window->mmTape->setPlainText(text);
  const QString tape = File("results.TXT");
  {
    platform::ModalScript script;
    script.Choose(tape);
    window->btToFile->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(platform::ReadUnicodeLines(tape).join(QLatin1Char('\n')), text);
}

}  // namespace
}  // namespace app::testing
