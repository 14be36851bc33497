#include "plot/support/GraphMemIniFile.h"

#include "platform/AtomicFile.h"
#include "platform/ExceptionBoundary.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace plot {

namespace {

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name of an entry line (text before the first "="); none for a line without "=".
std::optional<QString> EntryName(const QString& line)
{
  const int equals = int(line.indexOf(QLatin1Char('=')));
  if (equals < 0)
    return std::nullopt;
  return line.left(equals);
}

bool IsEntry(const QString& line, const QString& ident)
{
  const auto name = EntryName(line);
  return name && SameName(*name, ident);
}

bool IsHeader(const QString& line)
{
  return line.size() >= 2 && line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']');
}

}  // namespace

TGraphMemIniFile::TGraphMemIniFile(const QString& fileName) : TCustomGraphIniFile(fileName)
{
  if (!fileName.isEmpty() && QFileInfo::exists(fileName))
    Parse(platform::ReadFileBytes(fileName));
}

TGraphMemIniFile::~TGraphMemIniFile()
{
  if (modified_ && !FileName.isEmpty())
    platform::GuardDeferred([this] { UpdateFile(); });
}

void TGraphMemIniFile::Parse(const QByteArray& bytes)
{
  for (const std::string& raw : platform::SplitLines(std::string_view(bytes.constData(), bytes.size()))) {
    const QString line = QString::fromLatin1(raw.data(), qsizetype(raw.size()));
    if (line.isEmpty())
      continue;
    if (IsHeader(line)) {
      sections_.push_back({line.mid(1, line.size() - 2), {}});
      continue;
    }
    const bool comment = line.front() == QLatin1Char(';');
    if (sections_.empty())
      leading_.push_back(line);
    else
      sections_.back().Lines.push_back({line, comment});
  }
}

TGraphMemIniFile::TSection* TGraphMemIniFile::FindSection(const QString& name)
{
  const auto it = std::find_if(sections_.begin(), sections_.end(),
                               [&](const TSection& s) { return SameName(s.Name, name); });
  return it == sections_.end() ? nullptr : &*it;
}

const TGraphMemIniFile::TSection* TGraphMemIniFile::FindSection(const QString& name) const
{
  return const_cast<TGraphMemIniFile*>(this)->FindSection(name);
}

QString TGraphMemIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const
{
  const TSection* s = FindSection(section);
  if (!s)
    return defaultValue;
  for (const TLine& line : s->Lines)
    if (!line.Comment && IsEntry(line.Text, ident))
      return line.Text.mid(line.Text.indexOf(QLatin1Char('=')) + 1);
  return defaultValue;
}

void TGraphMemIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
  TSection* s = FindSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  const QString text = ident + QLatin1Char('=') + value;
  const auto it = std::find_if(s->Lines.begin(), s->Lines.end(),
                               [&](const TLine& line) { return !line.Comment && IsEntry(line.Text, ident); });
  if (it == s->Lines.end())
    s->Lines.push_back({text, false});
  else if (it->Text != text)
    it->Text = text;
  else
    return;
  modified_ = true;
}

void TGraphMemIniFile::ReadSection(const QString& section, QStringList& strings) const
{
  strings.clear();
  if (const TSection* s = FindSection(section))
    for (const TLine& line : s->Lines)
      if (!line.Comment)
        strings.append(EntryName(line.Text).value_or(QString()));
}

void TGraphMemIniFile::ReadSections(QStringList& strings) const
{
  strings.clear();
  for (const TSection& s : sections_)
    strings.append(s.Name);
}

void TGraphMemIniFile::ReadSectionValues(const QString& section, QStringList& strings) const
{
  strings.clear();
  if (const TSection* s = FindSection(section))
    for (const TLine& line : s->Lines)
      if (!line.Comment)
        strings.append(line.Text);
}

void TGraphMemIniFile::EraseSection(const QString& section)
{
  const TSection* s = FindSection(section);
  if (!s)
    return;
  sections_.erase(sections_.begin() + (s - sections_.data()));
  modified_ = true;
}

void TGraphMemIniFile::DeleteKey(const QString& section, const QString& ident)
{
  TSection* s = FindSection(section);
  if (!s)
    return;
  const auto it = std::find_if(s->Lines.begin(), s->Lines.end(),
                               [&](const TLine& line) { return !line.Comment && IsEntry(line.Text, ident); });
  if (it == s->Lines.end())
    return;
  s->Lines.erase(it);
  modified_ = true;
}

QByteArray TGraphMemIniFile::Text() const
{
  QByteArray text;
  const auto put = [&text](const QString& line) {
    text += line.toLatin1();
    text += "\r\n";
  };
  for (const QString& line : leading_)
    put(line);
  if (!leading_.empty())
    put(QString());
  for (const TSection& s : sections_) {
    put(QLatin1Char('[') + s.Name + QLatin1Char(']'));
    for (const TLine& line : s.Lines)
      put(line.Text);
    put(QString());
  }
  return text;
}

void TGraphMemIniFile::UpdateFile()
{
  platform::WriteFileAtomic(FileName, Text());
  modified_ = false;
}

}  // namespace plot
