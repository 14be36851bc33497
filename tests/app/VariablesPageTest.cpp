#include "MainWindowFixture.h"

#include "platform/TextFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace app::testing {
namespace {

TEST_F(MainWindowTest, CalculateAllFollowsTheDefinitionsInAnyOrder)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsVars);
  EXPECT_EQ(window->VarValueEdits[0]->text(), QStringLiteral("Undefind"));
  window->VarExprEdits[0]->setText(QStringLiteral("2 * y"));
  window->VarExprEdits[1]->setText(QStringLiteral("3"));
  window->CalculateAll();
  EXPECT_EQ(engine::VarValues[1], 6.0L);
  EXPECT_EQ(engine::VarExprs[1], "2*y");  // stored without blanks
  EXPECT_EQ(window->VarValueEdits[0]->text(), QStringLiteral("6.0E+0"));
  EXPECT_TRUE(window->lbError->text().isEmpty());

  window->VarExprEdits[2]->setText(QStringLiteral("1/0"));
  window->CalculateAll();
  EXPECT_EQ(window->lbError->text(), QStringLiteral("Division by zero: position 3"));
  EXPECT_EQ(engine::VarValues[3], engine::UndefinedValue);
  EXPECT_FALSE(engine::ErrorFlag);
}

TEST_F(MainWindowTest, EnterInADefinitionEvaluatesIt)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsVars);
  window->VarExprEdits[4]->setFocus();
  window->VarExprEdits[4]->setText(QStringLiteral("(1+1"));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(window->VarExprEdits[4], &enter);
  EXPECT_EQ(window->lbError->text(), QStringLiteral("Missing \")\": position 4"));
  window->VarExprEdits[4]->setText(QStringLiteral("1+1"));
  QApplication::sendEvent(window->VarExprEdits[4], &enter);
  EXPECT_EQ(engine::VarValues[5], 2.0L);
  EXPECT_EQ(window->cbHistory->count(), 0);  // not a calculation of the expression line
}

TEST_F(MainWindowTest, VariableButtonsInsertOrAskForTheValue)
{
  Open();
  window->Edit1->clear();
  window->VarButtons[0]->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("X"));
  window->cbEval->setChecked(true);
  EXPECT_TRUE(window->cbEval2->isChecked());
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) {
      auto& dialog = dynamic_cast<TSetVar&>(form);
      dialog.Edit1->setText(QStringLiteral("5"));
      dialog.OKBtn->click();
    });
    window->VarButtons[0]->click();
  }
  EXPECT_EQ(Result(), QStringLiteral("5.0E+0"));  // the expression line was calculated
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) { dynamic_cast<TSetVar&>(form).CancelBtn->click(); });
    window->cbResults->clear();
    window->VarButtons[1]->click();
  }
  EXPECT_EQ(window->cbResults->count(), 0);  // Cancel starts no calculation
  EXPECT_EQ(Result(), QStringLiteral("5.0E+0"));
}

TEST_F(MainWindowTest, AVariablesFileWithAnExpressionTooLongForItsEditSaysSo)
{
  // Y's expression: 20000 ones, which the edit would cut to a sum of 16384.
  std::vector<std::string> lines(10, "0");
  lines.push_back("1");
  std::string ones = "1";
  for (int i = 1; i < 20000; ++i)
    ones += "+1";
  lines.push_back(ones);
  platform::WriteTextLines(File("long.VAR"), lines);
  Open();
  {
    platform::ModalScript script;
    script.Choose(File("long.VAR"));
    script.ExpectMessage(QStringLiteral("An expression is too long: at most 32767 characters fit"), platform::mrOk);
    window->BitBtn14->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->VarExprEdits[0]->text(), QStringLiteral("1"));
  EXPECT_EQ(window->VarExprEdits[1]->text(), QString());
  EXPECT_NE(window->VarValueEdits[1]->text(), QStringLiteral("1.6384E+4"));
}

}  // namespace
}  // namespace app::testing
