#include "app/DataFiles.h"

#include "app/EngineCharValidator.h"

#include "engine/ResultText.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string_view>

namespace app {

namespace {

constexpr int kVariables = 10;
constexpr int kValueField = 23;
constexpr int kMaxValueText = 255;  // characters of a *.USR value read

QString FromLatin1(const std::string& text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal text only (no "nan", "inf" or hexadecimal forms): an optional sign, digits with at most one
// point and at least one digit, then an optional exponent "E" or "e" with an optional sign and digits.
bool IsDecimalNumber(std::string_view text)
{
  std::size_t i = 0;
  const auto skipDigits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
      ++i;
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  std::size_t digits = skipDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    digits += skipDigits();
  }
  if (digits == 0)
    return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      ++i;
    if (skipDigits() == 0)
      return false;
  }
  return i == text.size();
}

}  // namespace

bool ReadFileNumber(const QString& text, engine::Extended& value)
{
  const std::string number = text.trimmed().toLatin1().toStdString();
  if (!IsDecimalNumber(number))
    return false;
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  const engine::Extended parsed = strtold_l(number.c_str(), nullptr, c);
  if (!std::isfinite(parsed))
    return false;  // beyond the largest value
  value = parsed;  // below the smallest normal value: the nearest subnormal value (or zero)
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
  QString error;
  for (int n = 1; n <= kVariables && n <= int(lines.size()); ++n) {
    const QString text = FromLatin1(lines[std::size_t(n - 1)]);
    engine::Extended value = engine::UndefinedValue;
    if (!ReadFileNumber(text, value)) {
      value = engine::UndefinedValue;
      if (error.isEmpty())
        error = NotANumberMessage(text.trimmed());
    }
    engine::VarValues[std::size_t(n)] = value;
  }
  for (int n = 1; n <= kVariables && kVariables + n <= int(lines.size()); ++n) {
    const std::string& expression = lines[std::size_t(kVariables + n - 1)];
    // The expression's edit would cut a longer one, and the rest would be calculated as if whole.
    if (expression.size() > std::size_t(EngineCharValidator::kMaxLength)) {
      engine::VarExprs[std::size_t(n)].clear();
      if (error.isEmpty())
        error = QStringLiteral("An expression is too long: at most %1 characters fit").arg(EngineCharValidator::kMaxLength);
      continue;
    }
    engine::VarExprs[std::size_t(n)] = expression;
  }
  return error;
}

std::vector<std::string> UserVariablesFileLines()
{
  std::vector<std::string> lines;
  for (const engine::TUserVariable& variable : engine::UserVariables->Items())
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
    if (equals < 0) {  // no name
      error = NotANumberMessage(line.trimmed());
      break;
    }
    const QString name = line.left(equals).trimmed();
    const QString rest = line.mid(equals + 1);
    const QString valueText = rest.left(kMaxValueText).trimmed();
    // A value cut at the limit would read as another number (digits or exponent lost): it is none.
    const bool cut = !rest.mid(kMaxValueText).trimmed().isEmpty();
    // Cut to the longest name; a blank the cut leaves at its end would not come back from the file.
    TUserVariableLine entry{name.left(int(engine::TUserVariables::MaxNameLength)).trimmed(), 0};
    if (cut || !ReadFileNumber(valueText, entry.Value)) {
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
