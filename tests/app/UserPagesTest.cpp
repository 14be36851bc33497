#include "MainWindowFixture.h"

#include "app/EngineText.h"
#include "engine/Host.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>

namespace app::testing {
namespace {

std::vector<std::string> Lines(const QString& path)
{
  return platform::ReadTextLines(path);
}

TEST_F(MainWindowTest, UserVariablesAreSavedExactlyAndLoadBackInTheFilesOrder)
{
  Open();
  Calculate(QStringLiteral("(rate=0.05)"));
  ASSERT_EQ(window->lbVars->count(), 1);
  EXPECT_EQ(window->lbVars->ItemText(0), QStringLiteral("rate = 5.0E-2"));
  Calculate(QStringLiteral("(third=1/3)"));
  Calculate(QStringLiteral("(big=123456789)"));

  // Saved while the results show in hexadecimal: the file still holds decimal text that reads back.
  window->rgBase->Button(1)->click();
  window->bbSave->click();
  const std::vector<std::string> saved = Lines(File("Vexal.USR"));
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[0], "big = 1.23456789E+8");
  EXPECT_EQ(saved[2], "rate = 5.0E-2");
  window->rgBase->Button(0)->click();

  engine::UserVariables->Clear();
  window->FillVariableList();
  {
    platform::ModalScript script;
    script.Choose(File("Vexal.USR"));
    window->btLoad->click();
  }
  const auto& items = engine::UserVariables->Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Name, "big");
  EXPECT_EQ(items[1].Value, 1.0L / 3.0L);  // exactly
  EXPECT_EQ(items[2].Value, 0.05L);
  ASSERT_EQ(window->lbVars->count(), 3);
  EXPECT_EQ(window->lbVars->ItemText(2), QStringLiteral("rate = 5.0E-2"));

  // Deleting the first row removes the file's first variable and leaves the others' values alone.
  window->lbVars->setCurrentRow(0);
  window->btDelete->click();
  ASSERT_EQ(engine::UserVariables->Count(), 2u);
  EXPECT_EQ(engine::UserVariables->Find("big"), nullptr);
  EXPECT_EQ(engine::UserVariables->Find("rate")->Value, 0.05L);
  EXPECT_EQ(window->lbVars->ItemText(0).left(8), QStringLiteral("third = "));
  Calculate(QStringLiteral("rate*2"));
  EXPECT_EQ(Result(), QStringLiteral("1.0E-1"));

  // Modifying a loaded variable rewrites its own row.
  Calculate(QStringLiteral("(rate=0.5)"));
  EXPECT_EQ(window->lbVars->ItemText(1), QStringLiteral("rate = 5.0E-1"));
  EXPECT_EQ(window->lbVars->count(), 2);
}

TEST_F(MainWindowTest, AddModifyAndTheNameFilter)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsUserVars);
  window->edName->setText(QStringLiteral("sp3e d"));
  EXPECT_EQ(window->edName->text(), QStringLiteral("sped"));  // digits and blanks go at once
  window->edValue->setText(QStringLiteral("2*3"));
  window->btAdd->click();
  ASSERT_EQ(window->lbVars->count(), 1);
  EXPECT_EQ(window->lbVars->ItemText(0), QStringLiteral("sped = 6.0E+0"));

  // The same name in other letters modifies the variable and shows the name as typed now.
  window->edName->setText(QStringLiteral("SPED"));
  window->edValue->setText(QStringLiteral("7"));
  window->edValue->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(window->edValue, &enter);  // Enter adds too
  ASSERT_EQ(window->lbVars->count(), 1);
  EXPECT_EQ(window->lbVars->ItemText(0), QStringLiteral("SPED = 7.0E+0"));

  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Division by zero: position 3"), platform::mrOk);
    script.ExpectMessage(QStringLiteral("Varible name or value invalid!"), platform::mrOk);
    window->edValue->setText(QStringLiteral("1/0"));
    window->btAdd->click();
    window->edValue->clear();
    window->btAdd->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(engine::UserVariables->Find("sped")->Value, 7.0L);
  EXPECT_FALSE(engine::ErrorFlag);

  window->lbVars->setCurrentRow(0);
  window->lbVarsDblClick();
  EXPECT_EQ(window->edName->text(), QStringLiteral("SPED"));
  EXPECT_EQ(window->edValue->text(), QStringLiteral("7.0E+0"));
}

