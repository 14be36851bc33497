#include "controls/editor/CommandTable.h"

#include "controls/editor/BuiltinTables.h"
#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"

#include <algorithm>

namespace controls {

TOvcCommandTable::TOvcCommandTable() : TableName(GetLibraryString(SCUnknownTableName)) {}

int TOvcCommandTable::AddCommand(const TOvcCmdRow& row)
{
  rows_.push_back(row);
  return Count() - 1;
}

void TOvcCommandTable::InsertCommand(int index, const TOvcCmdRow& row)
{
  rows_.insert(rows_.begin() + std::clamp(index, 0, Count()), row);
}

void TOvcCommandTable::DeleteCommand(int index)
{
  if (index >= 0 && index < Count())
    rows_.erase(rows_.begin() + index);
}

void TOvcCommandTable::ReplaceCommand(int index, const TOvcCmdRow& row) { rows_.at(std::size_t(index)) = row; }

int TOvcCommandTable::IndexOf(const TOvcCmdRow& row) const
{
  const auto it = std::find_if(rows_.begin(), rows_.end(),
                               [&](const TOvcCmdRow& r) { return r.KeySequence() == row.KeySequence(); });
  return it == rows_.end() ? -1 : int(it - rows_.begin());
}

TCommandTableData TOvcCommandTable::Store() const
{
  TCommandTableData data{TableName, Active, {}};
  const std::span<const TOvcCmdRow> builtin = BuiltinRowsOf(TableName);
  if (builtin.empty()) {
    for (const TOvcCmdRow& row : rows_)
      data.Pairs.emplace_back(std::int32_t(row.KeySequence()), row.Command);
    return data;
  }
  for (const TOvcCmdRow& row : builtin)
    if (IndexOf(row) < 0)
      data.Pairs.emplace_back(std::int32_t(row.KeySequence()), 0);
  for (const TOvcCmdRow& row : rows_) {
    const bool same = std::any_of(builtin.begin(), builtin.end(), [&](const TOvcCmdRow& b) {
      return b.KeySequence() == row.KeySequence() && b.Command == row.Command;
    });
    if (!same)
      data.Pairs.emplace_back(std::int32_t(row.KeySequence()), row.Command);
  }
  return data;
}

void TOvcCommandTable::Load(const TCommandTableData& data)
{
  TOvcCommandTable table;
  table.TableName = data.Name;
  table.Active = data.Active;
  const std::span<const TOvcCmdRow> builtin = BuiltinRowsOf(data.Name);
  table.rows_.assign(builtin.begin(), builtin.end());
  int item = 0;
  for (const auto& [sequence, command] : data.Pairs) {
    ++item;
    if (command < 0 || command > 0xFFFF)
      throw ECommandTableFileError("Command table \"" + data.Name + "\": command out of range in item " +
                                   std::to_string(item));
    const TOvcCmdRow row = TOvcCmdRow::FromKeySequence(std::uint32_t(sequence), TOvcCommand(command));
    const int index = builtin.empty() ? -1 : table.IndexOf(row);
    if (index < 0)
      table.AddCommand(row);
    else if (command != 0)
      table.ReplaceCommand(index, row);
    else
      table.DeleteCommand(index);
  }
  *this = std::move(table);
}

}  // namespace controls
