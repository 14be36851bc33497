#include "MainWindowFixture.h"

#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace app::testing {
namespace {

QByteArray ReadBytes(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetLoopBounds()
{
  engine::VarValues[7] = 1;        // J
  engine::VarValues[8] = 1000000;  // K
  engine::VarValues[9] = 1;        // M
}

TEST_F(MainWindowTest, FirstStartCalculatesAndWritesHistoryAndSettings)
{
  Open();
  EXPECT_EQ(QApplication::focusWidget(), window->Edit1);
  Calculate(QStringLiteral("1+1"));
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));
  EXPECT_TRUE(ResultIsBlue());
  Calculate(QStringLiteral("2*3"));
  EXPECT_EQ(Result(), QStringLiteral("6.0E+0"));
  Calculate(QStringLiteral("1+1"));  // once in the history, twice in the results
  Close();
  EXPECT_EQ(ReadBytes(File("Vexal.HST")),
            QByteArray("2\r\n1+1\r\n2*3\r\n3\r\n2.0E+0\r\n6.0E+0\r\n2.0E+0\r\n"));
  // Every key of the window, in its fixed order.
  EXPECT_EQ(ReadBytes(File("Vexal.INI")),
            QByteArray("[Calc Settings]\r\nNotation=0\r\nAngle=1\r\nDigits=12\r\nPrecison=9\r\nAssistant=1\r\n"
                       "Hint=1\r\nShowComp=1\r\n\r\n"
                       "[Graphics]\r\nPlot Type=0\r\nXx min=-10\r\nYx min=10\r\nXy min=-10\r\nYy min=10\r\n"
                       "Legend=f(1+1)\r\nTitle=\r\nX axis=X\r\nY axis=Y\r\nStepX0=200\r\nStepX1=40\r\nStepX2=40\r\n"
                       "StepX3=40\r\nStepX4=360\r\nStepY0=0\r\nStepY1=40\r\nStepY2=40\r\nStepY3=40\r\nStepY4=0\r\n\r\n"
                       "[Calc]\r\nLeft=0\r\nTop=0\r\n"));
}

TEST_F(MainWindowTest, TheAcceptanceHistoryFileHasItsSixLines)
{
  Open();
  Calculate(QStringLiteral("1+1"));
  Calculate(QStringLiteral("2*3"));
  Close();
  EXPECT_EQ(ReadBytes(File("Vexal.HST")), QByteArray("2\r\n2*3\r\n1+1\r\n2\r\n6.0E+0\r\n2.0E+0\r\n"));
}

TEST_F(MainWindowTest, ARestartRestoresHistoryAndSettings)
{
  Open();
  Calculate(QStringLiteral("1+1"));
  Calculate(QStringLiteral("2*3"));
  window->rgNotation->SetItemIndex(1);
  window->rgNotation->OnClick();
  window->rgAngle->SetItemIndex(0);
  window->rgAngle->OnClick();
  window->edFromX->setText(QStringLiteral("-5"));
  Close();
  ResetEngine();

  Open();
  EXPECT_EQ(window->cbHistory->count(), 2);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("2*3"));
  EXPECT_EQ(window->cbResults->itemText(1), QStringLiteral("2.0E+0"));
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2*3"));
  EXPECT_EQ(window->Edit2->text(), QStringLiteral("6.0E+0"));
  EXPECT_EQ(window->rgNotation->ItemIndex(), 1);
  EXPECT_EQ(engine::NotationMode, engine::nmFix);
  EXPECT_EQ(engine::AngleMode, 0);
  EXPECT_EQ(window->edFromX->text(), QStringLiteral("-5"));
}

