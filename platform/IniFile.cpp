#include "platform/IniFile.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <cmath>
#include <climits>

namespace platform {

namespace {

// The first character that is not blank, or a null character for a blank line.
QChar FirstNonBlank(const QString& line)
{
  for (const QChar c : line)
    if (!c.isSpace())
      return c;
  return QChar();
}

// The section name of a "[Section]" line, or nothing.
std::optional<QString> SectionName(const QString& line)
{
  // Most lines are no section header: they are known by their first character, without a copy.
  if (FirstNonBlank(line) != QLatin1Char('['))
    return std::nullopt;
  const QString trimmed = line.trimmed();
  const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
  return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

// The key of a "Key=Value" line, or nothing.
std::optional<QString> KeyName(const QString& line)
{
  const QChar first = FirstNonBlank(line);
  if (first.isNull() || first == QLatin1Char(';') || first == QLatin1Char('#') || first == QLatin1Char('['))
    return std::nullopt;
  const qsizetype equals = line.indexOf(QLatin1Char('='));
  if (equals < 0)
    return std::nullopt;
  return line.left(equals).trimmed();
}

QString LineValue(const QString& line)
{
  QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
  // A value in matching quotes is read without them.
  if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
      value.back() == value.front())
    value = value.mid(1, value.size() - 2);
  return value;
}

// A value as its line holds it: line breaks, which would end the line and start lines of their own, as blanks.
QString StoredValue(QString value)
{
  return value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

bool SameName(const QString& a, const QString& b)
{
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether a name like this one was seen before; adds it when not.
bool Contains(QSet<QString>& seen, const QString& name)
{
  const qsizetype before = seen.size();
  seen.insert(name.toCaseFolded());
  return seen.size() == before;
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName)
{
  if (!QFileInfo::exists(fileName))
    return;
  for (const QString& line : ReadUnicodeLines(fileName))
    lines_.push_back(line);
}

std::optional<TIniFile::Range> TIniFile::FindSection(const QString& section) const
{
  const int count = int(lines_.size());
  for (int i = 0; i < count; ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !SameName(*name, section))
      continue;
    int end = i + 1;
    while (end < count && !SectionName(lines_[end]))
      ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<int> TIniFile::FindKey(const Range& range, const QString& key) const
{
  for (int i = range.header + 1; i < range.end; ++i)
    if (const auto name = KeyName(lines_[i]); name && SameName(*name, key))
      return i;
  return std::nullopt;
}

std::optional<QString> TIniFile::Value(const QString& section, const QString& key) const
{
  const auto range = FindSection(section);
  if (!range)
    return std::nullopt;
  const auto line = FindKey(*range, key);
  if (!line)
    return std::nullopt;
  return LineValue(lines_[*line]);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
  return Value(section, key).value_or(defaultValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
  const auto text = Value(section, key);
  if (!text)
    return defaultValue;
  return TextToInteger(*text).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double defaultValue) const
{
  const auto text = Value(section, key);
  if (!text)
    return defaultValue;
  return TextToFloat(*text).value_or(defaultValue);
}

bool TIniFile::SectionExists(const QString& section) const
{
  return FindSection(section).has_value();
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
  return Value(section, key).has_value();
}

QStringList TIniFile::ReadSections() const
{
  QStringList names;
  QSet<QString> seen;  // folded names: one look-up a line, however many sections the file has
  for (const QString& line : lines_)
    if (const auto name = SectionName(line); name && !Contains(seen, *name))
      names.append(*name);
  return names;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
  QStringList keys;
  for (const int line : KeyLines(section))
    keys.append(*KeyName(lines_[line]));
  return keys;
}

QStringList TIniFile::ReadSectionValues(const QString& section) const
{
  QStringList values;
  for (const int line : KeyLines(section))
    values.append(*KeyName(lines_[line]) + QLatin1Char('=') + LineValue(lines_[line]));
  return values;
}

std::vector<int> TIniFile::KeyLines(const QString& section) const
{
  std::vector<int> lines;
  const auto range = FindSection(section);
  if (!range)
    return lines;
  QSet<QString> seen;
  for (int i = range->header + 1; i < range->end; ++i)
    if (const auto name = KeyName(lines_[i]); name && !Contains(seen, *name))
      lines.push_back(i);
  return lines;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
  const QString trimmedKey = key.trimmed();
  const QString stored = StoredValue(value);
  auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !lines_.back().trimmed().isEmpty())
      lines_.push_back(QString());
    lines_.push_back(QLatin1Char('[') + section + QLatin1Char(']'));
    lines_.push_back(trimmedKey + QLatin1Char('=') + stored);
    Changed();
    return;
  }
  if (const auto line = FindKey(*range, trimmedKey)) {
    // The key keeps its spelling in the file; only the value changes.
    const QString& old = lines_[*line];
    lines_[*line] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + stored;
    Changed();
    return;
  }
  // A new key goes after the section's last non-blank line, before the blank lines that part sections.
  int at = range->end;
  while (at > range->header + 1 && lines_[at - 1].trimmed().isEmpty())
    --at;
  lines_.insert(lines_.begin() + at, trimmedKey + QLatin1Char('=') + stored);
  Changed();
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
  WriteString(section, key, FloatToText(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
  const auto range = FindSection(section);
  if (!range)
    return;
  if (const auto line = FindKey(*range, key)) {
    lines_.erase(lines_.begin() + *line);
    Changed();
  }
}

void TIniFile::EraseSection(const QString& section)
{
  const auto range = FindSection(section);
  if (!range)
    return;
  lines_.erase(lines_.begin() + range->header, lines_.begin() + range->end);
  Changed();
}

void TIniFile::CreateSection(const QString& section)
{
  if (FindSection(section))
    return;
  if (!lines_.empty() && !lines_.back().trimmed().isEmpty())
    lines_.push_back(QString());
  lines_.push_back(QLatin1Char('[') + section + QLatin1Char(']'));
  Changed();
}

void TIniFile::Changed()
{
  dirty_ = true;
  if (autoFlush_)
    UpdateFile();
}

void TIniFile::UpdateFile()
{
  WriteUnicodeLines(fileName_, QStringList(lines_.begin(), lines_.end()));
  dirty_ = false;
}

QString TIniFile::FloatToText(double value)
{
  if (std::isnan(value))
    return QStringLiteral("NAN");
  if (std::isinf(value))
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  // The shortest text that reads back as exactly this value; QString::number ignores the locale.
  QString text = QString::number(value, 'G', QLocale::FloatingPointShortest);
  // "1E+20" -> "1E20", "1E-05" -> "1E-5"
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  if (e >= 0) {
    QString mantissa = text.left(e);
    QString exponent = text.mid(e + 1);
    const bool negative = exponent.startsWith(QLatin1Char('-'));
    exponent.remove(0, (negative || exponent.startsWith(QLatin1Char('+'))) ? 1 : 0);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
      exponent.remove(0, 1);
    text = mantissa + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
  }
  return text;
}

std::optional<double> TIniFile::TextToFloat(const QString& text)
{
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty())
    return std::nullopt;
  // Only ".", digits, sign and exponent: a "," is not a decimal separator here.
  for (const QChar c : trimmed)
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
          c == QLatin1Char('e') || c == QLatin1Char('E')))
      return std::nullopt;
  // QByteArray's conversion ignores the locale (strtod would follow LC_NUMERIC).
  bool ok = false;
  const double value = trimmed.toLatin1().toDouble(&ok);
  if (!ok)
    return std::nullopt;
  return value;
}

std::optional<int> TIniFile::TextToInteger(const QString& text)
{
  QString trimmed = text.trimmed();
  bool negative = false;
  if (trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+'))) {
    negative = trimmed.startsWith(QLatin1Char('-'));
    trimmed.remove(0, 1);
  }
  int base = 10;
  if (trimmed.startsWith(QLatin1Char('$'))) {
    base = 16;
    trimmed.remove(0, 1);
  } else if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    base = 16;
    trimmed.remove(0, 2);
  }
  if (trimmed.isEmpty() || trimmed.front() == QLatin1Char('-') || trimmed.front() == QLatin1Char('+'))
    return std::nullopt;
  bool ok = false;
  const qlonglong value = trimmed.toLongLong(&ok, base);
  if (!ok)
    return std::nullopt;
  const qlonglong signedValue = negative ? -value : value;
  // Hexadecimal texts may give the bit pattern of a negative number ("$FFFFFFFF" is -1).
  if (base == 16 && !negative && value <= 0xFFFFFFFFLL)
    return int(static_cast<unsigned>(value));
  if (signedValue < INT_MIN || signedValue > INT_MAX)
    return std::nullopt;
  return int(signedValue);
}

}  // namespace platform
