#include "MainWindowFixture.h"

#include "app/Assistant.h"

#include "engine/FunctionHints.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

namespace app::testing {
namespace {

TEST(Assistant, TheWordAtTheCaret)
{
  struct Case {
    const char* text;
    int caret;
    const char* word;
  };
  const Case cases[] = {
      {"sin(", 4, "sin("},      {"2+sin(x)", 6, "sin("},  {"2+sin(x)", 3, "sin("},  {"2+sin(x)", 4, "sin("},
      {"SIN(", 4, "("},         {"", 0, ""},              {"sin(", 0, "sin("},     {"+sin(", 0, ""},
      {"1+2", 3, ""},           {"x*cos(", 2, "cos("},    {"Jn(2,x)", 6, "x"},     {"a_b(", 4, "a_b("},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetWordAtCaret(QString::fromLatin1(c.text), c.caret), QString::fromLatin1(c.word))
        << c.text << " caret " << c.caret;
}

TEST(Assistant, FunctionsHintsAndGreetings)
{
  EXPECT_EQ(FindFunctionAtText(QStringLiteral("sin("), false), 1);
  EXPECT_EQ(FindFunctionAtText(QStringLiteral("SIN("), false), 1);  // any case in real mode
  EXPECT_EQ(FindFunctionAtText(QStringLiteral("("), false), -1);
  EXPECT_EQ(FindFunctionAtText(QStringLiteral("e"), false), -1);  // the constant e is not a function
  EXPECT_EQ(FindFunctionAtText(QString(), true), -1);
  EXPECT_EQ(FindFunctionAtText(QStringLiteral("xsin("), true), 1);  // inside the word in complex mode

  EXPECT_EQ(FunctionHintText(1, false, 0), QStringLiteral("Sine of (radian)"));
  EXPECT_EQ(FunctionHintText(1, false, 1), QStringLiteral("Sine of (degree)"));
  EXPECT_TRUE(FunctionHintText(100, true, 0).isEmpty());  // no complex hint for this code
  EXPECT_TRUE(FunctionHintText(-1, false, 0).isEmpty());

  const std::pair<double, const char*> greetings[] = {
      {0.1, "Oh... Good ... night ... Sir/Madam!"}, {11.0 / 24, "Good morning Sir/Madam!"},
      {0.5, "Good afternoon Sir/Madam!"},           {0.8, "Good evening Sir/Madam!"},
      {0.0, "What is the time?"},                   {1.0, "What is the time?"}};
  for (const auto& [t, text] : greetings)
    EXPECT_EQ(GreetingText(t), QString::fromLatin1(text)) << t;
}

// Key presses with their key codes, as a keyboard sends them.
void TypeKeys(QWidget* target, const QString& text)
{
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, int(c.toUpper().unicode()), Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, int(c.toUpper().unicode()), Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &release);
  }
}

TEST_F(MainWindowTest, TheAssistantGreetsAndNamesTheFunctionAtTheCaret)
{
  Open();
  ASSERT_TRUE(window->chAssistant->isChecked());
  EXPECT_FALSE(window->pnAssistant->isHidden());
  EXPECT_TRUE(WaitFor([this] { return window->pnAssistant->Caption().contains(QStringLiteral("Sir/Madam!")) ||
                                      window->pnAssistant->Caption().contains(QStringLiteral("time?")); }));

  window->rgAngle->Button(0)->click();  // radians
  window->Edit1->setFocus();
  window->Edit1->clear();
  TypeKeys(window->Edit1, QStringLiteral("sin("));
  EXPECT_TRUE(WaitFor([this] { return window->pnAssistant->Caption() == QStringLiteral(" Sine of (radian) "); }));

  // The same name in capitals is no function word: the panel stays as it was.
  window->Edit1->clear();
  TypeKeys(window->Edit1, QStringLiteral("COS("));
  EXPECT_TRUE(window->Timer1.Enabled());
  EXPECT_TRUE(WaitFor([this] { return !window->Timer1.Enabled(); }));
  EXPECT_EQ(window->pnAssistant->Caption(), QStringLiteral(" Sine of (radian) "));

  // A function button names its function at once.
  window->Edit1->selectAll();
  window->Clicker(12);
  EXPECT_TRUE(window->pnAssistant->Caption().startsWith(QStringLiteral(" Cosine")));

  // A click in the expression line looks at the caret too.
  window->rgAngle->Button(1)->click();  // degrees
  window->Edit1->setText(QStringLiteral("1+tan(2)"));
  window->Edit1->setCursorPosition(4);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(window->Edit1, &click);
  EXPECT_TRUE(WaitFor([this] { return window->pnAssistant->Caption().contains(QStringLiteral("degree")); }));

  // Unticked, the panel goes.
  window->chAssistant->click();
  EXPECT_TRUE(window->pnAssistant->isHidden());
  window->chAssistant->click();
  EXPECT_FALSE(window->pnAssistant->isHidden());
  EXPECT_TRUE(window->pnAssistant->Caption().isEmpty());
}

}  // namespace
}  // namespace app::testing