TEST_F(MainWindowTest, ErrorsShowInRedWithTheirPositionOnTheTypedText)
{
  Open();
  struct Case {
    const char* typed;
    const char* shown;
    int selectionStart;
    int selectionLength;
  };
  const Case cases[] = {
      {"(1+2", "Missing \")\": position 4", 3, 1},
      {"1 / 0", "Division by zero: position 5", 4, 1},
      {"1+2)", "", 3, 1},
      {")1+2(", "Syntax error: position 1", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    window->cbResults->clear();
    Calculate(QString::fromLatin1(c.typed));
    EXPECT_TRUE(ResultIsRed());
    if (*c.shown) {
      EXPECT_EQ(Result(), QString::fromLatin1(c.shown));
    }
    EXPECT_EQ(window->Edit1->selectionStart(), c.selectionStart);
    EXPECT_EQ(window->Edit1->selectedText().size(), c.selectionLength);
    EXPECT_TRUE(window->LastWasError);
    EXPECT_EQ(window->cbResults->count(), 0);
    EXPECT_TRUE(window->pcCalc->isEnabled());
    EXPECT_FALSE(engine::ErrorFlag);
  }
}

TEST_F(MainWindowTest, ResultsTheBaseOrNotationCannotShowAreErrorsAndStayOutOfTheLists)
{
  Open();
  struct Case {
    platform::RadioGroup* group;
    int item;
    const char* expression;
  };
  const Case cases[] = {
      {window->rgBase, 1, "$FFFFFFFFF"},  // hexadecimal beyond 31 bits
      {window->rgBase, 2, "$FFFFFFFFF"},  // binary likewise
      {window->rgNotation, 3, "1E10"},    // Sxg beyond its seconds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expression);
    c.group->SetItemIndex(c.item);
    c.group->OnClick();
    window->cbResults->clear();
    window->cbHistory->clear();
    Calculate(QString::fromLatin1(c.expression));
    EXPECT_TRUE(ResultIsRed());
    EXPECT_TRUE(Result().contains(QStringLiteral(": position 1"))) << Result().toStdString();
    EXPECT_EQ(window->cbResults->count(), 0);
    EXPECT_EQ(window->cbHistory->count(), 0);
    EXPECT_TRUE(window->LastWasError);
    c.group->SetItemIndex(0);
    c.group->OnClick();
  }
}

TEST_F(MainWindowTest, TheTapeListsTheVariablesUsed)
{
  Open();
  engine::VarValues[1] = 2;
  engine::VarExprs[1] = "2";
  Calculate(QStringLiteral("x+1"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("x+1 = 3.0E+0; X=2.0E+0; "));
  Calculate(QStringLiteral("x*x"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("x*x = 4.0E+0; X=2.0E+0; "));
  EXPECT_EQ(TapeLine(1), QStringLiteral("x+1 = 3.0E+0; X=2.0E+0; "));
  window->chbRes->setChecked(true);
  Calculate(QStringLiteral("x-1"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("1.0E+0"));
}

TEST_F(MainWindowTest, AnUndefinedVariableIsAskedFor)
{
  Open();
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) {
      auto& dialog = dynamic_cast<TSetVar&>(form);
      EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set variable"));
      EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("undefined"));
      dialog.Edit1->setText(QStringLiteral("1/0"));
      dialog.OKBtn->click();  // the error keeps the dialog open
      EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("Division by zero: position 3"));
      dialog.Edit1->setText(QStringLiteral("2"));
      dialog.OKBtn->click();
    });
    Calculate(QStringLiteral("x+1"));
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Result(), QStringLiteral("3.0E+0"));
  EXPECT_EQ(engine::VarValues[1], 2.0L);
  EXPECT_EQ(engine::VarExprs[1], "2");

  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) { dynamic_cast<TSetVar&>(form).CancelBtn->click(); });
    Calculate(QStringLiteral("y+1"));
  }
  EXPECT_EQ(Result(), QStringLiteral("User break: position 1"));
  EXPECT_TRUE(ResultIsRed());
}

TEST_F(MainWindowTest, ALongCalculationStopsWithTheStopButtonAndYes)
{
  Open();
  int questions = 0;
  bool secondEnterIgnored = false;
  // While the loop pumps events: a second Enter does nothing, then Stop and Yes end it.
  QTimer::singleShot(0, window.get(), [&] {
    const int before = window->cbResults->count();
    PressEnter();
    secondEnterIgnored = window->cbResults->count() == before && window->Calculating();
    window->sbStop->click();
  });
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject& subject) {
    ++questions;
    EXPECT_TRUE(subject.Describe().contains(QStringLiteral("Do you really want to stop the calculation?")));
    return platform::mrYes;
  });
  SetLoopBounds();
  Calculate(QStringLiteral("for J to K step M do(J)"));
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(secondEnterIgnored);
  EXPECT_TRUE(Result().startsWith(QStringLiteral("User break"))) << Result().toStdString();
  EXPECT_TRUE(window->pcCalc->isEnabled());
  // The next calculation starts without the old stop.
  Calculate(QStringLiteral("1+1"));
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));
}

TEST_F(MainWindowTest, ClosingDuringACalculationStopsItAndThenCloses)
{
  Open();
  QTimer::singleShot(0, window.get(), [&] { window->close(); });
  SetLoopBounds();
  Calculate(QStringLiteral("for J to K step M do(J)"));
  EXPECT_TRUE(Result().startsWith(QStringLiteral("User break")));
  for (int i = 0; i < 5 && window->isVisible(); ++i)
    QApplication::processEvents();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFile::exists(File("Vexal.HST")));
}

TEST_F(MainWindowTest, AnEmptyExpressionChangesNothing)
{
  Open();
  Calculate(QStringLiteral("2+2"));
  Calculate(QString());
  EXPECT_EQ(Result(), QStringLiteral("4.0E+0"));
  EXPECT_EQ(window->cbResults->count(), 1);
}

TEST_F(MainWindowTest, FunctionButtonsInsertTheirNameWithTheCaretInside)
{
  Open();
  window->Edit1->setText(QStringLiteral("old"));
  window->Edit1->selectAll();
  window->Clicker(1);  // sin
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("sin()"));
  EXPECT_EQ(window->Edit1->cursorPosition(), 4);
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

