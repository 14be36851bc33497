#include "tests/app/fuzz/AppFilesFuzzTarget.h"

#include "app/DataFiles.h"
#include "app/HistoryFile.h"
#include "app/Settings.h"
#include "engine/ResultText.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/FuzzCheck.h"
#include "tests/support/ScratchFile.h"

#include <cmath>
#include <cstring>

namespace fuzz {

using testsupport::Require;

namespace {

bool SameBits(engine::Extended a, engine::Extended b)
{
  return std::memcmp(&a, &b, 10) == 0;
}

std::vector<std::string> Lines(std::string_view bytes)
{
  return platform::SplitLines(bytes);
}

}  // namespace

void HistoryFileTarget(std::string_view bytes)
{
  const app::THistory history = app::ReadHistoryFile(testsupport::ScratchFile("fuzz.hst", bytes));
  for (const QStringList* list : {&history.Expressions, &history.Results})
    for (const QString& entry : *list)
      Require(entry.size() <= app::MaxHistoryLine, "a history entry is within the line limit");
  const QString copy = testsupport::ScratchPath("fuzz-copy.hst");
  app::WriteHistoryFile(copy, history);
  const app::THistory again = app::ReadHistoryFile(copy);
  Require(again.Expressions == history.Expressions && again.Results == history.Results,
          "a written history reads back");
}

void VariablesFileTarget(std::string_view bytes)
{
  app::ReadVariablesFileLines(Lines(bytes));
  const auto values = *engine::VarValues;
  const auto expressions = *engine::VarExprs;
  for (const engine::Extended value : values)
    Require(std::isfinite(value) || SameBits(value, engine::UndefinedValue), "a variable is a number or undefined");
  std::string saved;
  for (const std::string& line : app::VariablesFileLines())
    saved += line + "\r\n";
  Require(app::ReadVariablesFileLines(Lines(saved)).isEmpty(), "saved variables read without a message");
  for (std::size_t n = 1; n < values.size(); ++n)
    Require(SameBits(engine::VarValues[n], values[n]) && engine::VarExprs[n] == expressions[n],
            "saved variables read back");
}

void UserVariablesFileTarget(std::string_view bytes)
{
  QString error;
  const std::vector<app::TUserVariableLine> variables = app::ParseUserVariableLines(Lines(bytes), error);
  std::string saved;
  for (const app::TUserVariableLine& variable : variables) {
    Require(!variable.Name.isEmpty() && std::size_t(variable.Name.size()) <= engine::TUserVariables::MaxNameLength,
            "a user variable has a name within the limit");
    Require(std::isfinite(variable.Value), "a user variable is finite");
    saved += variable.Name.toLatin1().toStdString() + " = " + engine::ExactNumberText(variable.Value) + "\r\n";
  }
  QString again;
  const std::vector<app::TUserVariableLine> reread = app::ParseUserVariableLines(Lines(saved), again);
  Require(again.isEmpty() && reread.size() == variables.size(), "saved user variables read without a message");
  for (std::size_t i = 0; i < reread.size(); ++i)
    Require(reread[i].Name == variables[i].Name && SameBits(reread[i].Value, variables[i].Value),
            "saved user variables read back");
}

void FunctionsFileTarget(std::string_view bytes)
{
  for (const std::string& line : Lines(bytes)) {
    const engine::TUserFunc entry(line);
    Require(!entry.Valid || entry.ParamCount == int(entry.ParamsInOrder.size()), "a valid entry counts its parameters");
  }
}

namespace {

app::TCalcSettings ReadBack(const QString& path, const app::TCalcSettings& settings)
{
  {
    platform::TIniFile ini(path);
    ini.SetAutoFlush(false);
    app::WriteSettings(ini, settings);
    ini.UpdateFile();
  }
  app::TCalcSettings read;
  app::ReadSettings(platform::TIniFile(path), read);
  return read;
}

bool SameSettings(const app::TCalcSettings& a, const app::TCalcSettings& b)
{
  return a.Notation == b.Notation && a.Digits == b.Digits && a.Precision == b.Precision &&
         a.Assistant == b.Assistant && a.Hint == b.Hint && a.Angle == b.Angle && a.ShowComp == b.ShowComp &&
         a.PlotType == b.PlotType && a.FromX == b.FromX && a.ToX == b.ToX && a.FromY == b.FromY && a.ToY == b.ToY &&
         a.StepsX == b.StepsX && a.StepsY == b.StepsY && a.Legend == b.Legend && a.Title == b.Title &&
         a.XAxis == b.XAxis && a.YAxis == b.YAxis && a.Left == b.Left && a.Top == b.Top;
}

}  // namespace

void SettingsFileTarget(std::string_view bytes)
{
  const QString path = testsupport::ScratchFile("fuzz-settings.ini", bytes);
  app::TCalcSettings settings;
  app::ReadSettings(platform::TIniFile(path), settings);
  const app::TCalcSettings saved = ReadBack(path, settings);
  Require(SameSettings(ReadBack(path, saved), saved), "saved settings read back");
}

}  // namespace fuzz