class SaveAsTest : public MainWindowTest {
 protected:
  // Saves a variable and a function with Save As to these files, then starts again and uses both.
  void SaveAsAndStartAgain(const QString& variables, const QString& functions)
  {
    Open();
    Calculate(QStringLiteral("(rate=0.05)"));
    window->edFuncName->setText(QStringLiteral("SQ(a)"));
    window->edFuncExpres->setText(QStringLiteral("a*a"));
    window->bbAddFunc->click();
    {
      platform::ModalScript script;
      script.Choose(variables);
      script.Choose(functions);
      window->bnSaveAs->click();
      window->BitBtn5->click();
      EXPECT_EQ(script.StepsLeft(), 0);
    }
    EXPECT_EQ(Lines(variables), std::vector<std::string>{"rate = 5.0E-2"});
    EXPECT_EQ(Lines(functions), std::vector<std::string>{"SQ(a) = a*a"});
    EXPECT_EQ(window->VariablesFile, File("Vexal.USR"));  // this run keeps saving where it did
    Close();

    const platform::TIniFile ini(File("Vexal.INI"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Files"), QStringLiteral("Variables"), {}), variables);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Files"), QStringLiteral("Functions"), {}), functions);
    ResetEngine();
    Open();
    EXPECT_EQ(window->lbVars->ItemText(0), QStringLiteral("rate = 5.0E-2"));
    Calculate(QStringLiteral("sq(3)"));
    EXPECT_EQ(Result(), QStringLiteral("9.0E+0"));
  }
};

TEST_F(SaveAsTest, SaveAsWritesTheFilesKeysForTheNextStart)
{
  SaveAsAndStartAgain(File("mine.USR"), File("mine.FNC"));
}

TEST_F(SaveAsTest, FilesInAFolderNamedBeyondLatin1LoadAtTheNextStart)
{
  const QString name = QStringLiteral("Rechnungen \u6570\u5B66 \u0645\u0644\u0641 \U0001F4C1");
  ASSERT_TRUE(QDir(folder.path()).mkdir(name));
  SaveAsAndStartAgain(File(name + QStringLiteral("/mine.USR")), File(name + QStringLiteral("/mine.FNC")));
}

TEST_F(MainWindowTest, FunctionsLoadedFromAFileNamedBeyondLatin1Calculate)
{
  const QString functions = File(QStringLiteral("\u51FD\u6570 \u00E9\u0301.FNC"));
  platform::WriteTextLines(functions, {"HALF(x)=x/2"});
  Open();
  {
    platform::ModalScript script;
    script.Choose(functions);
    window->BitBtn8->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->lbFuncs->Items(), QStringList{QStringLiteral("HALF(x)=x/2")});
  Calculate(QStringLiteral("half(5)"));
  EXPECT_EQ(Result(), QStringLiteral("2.5E+0"));
}