TEST_F(MainWindowTest, DamagedFilesStillLetTheProgramStart)
{
  platform::WriteTextLines(File("Vexal.HST"), {"3", "1+1", "2*3"});
  platform::WriteTextLines(File("Vexal.INI"), {"[Calc Settings]", "Digits=abc", "Angle=0", "[Graphics", "x"});
  platform::WriteTextLines(File("Vexal.CON"), {"pi = 3.14", "e = 2.71"});
  Open(false);
  EXPECT_EQ(window->cbHistory->count(), 2);
  EXPECT_EQ(window->DisplayDigits, 12);
  EXPECT_EQ(engine::AngleMode, 0);
  EXPECT_EQ(window->lbConst->ItemText(0), QStringLiteral("e = 2.71"));
  Calculate(QStringLiteral("1+2"));
  EXPECT_EQ(Result(), QStringLiteral("3.0E+0"));
}

TEST_F(MainWindowTest, AnUnwritableHistoryKeepsTheOldFileAndSaysSo)
{
  Open();
  Calculate(QStringLiteral("1+1"));
  // A folder in the way of the history file: the rewrite fails, the message names the file.
  QDir(folder.path()).mkdir(QStringLiteral("Vexal.HST"));
  platform::ModalScript script;
  script.Then([](platform::ModalSubject& subject) {
    EXPECT_TRUE(subject.Describe().contains(QStringLiteral("Can't create file"))) << subject.Describe().toStdString();
    return platform::mrOk;
  });
  Close();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_TRUE(QFileInfo(File("Vexal.INI")).isFile());
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

TEST_F(MainWindowTest, ThePowerSwitchClosesTheWindowAndWritesTheFiles)
{
  Open();
  Calculate(QStringLiteral("3*3"));
  const QPointF centre(window->RxSwitch1->width() / 2.0, window->RxSwitch1->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, centre, window->RxSwitch1->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->RxSwitch1, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, window->RxSwitch1->mapToGlobal(centre), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window->RxSwitch1, &release);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFile::exists(File("Vexal.INI")));
  EXPECT_EQ(ReadBytes(File("Vexal.HST")), QByteArray("1\r\n3*3\r\n1\r\n9.0E+0\r\n"));
}

TEST_F(MainWindowTest, ShortcutsAndEscapeFillTheExpressionLine)
{
  Open();
  Calculate(QStringLiteral("2+2"));
  window->Edit1->selectAll();
  window->Edit1->del();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window->Edit1, &escape);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2+2"));
  EXPECT_TRUE(window->isVisible());  // Escape does not close the main window
  window->Edit1->selectAll();
  QKeyEvent ctrlS(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
  QApplication::sendEvent(window->Edit1, &ctrlS);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("sin()"));
  EXPECT_EQ(window->Edit1->cursorPosition(), 4);
}

TEST_F(MainWindowTest, AnAssignmentDefinesAVariableThatLaterReadsIt)
{
  Open();
  Calculate(QStringLiteral("(x=2+3)*2"));
  EXPECT_EQ(Result(), QStringLiteral("1.0E+1"));
  EXPECT_EQ(engine::VarExprs[1], "2+3");
  Calculate(QStringLiteral("(rate=0.05)"));
  Calculate(QStringLiteral("RATE*100"));
  EXPECT_EQ(Result(), QStringLiteral("5.0E+0"));
  EXPECT_EQ(window->lbVars->count(), 1);
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

QToolButton* ButtonNamed(QWidget* parent, const QString& caption)
{
  for (QToolButton* button : parent->findChildren<QToolButton*>())
    if (button->text() == caption)
      return button;
  return nullptr;
}

TEST_F(MainWindowTest, KeypadButtonsInsertAtTheCaret)
{
  Open();
  Calculate(QStringLiteral("2*3"));
  ButtonNamed(window->tsCalc, QStringLiteral("7"))->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("7"));
  ButtonNamed(window->tsCalc, QStringLiteral("sin"))->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("7sin()"));
  ButtonNamed(window->tsCalc, QStringLiteral("2"))->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("7sin(2)"));
  window->Edit1->setCursorPosition(0);
  ButtonNamed(window->tsCalc, QStringLiteral("1"))->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("17sin(2)"));
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

TEST_F(MainWindowTest, NoToTheStopQuestionLetsTheCalculationFinishWithoutAskingAgain)
{
  Open();
  engine::VarValues[7] = 1;     // J
  engine::VarValues[8] = 2000;  // K
  engine::VarValues[9] = 1;     // M
  QTimer::singleShot(0, window.get(), [&] { window->sbStop->click(); });
  platform::ModalScript script;
  script.Press(platform::mrNo);  // asked once only
  Calculate(QStringLiteral("for J to K step M do(J)"));
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_TRUE(ResultIsBlue());
  EXPECT_EQ(Result(), QStringLiteral("2.0E+3"));
}

}  // namespace
}  // namespace app::testing
