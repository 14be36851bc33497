// The Variables page's files, and the User Variables and User Functions pages: the lists, their editing,
// their files and the [Files] keys.

#include "app/MainWindow.h"

#include "app/CalculationScope.h"
#include "app/DataFiles.h"
#include "app/EngineText.h"
#include "app/ProgramFiles.h"

#include "engine/Engine.h"
#include "engine/ResultText.h"
#include "engine/ScannerState.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <QLineEdit>

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

std::vector<std::string> Latin1Lines(const QStringList& rows)
{
  std::vector<std::string> lines;
  for (const QString& row : rows)
    lines.push_back(Latin1(row));
  return lines;
}

// Writes lines; false after the error box "Can't create file " and the path.
bool WriteLinesOrSay(const QString& path, const std::vector<std::string>& lines)
{
  try {
    platform::WriteTextLines(path, lines);
    return true;
  } catch (const platform::EFileError&) {
    platform::ShowError(QStringLiteral("Can't create file ") + path);
    return false;
  }
}

void WriteFilesKey(const QString& key, const QString& path)
{
  try {
    platform::TIniFile ini(SettingsFileName());
    ini.WriteString(QStringLiteral("Files"), key, path);
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

}  // namespace

void TfmCalc::FilterName(QLineEdit& edit, const QString& allowed)
{
  const QString text = edit.text();
  for (int i = 0; i < int(text.size()); ++i) {
    const QChar c = text[i];
    const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    if (!letter && !allowed.contains(c)) {
      edit.setText(text.left(i) + text.mid(i + 1));  // runs the filter again for the rest
      edit.setCursorPosition(i);
      return;
    }
  }
}

// Variables page files

void TfmCalc::SaveVariablesFile()
{
  if (calculating_)
    return;
  CalculateAll();
  platform::TSaveDialog& dialog = DM.SaveDialog1;
  dialog.Title = QStringLiteral("Save variables to File");
  dialog.DefaultExt = QStringLiteral("VAR");
  dialog.Filter = QStringLiteral("Variables files (*.VAR)|*.VAR");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly;
  if (!dialog.Execute())
    return;
  WriteLinesOrSay(dialog.FileName, VariablesFileLines());
}

void TfmCalc::LoadVariablesFile()
{
  if (calculating_)
    return;
  platform::TOpenDialog& dialog = DM.OpenDialog1;
  dialog.Title = QStringLiteral("Load variables from File");
  dialog.DefaultExt = QStringLiteral("VAR");
  dialog.Filter = QStringLiteral("User variables files (*.VAR)|*.VAR");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (dialog.Execute()) {
    try {
      const QString error = ReadVariablesFileLines(platform::ReadTextLines(dialog.FileName));
      if (!error.isEmpty())
        platform::ShowError(error);
    } catch (const platform::EFileError&) {
      platform::ShowError(QStringLiteral("Can't open file ") + dialog.FileName);
      return;
    }
  }
  ShowVariables();
  CalculateAll();
}

// User variables: the list box shows the engine's list, row i for entry i.

void TfmCalc::FillVariableList()
{
  const bool flag = engine::ErrorFlag;
  QStringList rows;
  for (const engine::TUserVariable& variable : engine::UserVariables->Items())
    rows << FromLatin1(variable.Name) + QStringLiteral(" = ") +
                FromLatin1(engine::FormatResult(DisplayDigits, variable.Value));
  engine::ErrorFlag = flag;
  const int current = lbVars->currentRow();
  lbVars->SetItems(rows);
  if (current >= 0 && current < lbVars->count())
    lbVars->setCurrentRow(current);
}

void TfmCalc::ShowUserVariable(int code)
{
  const auto& items = engine::UserVariables->Items();
  if (lbVars->count() != int(items.size())) {
    FillVariableList();
    return;
  }
  for (int i = 0; i < int(items.size()); ++i)
    if (items[std::size_t(i)].Code == code) {
      const bool flag = engine::ErrorFlag;
      const QString row = FromLatin1(items[std::size_t(i)].Name) + QStringLiteral(" = ") +
                          FromLatin1(engine::FormatResult(DisplayDigits, items[std::size_t(i)].Value));
      engine::ErrorFlag = flag;
      lbVars->item(i)->setText(row);
      return;
    }
}

void TfmCalc::btAddClick()
{
  if (calculating_)
    return;
  if (edName->text().isEmpty() || edValue->text().isEmpty()) {
    platform::ShowError(QStringLiteral("Varible name or value invalid!"));
    return;
  }
  engine::Extended value = 0;
  {
    const CalculationScope scope(*this, calculating_, false);
    const engine::ScannerState outer;
    engine::ErrorFlag = false;
    engine::StopFlag = 0;
    const TEngineText typed = ToEngineText(edValue->text());
    engine::ExprString = typed.Text;
    if (typed.Valid())
      value = engine::EvalExpression(engine::ExprString);
    else
      SetNotAllowedError(typed, false);
  }
  if (engine::ErrorFlag) {
    engine::ErrorFlag = false;
    platform::ShowError(FromLatin1(engine::ErrorText(engine::ErrorCode)) + QStringLiteral(": position ") +
                        QString::number(engine::ErrorPos));
    return;
  }
  SetUserVariable(edName->text(), true, value);
}

void TfmCalc::btDeleteClick()
{
  const int row = lbVars->currentRow();
  const auto& items = engine::UserVariables->Items();
  if (row < 0 || row >= int(items.size()))
    return;
  engine::UserVariables->Remove(items[std::size_t(row)].Code);
  FillVariableList();
}

void TfmCalc::lbVarsDblClick()
{
  const int row = lbVars->currentRow();
  if (row < 0)
    return;
  const QString text = lbVars->ItemText(row);
  const int at = int(text.indexOf(QStringLiteral(" = ")));
  edName->setText(at < 0 ? text : text.left(at));
  edValue->setText(at < 0 ? QString() : text.mid(at + 3));
}

void TfmCalc::bbSaveClick()
{
  WriteLinesOrSay(VariablesFile, UserVariablesFileLines());
}

void TfmCalc::bnSaveAsClick()
{
  platform::TSaveDialog& dialog = DM.SaveDialog1;
  dialog.Title = QStringLiteral("Save variables to File");
  dialog.DefaultExt = QStringLiteral("USR");
  dialog.Filter = QStringLiteral("User variables files (*.USR)|*.USR");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly;
  if (!dialog.Execute() || !WriteLinesOrSay(dialog.FileName, UserVariablesFileLines()))
    return;
  WriteFilesKey(QStringLiteral("Variables"), dialog.FileName);
}

void TfmCalc::btLoadClick()
{
  platform::TOpenDialog& dialog = DM.OpenDialog1;
  dialog.Title = QStringLiteral("Load variables from File");
  dialog.DefaultExt = QStringLiteral("USR");
  dialog.Filter = QStringLiteral("User variables files (*.USR)|*.USR");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (dialog.Execute())
    LoadUserVariables(dialog.FileName);
}

// User functions: the rows are the document as the user wrote it; the engine's entries are what a load of
// these rows gives (every non-empty row up to the first one the loader rejects).

void TfmCalc::RebuildUserFunctions()
{
  auto& items = engine::UserFunctions->Items;
  items.clear();
  for (const QString& row : FunctionRows) {
    const std::string line = Latin1(row);
    if (line.empty())
      continue;
    engine::TUserFunc entry(line);
    if (!entry.Valid)
      break;
    items.push_back(std::move(entry));
  }
}

void TfmCalc::FillFunctionList()
{
  const int current = lbFuncs->currentRow();
  lbFuncs->SetItems(FunctionRows);
  if (current >= 0 && current < lbFuncs->count())
    lbFuncs->setCurrentRow(current);
}

void TfmCalc::LoadFunctionRows(const QString& path)
{
  FunctionRows.clear();
  if (!path.isEmpty()) {
    try {
      for (const std::string& line : platform::ReadTextLines(path))
        FunctionRows << FromLatin1(line);
    } catch (const platform::EFileError&) {
      // The engine's loader has said so.
    }
  }
  RebuildUserFunctions();
  FillFunctionList();
}

bool TfmCalc::AddUserFunction(const QString& line)
{
  const TEngineText text = ToEngineText(line);
  const engine::TUserFunc entry(text.Text);
  if (!text.Valid() || !entry.Valid || entry.Name.empty()) {
    platform::MessageDlg(QStringLiteral("Invalid user function ") + line, platform::mtWarning, platform::mbOK);
    return false;
  }
  for (int i = 0; i < int(FunctionRows.size()); ++i) {
    const engine::TUserFunc old(Latin1(FunctionRows[i]));
    if (old.Valid && !old.Name.empty() && old.Name == entry.Name) {
      FunctionRows.removeAt(i);
      break;
    }
  }
  FunctionRows.prepend(line);
  RebuildUserFunctions();
  FillFunctionList();
  return true;
}

void TfmCalc::lbFuncsClick()
{
  const int row = lbFuncs->currentRow();
  if (row < 0)
    return;
  const QString text = lbFuncs->ItemText(row);
  const int at = int(text.indexOf(QLatin1Char('=')));
  edFuncName->setText((at < 0 ? text : text.left(at)).trimmed());
  edFuncExpres->setText(at < 0 ? QString() : text.mid(at + 1).trimmed());
}

void TfmCalc::bbAddFuncClick()
{
  if (calculating_)
    return;
  AddUserFunction(edFuncName->text() + QStringLiteral(" = ") + edFuncExpres->text());
}

void TfmCalc::bbDeleteFuncClick()
{
  const int row = lbFuncs->currentRow();
  if (calculating_ || row < 0 || row >= int(FunctionRows.size()))
    return;
  FunctionRows.removeAt(row);
  RebuildUserFunctions();
  FillFunctionList();
}

void TfmCalc::BitBtn7Click()
{
  WriteLinesOrSay(FunctionsFile, Latin1Lines(FunctionRows));
}

void TfmCalc::BitBtn5Click()
{
  platform::TSaveDialog& dialog = DM.SaveDialog1;
  dialog.Title = QStringLiteral("Save functions to File");
  dialog.DefaultExt = QStringLiteral("FNC");
  dialog.Filter = QStringLiteral("User functions files (*.FNC)|*.FNC");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly;
  if (!dialog.Execute() || !WriteLinesOrSay(dialog.FileName, Latin1Lines(FunctionRows)))
    return;
  WriteFilesKey(QStringLiteral("Functions"), dialog.FileName);
}

void TfmCalc::BitBtn8Click()
{
  if (calculating_)
    return;
  platform::TOpenDialog& dialog = DM.OpenDialog1;
  dialog.Title = QStringLiteral("Load functions from File");
  dialog.DefaultExt = QStringLiteral("FNC");
  dialog.Filter = QStringLiteral("User functions files (*.FNC)|*.FNC");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (!dialog.Execute())
    return;
  engine::UserFunctions->LoadFromFile(EngineFileName(dialog.FileName));
  LoadFunctionRows(dialog.FileName);
}

}  // namespace app