TEST_F(MainWindowTest, TheLoadersMessageNamesAFileBeyondLatin1AsTheFileSystemNamesIt)
{
  // The loader passes the file system's bytes of the path; the rest of a message is Latin-1.
  Open();
  const QString name = File(QStringLiteral("\u51FD\u6570 \u00E9\u0301 \U0001F4C1.FNC"));
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("Cannot load ") + name + QLatin1Char('!'), platform::mrOk);
  script.ExpectMessage(QStringLiteral("Invalid functions F(x)=\u00B5x"), platform::mrOk);
  engine::Host().ShowError("Cannot load " + EngineFileName(name) + "!");
  engine::Host().ShowError("Invalid functions F(x)=\xB5x");
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST_F(MainWindowTest, UserFunctionsKeepEveryLineAsWritten)
{
  platform::WriteTextLines(File("Vexal.FNC"), {"; my functions", "SQ(a)=a*a", "", "bad line", "CUBE(a)=a*a*a"});
  Open(true, {QStringLiteral("Invalid functions bad line")});
  ASSERT_EQ(window->lbFuncs->count(), 5);

  window->edFuncName->setText(QStringLiteral("TWICE(x)"));
  window->edFuncExpres->setText(QStringLiteral("2*x"));
  window->bbAddFunc->click();
  EXPECT_EQ(window->lbFuncs->ItemText(0), QStringLiteral("TWICE(x) = 2*x"));
  Calculate(QStringLiteral("twice(sq(3))"));
  EXPECT_EQ(Result(), QStringLiteral("1.8E+1"));

  // A function of the same name replaces the old one and moves to the top.
  window->edFuncName->setText(QStringLiteral("SQ(b)"));
  window->edFuncExpres->setText(QStringLiteral("b*b+1"));
  window->bbAddFunc->click();
  ASSERT_EQ(window->lbFuncs->count(), 6);
  EXPECT_EQ(window->lbFuncs->ItemText(0), QStringLiteral("SQ(b) = b*b+1"));
  Calculate(QStringLiteral("sq(2)"));
  EXPECT_EQ(Result(), QStringLiteral("5.0E+0"));

  // A click on a row fills the edits; Delete removes the chosen row's function.
  window->lbFuncs->setCurrentRow(1);
  window->lbFuncsClick();
  EXPECT_EQ(window->edFuncName->text(), QStringLiteral("TWICE(x)"));
  EXPECT_EQ(window->edFuncExpres->text(), QStringLiteral("2*x"));
  window->bbDeleteFunc->click();
  Calculate(QStringLiteral("twice(1)"));
  EXPECT_TRUE(ResultIsRed());

  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Invalid user function F = x"), platform::mrOk);
    window->edFuncName->setText(QStringLiteral("F"));
    window->edFuncExpres->setText(QStringLiteral("x"));
    window->bbAddFunc->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }

  window->BitBtn7->click();
  EXPECT_EQ(Lines(File("Vexal.FNC")),
            (std::vector<std::string>{"SQ(b) = b*b+1", "; my functions", "", "bad line", "CUBE(a)=a*a*a"}));

  // Loading takes the file's lines as rows again.
  platform::WriteTextLines(File("other.FNC"), {"HALF(x)=x/2"});
  {
    platform::ModalScript script;
    script.Choose(File("other.FNC"));
    window->BitBtn8->click();
  }
  EXPECT_EQ(window->lbFuncs->Items(), QStringList{QStringLiteral("HALF(x)=x/2")});
  Calculate(QStringLiteral("half(5)"));
  EXPECT_EQ(Result(), QStringLiteral("2.5E+0"));
}

TEST_F(MainWindowTest, VariablesFilesHoldTwentyLinesThatLoadBack)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsVars);
  window->VarExprEdits[0]->setText(QStringLiteral("2*Y"));
  window->VarExprEdits[1]->setText(QStringLiteral("3"));
  engine::VarValues[3] = 2.5L;  // Z: a value without a definition
  {
    platform::ModalScript script;
    script.Choose(File("v.VAR"));
    window->BitBtn13->click();
  }
  EXPECT_EQ(window->VarValueEdits[0]->text(), QStringLiteral("6.0E+0"));
  const QByteArray bytes = platform::ReadFileBytes(File("v.VAR"));
  EXPECT_EQ(bytes.count("\r\n"), 20);
  const std::vector<std::string> lines = Lines(File("v.VAR"));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], std::string(17, ' ') + "6.0E+0");
  EXPECT_EQ(lines[2], std::string(17, ' ') + "2.5E+0");  // kept by Calculate All
  EXPECT_EQ(lines[10], "2*Y");
  EXPECT_EQ(lines[11], "3");
  EXPECT_EQ(lines[12], "");

  ResetEngine();
  window->ShowVariables();
  EXPECT_EQ(window->VarValueEdits[0]->text(), QStringLiteral("Undefind"));
  {
    platform::ModalScript script;
    script.Choose(File("v.VAR"));
    window->BitBtn14->click();
  }
  EXPECT_EQ(window->VarExprEdits[0]->text(), QStringLiteral("2*Y"));
  EXPECT_EQ(engine::VarValues[1], 6.0L);
  EXPECT_EQ(engine::VarValues[3], 2.5L);

  // A line that is not a number: the values before it load, the message names it.
  platform::WriteTextLines(File("bad.VAR"), {"1.5", "oops"});
  ResetEngine();
  window->ShowVariables();
  {
    platform::ModalScript script;
    script.Choose(File("bad.VAR"));
    script.ExpectMessage(QStringLiteral("'oops' is not a valid floating point value"), platform::mrOk);
    window->BitBtn14->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(engine::VarValues[1], 1.5L);
  EXPECT_EQ(engine::VarValues[2], engine::UndefinedValue);

  // A cancelled load still shows the variables and computes their definitions.
  engine::VarExprs[2] = "4";
  {
    platform::ModalScript script;
    script.Then([](platform::ModalSubject&) { return platform::mrCancel; });
    window->BitBtn14->click();
  }
  EXPECT_EQ(engine::VarValues[2], 4.0L);
}

}  // namespace
}  // namespace app::testing
