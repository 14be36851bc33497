#include "app/HistoryFile.h"

#include "platform/Exceptions.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

// A count line: a whole number, leading blanks allowed.
std::optional<int> ReadCount(const std::string& line)
{
  const QString text = QString::fromLatin1(line.data(), qsizetype(line.size())).trimmed();
  bool ok = false;
  const int count = text.toInt(&ok);
  if (!ok || count < 0)
    return std::nullopt;
  return count;
}

QString HistoryLine(const std::string& line)
{
  return QString::fromLatin1(line.data(), qsizetype(std::min<std::size_t>(line.size(), MaxHistoryLine)));
}

// Reads one counted list from lines at next; false when the list is damaged.
bool ReadList(const std::vector<std::string>& lines, std::size_t& next, QStringList& list)
{
  if (next >= lines.size())
    return false;
  const std::optional<int> count = ReadCount(lines[next++]);
  if (!count)
    return false;
  for (int i = 0; i < *count; ++i) {
    if (next >= lines.size())
      return false;
    list << HistoryLine(lines[next++]);
  }
  return true;
}

}  // namespace

THistory ReadHistoryFile(const QString& path)
{
  THistory history;
  if (!QFileInfo::exists(path))
    return history;
  std::vector<std::string> lines;
  try {
    lines = platform::ReadTextLines(path);
  } catch (const platform::EFileError&) {
    return history;
  }
  std::size_t next = 0;
  if (ReadList(lines, next, history.Expressions))
    ReadList(lines, next, history.Results);
  return history;
}

void WriteHistoryFile(const QString& path, const THistory& history)
{
  std::vector<std::string> lines;
  auto add = [&lines](const QStringList& list) {
    lines.push_back(std::to_string(list.size()));
    for (const QString& entry : list)
      lines.push_back(entry.toLatin1().toStdString());
  };
  add(history.Expressions);
  add(history.Results);
  platform::WriteTextLines(path, lines);
}

}  // namespace app
