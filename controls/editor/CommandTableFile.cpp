// Command tables in text files.
#include "controls/editor/CommandTable.h"

#include "controls/editor/Exceptions.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <sstream>

namespace controls {

namespace {

[[noreturn]] void Refuse(const std::string& fileName, int line, const std::string& what)
{
  throw ECommandTableFileError("Command table file " + fileName + ", line " + std::to_string(line) + ": " + what);
}

// Reads one field; refuses text that is no integer or lies outside [0, max].
int Field(std::istringstream& in, int max, const std::string& fileName, int line)
{
  long long value = 0;
  if (!(in >> value))
    Refuse(fileName, line, "five integers expected");
  if (value < 0 || value > max)
    Refuse(fileName, line, "value " + std::to_string(value) + " out of range 0.." + std::to_string(max));
  return int(value);
}

}  // namespace

// Lines may end in CR LF, LF or CR.
void TOvcCommandTable::LoadFromFile(const std::string& fileName)
{
  // A folder does not open as a file here (a stream would read it as an empty table).
  QFile file(QFile::decodeName(fileName.c_str()));
  if (!file.open(QIODevice::ReadOnly))
    throw ECommandTableFileError("Cannot open command table file " + fileName);
  const QByteArray content = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw ECommandTableFileError("Cannot read command table file " + fileName);
  const std::vector<std::string> lines =
      platform::SplitLines(std::string_view(content.constData(), std::size_t(content.size())));
  TOvcCommandTable table;
  table.TableName = lines.empty() ? std::string() : lines.front();
  table.Active = Active;
  const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
  if (std::any_of(table.TableName.begin(), table.TableName.end(), control))
    Refuse(fileName, 1, "bad table name");
  for (std::size_t index = 1; index < lines.size(); ++index) {
    const std::string& text = lines[index];
    const int line = int(index) + 1;
    if (text.find_first_not_of(" \t") == std::string::npos)
      continue;
    std::istringstream in(text);
    TOvcCmdRow row;
    row.Key1 = std::uint8_t(Field(in, 0xFF, fileName, line));
    row.Shift1 = std::uint8_t(Field(in, 0xFF, fileName, line));
    row.Key2 = std::uint8_t(Field(in, 0xFF, fileName, line));
    row.Shift2 = std::uint8_t(Field(in, 0xFF, fileName, line));
    row.Command = TOvcCommand(Field(in, 0xFFFF, fileName, line));
    std::string rest;
    if (in >> rest)
      Refuse(fileName, line, "five integers expected");
    table.AddCommand(row);
  }
  TableName = std::move(table.TableName);
  rows_ = std::move(table.rows_);
}

void TOvcCommandTable::SaveToFile(const std::string& fileName) const
{
  std::vector<std::string> lines{TableName};
  char line[32];
  for (const TOvcCmdRow& row : rows_) {
    std::snprintf(line, sizeof line, "%4d%4d%4d%4d%6d", row.Key1, row.Shift1, row.Key2, row.Shift2, row.Command);
    lines.emplace_back(line);
  }
  try {
    platform::WriteTextLines(QFile::decodeName(fileName.c_str()), lines);
  } catch (const platform::EFileError&) {
    throw ECommandTableFileError("Cannot create command table file " + fileName);
  }
}

}  // namespace controls
