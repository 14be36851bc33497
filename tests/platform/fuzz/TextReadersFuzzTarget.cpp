#include "tests/platform/fuzz/TextReadersFuzzTarget.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/FuzzCheck.h"
#include "tests/support/ScratchFile.h"

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace fuzz {

using testsupport::Require;

void TextFileTarget(std::string_view bytes)
{
  const std::vector<std::string> lines = platform::SplitLines(bytes);
  std::string joined;
  for (const std::string& line : lines) {
    Require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    joined += line + '\n';
  }
  Require(platform::SplitLines(joined) == lines, "lines joined by line ends split the same");
  Require(platform::ReadTextLines(testsupport::ScratchFile("fuzz.txt", bytes)) == lines,
          "a file reads as its bytes split");
  const QString copy = testsupport::ScratchPath("fuzz-copy.txt");
  platform::WriteTextLines(copy, lines);
  Require(platform::ReadTextLines(copy) == lines, "written lines read back");
}

namespace {

// Every value of every section, as the reads give them; numbers through each typed read.
using Snapshot = std::map<QString, QStringList>;

Snapshot Values(const platform::TIniFile& ini)
{
  Snapshot snapshot;
  for (const QString& section : ini.ReadSections()) {
    QStringList& values = snapshot[section.toLower()];
    values = ini.ReadSectionValues(section);
    for (const QString& key : ini.ReadSection(section)) {
      const double number = ini.ReadFloat(section, key, 0.5);
      Require(std::isfinite(number), "a number read is finite");
      values << QString::number(ini.ReadInteger(section, key, -7)) << QString::number(ini.ReadBool(section, key, true))
             << QString::number(number, 'g', 17);
    }
  }
  return snapshot;
}

// The snapshot without one section.
Snapshot Without(Snapshot snapshot, const QString& section)
{
  snapshot.erase(section.toLower());
  return snapshot;
}

}  // namespace

void IniFileTarget(std::string_view bytes)
{
  const QString path = testsupport::ScratchFile("fuzz.ini", bytes);
  const Snapshot before = Values(platform::TIniFile(path));

  // A value of a new section: the first line of the bytes, whatever it holds, in brackets (a value's
  // blanks at the ends and a pair of quotes around it are not read).
  const std::vector<std::string> lines = platform::SplitLines(bytes);
  const QString first = lines.empty() ? QString() : QString::fromLatin1(lines[0].data(), qsizetype(lines[0].size()));
  const QString value = QLatin1Char('<') + first + QLatin1Char('>');
  const QString added = QStringLiteral("Fuzz Section");
  platform::TIniFile(path).WriteString(added, QStringLiteral("Key"), value);
  const platform::TIniFile withNew(path);
  Require(withNew.ReadString(added, QStringLiteral("Key"), QStringLiteral("-")) == value, "a new value reads back");
  Require(Without(Values(withNew), added) == Without(before, added), "a new value keeps every other");

  // A value of the first section of the file.
  const QStringList sections = withNew.ReadSections();
  const QStringList keys = sections.front() == added ? QStringList() : withNew.ReadSection(sections.front());
  if (keys.isEmpty())
    return;
  platform::TIniFile(path).WriteString(sections.front(), keys.front(), QStringLiteral("w"));
  const platform::TIniFile changed(path);
  Require(changed.ReadString(sections.front(), keys.front(), QString()) == QStringLiteral("w"),
          "a changed value reads back");
  Require(Without(Values(changed), sections.front()) == Without(Values(withNew), sections.front()),
          "a changed value keeps the other sections");
  Require(changed.ReadSection(sections.front()) == keys, "a changed value keeps the section's keys");
}

}  // namespace fuzz
