#include "app/DataFiles.h"

#include "engine/ResultText.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <charconv>

namespace app {

namespace {

constexpr int kVariables = 10;
constexpr int kValueField = 23;

QString FromLatin1(const std::string& text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

bool ReadFileNumber(const QString& text, engine::Extended& value)
{
  std::string number = text.trimmed().toLatin1().toStdString();
  if (!number.empty() && number.front() == '+')
    number.erase(0, 1);
  if (number.empty())
    return false;
  engine::Extended parsed = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (error != std::errc() || end != number.data() + number.size())
    return false;
  value = parsed;
  return true;
}

QString NotANumberMessage(const QString& text)
{
  return QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value");
}

std::vector<std::string> VariablesFileLines()
{
  std::vector<std::string> lines;
  for (int n = 1; n <= kVariables; ++n) {
    const std::string number = engine::ExactNumberText(engine::VarValues[std::size_t(n)]);
    lines.push_back(std::string(std::size_t(std::max(0, kValueField - int(number.size()))), ' ') + number);
  }
  for (int n = 1; n <= kVariables; ++n)
    lines.push_back(engine::VarExprs[std::size_t(n)]);
  return lines;
}

QString ReadVariablesFileLines(const std::vector<std::string>& lines)
{
  for (int n = 1; n <= kVariables && n <= int(lines.size()); ++n) {
    const QString text = FromLatin1(lines[std::size_t(n - 1)]);
    engine::Extended value = 0;
    if (!ReadFileNumber(text, value))
      return NotANumberMessage(text.trimmed());
    engine::VarValues[std::size_t(n)] = value;
  }
  for (int n = 1; n <= kVariables && kVariables + n <= int(lines.size()); ++n)
    engine::VarExprs[std::size_t(n)] = lines[std::size_t(kVariables + n - 1)];
  return {};
}

std::vector<std::string> UserVariablesFileLines()
{
  std::vector<std::string> lines;
  for (const engine::TUserVariable& variable : engine::UserVariables.Items())
    lines.push_back(variable.Name + " = " + engine::ExactNumberText(variable.Value));
  return lines;
}

std::vector<TUserVariableLine> ParseUserVariableLines(const std::vector<std::string>& lines, QString& error)
{
  error.clear();
  std::vector<TUserVariableLine> parsed;
  for (const std::string& raw : lines) {
    const QString line = FromLatin1(raw);
    if (line.trimmed().isEmpty())
      continue;
    const int equals = int(line.indexOf(QLatin1Char('=')));
    const QString name = equals < 0 ? line.trimmed() : line.left(equals).trimmed();
    const QString valueText = (equals < 0 ? line : line.mid(equals + 1)).left(255).trimmed();
    TUserVariableLine entry{name.left(int(engine::TUserVariables::MaxNameLength)), 0};
    if (!ReadFileNumber(valueText, entry.Value)) {
      error = NotANumberMessage(valueText);
      break;
    }
    if (name.isEmpty()) {
      error = NotANumberMessage(line.trimmed());
      break;
    }
    parsed.push_back(entry);
  }
  return parsed;
}

}  // namespace app
