// Text typed or pasted into the expression line on its way to the engine: characters with an engine meaning,
// characters the engine has no byte for, and texts longer than the line takes.
#include "MainWindowFixture.h"

#include "app/EngineText.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace app::testing {
namespace {

void Paste(QLineEdit& edit, const QString& text)
{
  QGuiApplication::clipboard()->setText(text);
  edit.setFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
  QApplication::sendEvent(&edit, &press);
}

TEST(EngineTextTest, CharactersMapToTheirEngineBytesAndTheRestIsNotAllowed)
{
  const TEngineText mapped = ToEngineText(QStringLiteral("9\u221A+\u03C0\u2212\u00B2\u00D72\u00F7\u00B3 "));
  EXPECT_TRUE(mapped.Valid());
  EXPECT_EQ(mapped.Text, std::string("9\xBD+\xB6-\xB2*2/\xB3 "));

  struct Case {
    QString text;
    int at;
  };
  const Case cases[] = {
      {QStringLiteral("1+\u4E2D"), 2},          // no Latin-1 byte
      {QStringLiteral("2*\U0001F600+1"), 2},    // a surrogate pair
      {QStringLiteral("1\x7F+2"), 1},           // the engine's end marker
      {QStringLiteral("1+\t2"), 2},             // a control character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    EXPECT_EQ(ToEngineText(c.text).NotAllowedAt, c.at);
  }
}

TEST_F(MainWindowTest, TypedAndPastedSignsCalculateWithTheirMeaning)
{
  Open();
  Calculate(QStringLiteral("7"));
  window->Edit1->selectAll();
  Paste(*window->Edit1, QStringLiteral("\u03C0"));
  PressEnter();
  const QString pi = Result();
  EXPECT_TRUE(pi.startsWith(QStringLiteral("3.14159"))) << pi.toStdString();
  EXPECT_EQ(window->Edit1->text(), QString(QChar(0xB6)));  // pi as the Ctrl+P key writes it

  struct Case {
    QString typed;
    QString shown;
  };
  const Case cases[] = {
      {QStringLiteral("5+\u03C0"), QStringLiteral("8.1415927E+0")},
      {QStringLiteral("9\u221A"), QStringLiteral("3.0E+0")},  // the root sign, as its button inserts it
      {QStringLiteral("2\u00B3\u22124"), QStringLiteral("4.0E+0")},
      {QStringLiteral("6\u00D77\u00F73"), QStringLiteral("1.4E+1")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Calculate(c.typed);
    EXPECT_EQ(Result(), c.shown);
    EXPECT_TRUE(ResultIsBlue());
  }
  Close();
  QFile history(File("Vexal.HST"));
  ASSERT_TRUE(history.open(QIODevice::ReadOnly));
  EXPECT_EQ(history.readAll(), QByteArray("6\r\n6*7/3\r\n2\xB3-4\r\n9\xBD\r\n5+\xB6\r\n\xB6\r\n7\r\n"
                                          "6\r\n1.4E+1\r\n4.0E+0\r\n3.0E+0\r\n8.1415927E+0\r\n" +
                                          pi.toLatin1() + "\r\n7.0E+0\r\n"));
}

TEST_F(MainWindowTest, ACharacterWithoutAnEngineByteIsAnErrorAtItsPosition)
{
  Open();
  Calculate(QStringLiteral("7"));
  const QString tape = window->mmTape->toPlainText();
  struct Case {
    QString typed;
    QString shown;
    int selectionStart;
  };
  const Case cases[] = {
      {QStringLiteral("\u4E2D"), QStringLiteral("Syntax error: position 1"), 0},
      {QStringLiteral("5+\u4E2D"), QStringLiteral("Syntax error: position 3"), 2},
      {QStringLiteral("1 + 2 * \u4E2D"), QStringLiteral("Syntax error: position 9"), 8},
      {QStringLiteral("(1+\u4E2D"), QStringLiteral("Syntax error: position 4"), 3},  // before the parentheses
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Calculate(c.typed);
    EXPECT_EQ(Result(), c.shown);
    EXPECT_TRUE(ResultIsRed());
    EXPECT_EQ(window->Edit1->selectionStart(), c.selectionStart);
    EXPECT_EQ(window->Edit1->selectedText(), QStringLiteral("\u4E2D"));
  }
  EXPECT_EQ(window->cbHistory->count(), 1);
  EXPECT_EQ(window->cbResults->count(), 1);
  EXPECT_EQ(window->mmTape->toPlainText(), tape);
  EXPECT_EQ(engine::LastResult, 7.0L);

  // The other edits that feed the engine say so too.
  window->pcCalc->setCurrentWidget(window->tsVars);
  window->VarExprEdits[0]->setText(QStringLiteral("2+\u4E2D"));
  window->VarExprEdits[0]->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(window->VarExprEdits[0], &enter);
  EXPECT_EQ(window->lbError->text(), QStringLiteral("Syntax error: position 3"));
  EXPECT_EQ(engine::VarValues[1], engine::UndefinedValue);

  window->pcCalc->setCurrentWidget(window->tsUserVars);
  window->edName->setText(QStringLiteral("a"));
  window->edValue->setText(QStringLiteral("\u4E2D"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Syntax error: position 1"), platform::mrOk);
    window->btAdd->click();
  }
  EXPECT_EQ(engine::UserVariables->Find("a"), nullptr);

  window->pcCalc->setCurrentWidget(window->tsUserFuncs);
  window->edFuncName->setText(QStringLiteral("f(x)"));
  window->edFuncExpres->setText(QStringLiteral("x+\u4E2D"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Invalid user function f(x) = x+\u4E2D"), platform::mrOk);
    window->bbAddFunc->click();
  }
  EXPECT_TRUE(window->FunctionRows.isEmpty());
}

TEST_F(MainWindowTest, APasteTooLongForTheLineIsRefusedWithAMessage)
{
  Open();
  Calculate(QStringLiteral("2"));
  const QString longText = QStringLiteral("1+").repeated(50001) + QStringLiteral("1");
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("The text is too long: at most 32767 characters fit. Nothing was inserted."),
                         platform::mrOk);
    window->Edit1->selectAll();
    Paste(*window->Edit1, longText);
    EXPECT_TRUE(WaitFor([&] { return script.StepsLeft() == 0; }));
  }
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2"));
  PressEnter();
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));

  // A text that fits is taken whole.
  const QString fits = QStringLiteral("1+").repeated(16000) + QStringLiteral("1");
  window->Edit1->selectAll();
  Paste(*window->Edit1, fits);
  EXPECT_EQ(window->Edit1->text(), fits);
  PressEnter();
  EXPECT_EQ(Result(), QStringLiteral("1.6001E+4"));
}

}  // namespace
}  // namespace app::testing
