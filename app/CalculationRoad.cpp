// The road of one calculation: Enter or "=", the prepared input, the evaluation, the result or the error,
// and the history, results and tape; the keys of the window and the insertions at the caret.

#include "app/MainWindow.h"

#include "app/CalculationScope.h"
#include "app/EngineText.h"
#include "app/ProgramFiles.h"

#include "controls/textfile/TextFileEditor.h"
#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"
#include "engine/FunctionTable.h"
#include "engine/Variables.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"
#include "platform/Shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <string_view>

namespace app {

namespace {

std::string Latin1(const QString& text)
{
  return text.toLatin1().toStdString();
}

QString FromLatin1(const std::string& text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// An engine message as text: Latin-1, except the file name of the loader's "Cannot load <name>!", which
// holds the file system's bytes of the path.
QString EngineMessage(const std::string& message)
{
  static constexpr std::string_view kCannotLoad = "Cannot load ";
  if (!message.starts_with(kCannotLoad) || !message.ends_with('!'))
    return FromLatin1(message);
  const std::string name = message.substr(kCannotLoad.size(), message.size() - kCannotLoad.size() - 1);
  return FromLatin1(std::string(kCannotLoad)) + FromEngineFileName(name) + QLatin1Char('!');
}

}  // namespace

void TfmCalc::DisablePages()
{
  pcCalc->setEnabled(false);
}

void TfmCalc::EnablePages()
{
  pcCalc->setEnabled(true);
}

void TfmCalc::CalculationEnded()
{
  // A close asked for during the calculation happens now that it has ended.
  if (closeRequested_ && !calculating_)
    QTimer::singleShot(0, this, [this] {
      closeRequested_ = false;
      close();
    });
}

void TfmCalc::PrepareInput(const QLineEdit& edit)
{
  const TEngineText text = ToEngineText(edit.text());
  engine::ExprString = text.Text;
  if (text.Valid()) {
    engine::StripAndCheckParentheses();
  } else {
    std::erase(*engine::ExprString, ' ');
    SetNotAllowedError(text, true);
  }
  engine::ComplexExprString = engine::ExprString;
}

void TfmCalc::MapErrorPosition(const QString& typed)
{
  engine::MapEvalErrorPosition(ToEngineText(typed).Text);
}

void TfmCalc::SetResultColor(bool error)
{
  Edit2->setStyleSheet(error ? QStringLiteral("color: #ff0000;") : QStringLiteral("color: #0000ff;"));
}

void TfmCalc::ShowCalcError()
{
  SetResultColor(true);
  Edit2->setText(FromLatin1(engine::ErrorText(engine::ErrorCode)) + QStringLiteral(": position ") +
                 QString::number(engine::ErrorPos));
  Edit1->setFocus();
  Edit1->setSelection(std::max(engine::ErrorPos - 1, 0), engine::ErrorSpan);
}

void TfmCalc::ReturnClick()
{
  // The engine is not re-entrant: a calculation started while one runs does nothing.
  if (calculating_)
    return;
  const CalculationScope scope(*this, calculating_);
  engine::ErrorFlag = false;
  const QString typed = Edit1->text();
  if (typed.isEmpty())
    return;
  const platform::HourglassCursor hourglass;
  // Every calculation the user starts begins without a pending stop.
  engine::StopFlag = 0;
  PrepareInput(*Edit1);
  if (engine::ErrorFlag) {
    MapErrorPosition(typed);
    ShowCalcError();
    engine::ErrorFlag = false;
    LastWasError = true;
    return;
  }
  engine::ArgListDepth = 0;
  engine::UsedVarNames->clear();
  engine::UsedVarValues->clear();

  engine::Extended value = 0;
  engine::TComplex complexValue = engine::ComplexZero;
  std::string resultText;
  if (ComplexMode) {
    std::string text = engine::ExprString;
    engine::EvaluateComplex(text, engine::ErrorFlag, engine::ErrorPos, complexValue, engine::ErrorSpan);
    if (!engine::ErrorFlag)
      resultText = engine::ComplexToText(complexValue, DisplayDigits);
  } else {
    value = engine::EvalExpression(engine::ExprString);
    if (!engine::ErrorFlag) {
      // A value that the chosen base or notation cannot show is an error, not a result.
      resultText = engine::FormatResult(DisplayDigits, value);
      if (engine::ErrorFlag) {
        engine::ErrorPos = 1;
        engine::ErrorSpan = int(engine::ExprString->size());
      }
    }
  }
  if (engine::ErrorFlag) {
    MapErrorPosition(typed);
    Edit2->clear();
    ShowCalcError();
    engine::ErrorFlag = false;
    LastWasError = true;
    return;
  }
  LastWasError = false;
  Edit2->clear();
  SetResultColor(false);
  Edit2->setText(FromLatin1(resultText));
  Edit1->selectAll();
  if (ComplexMode)
    engine::ComplexResult = complexValue;
  else
    engine::LastResult = value;
  resultCalculated_[std::size_t(ModeIndex())] = true;
  if (Edit1->isModified())
    AddToLists(typed, Edit2->text());
}

void TfmCalc::AddToLists(const QString& expression, const QString& result)
{
  cbResults->insertItem(0, result);
  cbResults->setCurrentIndex(-1);
  const int found = cbHistory->findText(expression, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (found != 0) {
    if (found > 0)
      cbHistory->removeItem(found);
    cbHistory->insertItem(0, expression);
  }
  cbHistory->setCurrentIndex(-1);
  const QString line = TapeLine(expression, result);
  QTextCursor cursor(mmTape->document());
  cursor.movePosition(QTextCursor::Start);
  cursor.insertText(mmTape->document()->isEmpty() ? line : line + QLatin1Char('\n'));
}

QString TfmCalc::TapeLine(const QString& expression, const QString& result) const
{
  if (chbRes->isChecked() && !ComplexMode)
    return result;
  QString line = expression + QStringLiteral(" = ") + result + QStringLiteral("; ");
  const auto& names = *engine::UsedVarNames;
  const auto& values = *engine::UsedVarValues;
  if (names.size() >= 10)
    return line;
  QString variables = QStringLiteral("; ");
  for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
    const QString name = FromLatin1(names[i]);
    if (name.isEmpty() || name == QString(QChar(0)))
      continue;
    if (variables.contains(name + QLatin1Char('=')))
      continue;
    const QString entry = name + QLatin1Char('=') + FromLatin1(engine::UsedValueText(values[i])) + QStringLiteral("; ");
    variables += entry;
    line += entry;
  }
  return line;
}

void TfmCalc::sbEQClick()
{
  if (calculating_)
    return;
  {
    const platform::HourglassCursor hourglass;
    ReturnClick();
  }
  Edit1->setFocus();
}

void TfmCalc::sbStopClick()
{
  engine::StopFlag = 1;
}

void TfmCalc::HandleEnterKey()
{
  QWidget* focused = focusWidget();
  if (focused == Edit1) {
    ReturnClick();
    return;
  }
  if (focused == edName || focused == edValue) {
    btAddClick();
    return;
  }
  for (int i = 1; i <= 10; ++i)
    if (focused == VarExprEdits[std::size_t(i - 1)]) {
      if (calculating_)
        return;
      const CalculationScope scope(*this, calculating_, false);
      EvalVariableEdit(i, *VarExprEdits[std::size_t(i - 1)], *VarValueEdits[std::size_t(i - 1)]);
      engine::ErrorFlag = false;
      return;
    }
}

void TfmCalc::FormKeyDown(int& key, platform::TShiftState shift)
{
  using namespace platform;
  if (key == VK_RETURN) {
    // The Enter that answered a dialog is not a new calculation.
    if (enterGuard_.EnterBelongsElsewhere()) {
      key = 0;
      return;
    }
    if (pcCalc->currentWidget() == tsCalc)
      ReturnClick();
    else
      HandleEnterKey();
    return;
  }
  if (key == VK_ESCAPE && Edit1->text().isEmpty() && cbHistory->count() > 0) {
    Edit1->setText(cbHistory->itemText(0));
    Edit1->selectAll();
    return;
  }
  if (key == VK_F1) {
    ShowHelp(HelpFileName());
    return;
  }
  // The "Eval it" editor keeps its own Ctrl and Alt keys (find, replace, undo, ...).
  if ((shift & (ssCtrl | ssAlt)) && OE->hasFocus())
    return;
  if (shift & ssCtrl) {
    static const std::pair<int, int> ctrlKeys[] = {
        {'1', 87}, {'4', 27}, {'A', 2},  {'C', 12}, {'D', 39}, {'F', 25}, {'G', 17}, {'I', 20}, {'J', 18},
        {'K', 21}, {'L', 16}, {'M', 38}, {'N', 4},  {'O', 3},  {'Q', 15}, {'R', 25}, {'S', 1},  {'T', 13},
        {'Y', 19}};
    if (key == 'E') {
      SetFunc(QStringLiteral("e"));
      key = 0;
      return;
    }
    if (key == 'P') {
      SetFunc(QString(QChar(182)));
      key = 0;
      return;
    }
    for (const auto& [k, tag] : ctrlKeys)
      if (key == k) {
        Clicker(tag);
        key = 0;  // the edit must not also act on the key (select all, copy, ...)
        return;
      }
    return;
  }
  if (shift & ssAlt) {
    static const std::pair<int, int> altKeys[] = {{'A', 5},  {'C', 9},  {'E', 14}, {'G', 26}, {'H', 6},
                                                  {'O', 22}, {'Q', 40}, {'R', 11}, {'S', 8},  {'T', 10}};
    // The shortcut inserts its name only: the line does not also take the letter.
    for (const auto& [k, tag] : altKeys)
      if (key == k) {
        Clicker(tag);
        key = 0;
        return;
      }
    for (int i = 1; i <= 10; ++i)
      if (key == engine::VarName(i)) {
        VariableButtonClick(i);
        key = 0;
        return;
      }
    return;
  }
  // Any other key: the assistant looks at the caret once the key has done its work.
  StartAssistantTimer(1);
}

void TfmCalc::SetFunc(const QString& text)
{
  // The selection the line lost when a list took the focus is still the one to replace.
  if (!Edit1->hasSelectedText() && lostSelectionStart_ >= 0)
    Edit1->setSelection(lostSelectionStart_, lostSelectionLength_);
  lostSelectionStart_ = -1;
  if (Edit1->hasSelectedText())
    Edit1->del();
  const int caretBefore = Edit1->cursorPosition();
  Edit1->insert(text);
  Edit1->setModified(true);
  for (const char* pattern : {"()", "(,)", "(,,)"}) {
    const int at = int(text.indexOf(QLatin1String(pattern)));
    if (at >= 0)
      Edit1->setCursorPosition(caretBefore + at + 1);
  }
  // The engine's text changes only between calculations (a shortcut may come while one runs).
  if (!calculating_)
    engine::ExprString = ToEngineText(Edit1->text()).Text;
  Edit1->setFocus();
}

void TfmCalc::Clicker(int tag)
{
  const auto table = ComplexMode ? engine::ComplexFunctionTable() : engine::FunctionTable();
  if (tag < 0 || tag >= int(table.size()))
    return;
  static const char* const templates[] = {"", ")", ",)", ",,)"};
  const engine::TFunctionEntry& entry = table[std::size_t(tag)];
  const QString text = QString::fromLatin1(entry.Name.data(), qsizetype(entry.Name.size())) +
                       QString::fromLatin1(templates[std::clamp(entry.ArgKind, 0, 3)]).left(25);
  HintFunction = tag;
  SetFunc(text);
  if (chAssistant->isChecked())
    ShowFunctionHint(HintFunction);
}

// The engine's host

bool TfmCalc::AskVariableValue(int i)
{
  return SetVar.Ask(i);
}

void TfmCalc::EvalVariableEdit(int i)
{
  if (i >= 1 && i <= 10) {
    QLineEdit& exprEdit = *VarExprEdits[std::size_t(i - 1)];
    // A definition made by an assignment shows in the edit before it is evaluated from there.
    if (exprEdit.text().isEmpty())
      exprEdit.setText(FromLatin1(engine::VarExprs[std::size_t(i)]));
    EvalVariableEdit(i, exprEdit, *VarValueEdits[std::size_t(i - 1)]);
  }
  else {
    engine::EvaluateVariableDefinition(i);
  }
}

int TfmCalc::SetUserVariable(const std::string& name, engine::Extended value)
{
  return SetUserVariable(FromLatin1(name), true, value);
}

std::string TfmCalc::ChooseFunctionsFile()
{
  platform::TOpenDialog& dialog = DM.OpenDialog1;
  dialog.Title = QStringLiteral("Load functions from File");
  dialog.DefaultExt = QStringLiteral("FNC");
  dialog.Filter = QStringLiteral("User functions files (*.FNC)|*.FNC");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  return dialog.Execute() ? EngineFileName(dialog.FileName) : std::string();
}

void TfmCalc::ShowError(const std::string& message)
{
  platform::ShowError(EngineMessage(message));
}

void TfmCalc::PumpMessages()
{
  platform::PumpMessages();
  if (platform::QuitPending())
    closeRequested_ = true;
}

bool TfmCalc::ConfirmStop()
{
  if (closeRequested_)
    return true;
  const bool yes = platform::Confirm(QStringLiteral("Do you really want to stop the calculation?"));
  if (!yes)
    engine::StopFlag = 0;
  return yes;
}

std::string TfmCalc::PrecisionText() const
{
  return Latin1(Edit3->text());
}

void TfmCalc::ShowIntermediateResult(const std::string& text)
{
  Edit2->setText(FromLatin1(text));
}

}  // namespace app
