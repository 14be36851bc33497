// Command tables in text files.
#include "controls/editor/CommandTable.h"

#include "controls/editor/Exceptions.h"

#include <cstdio>
#include <fstream>
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

void TOvcCommandTable::LoadFromFile(const std::string& fileName)
{
  std::ifstream file(fileName, std::ios::binary);
  if (!file)
    throw ECommandTableFileError("Cannot open command table file " + fileName);
  std::string text;
  std::getline(file, text);
  if (!text.empty() && text.back() == '\r')
    text.pop_back();
  TOvcCommandTable table;
  table.TableName = text;
  table.Active = Active;
  int line = 1;
  while (std::getline(file, text)) {
    ++line;
    if (text.find_first_not_of(" \t\r") == std::string::npos)
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
  if (file.bad())
    throw ECommandTableFileError("Cannot read command table file " + fileName);
  TableName = std::move(table.TableName);
  rows_ = std::move(table.rows_);
}

void TOvcCommandTable::SaveToFile(const std::string& fileName) const
{
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file)
    throw ECommandTableFileError("Cannot create command table file " + fileName);
  file << TableName << "\r\n";
  char line[32];
  for (const TOvcCmdRow& row : rows_) {
    std::snprintf(line, sizeof line, "%4d%4d%4d%4d%6d\r\n", row.Key1, row.Shift1, row.Key2, row.Shift2, row.Command);
    file << line;
  }
  file.flush();
  if (!file)
    throw ECommandTableFileError("Cannot write command table file " + fileName);
}

}  // namespace controls
