#include "controls/editor/CommandProcessor.h"

#include "controls/editor/BuiltinTables.h"
#include "controls/editor/Exceptions.h"
#include "controls/editor/InputSupport.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"

#include <cctype>
#include <strings.h>

namespace controls {

using namespace platform;

namespace {

bool SameName(std::string_view a, std::string_view b)
{
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The name without its trailing digits, never cut below one character.
std::string BaseName(const std::string& name)
{
  std::size_t end = name.size();
  while (end > 1 && std::isdigit(static_cast<unsigned char>(name[end - 1])))
    --end;
  return name.substr(0, end);
}

}  // namespace

TOvcCommandProcessor::TOvcCommandProcessor()
{
  const struct {
    std::int32_t nameId;
    bool active;
    std::span<const TOvcCmdRow> rows;
  } builtin[] = {{SCDefaultTableName, true, DefaultCommandRows()},
                 {SCWordStarTableName, false, WordStarCommandRows()},
                 {SCGridTableName, false, GridCommandRows()}};
  for (const auto& table : builtin) {
    const std::string name = GetLibraryString(table.nameId);
    CreateCommandTable(name, table.active);
    for (const TOvcCmdRow& row : table.rows)
      AddCommand(name, row);
  }
  ResetCommandProcessor();
}

void TOvcCommandProcessor::AddCommand(const std::string& tableName, const TOvcCmdRow& row)
{
  TOvcCommandTable* table = GetTable(tableName);
  if (!table)
    throw ETableNotFound();
  if (table->IndexOf(row) >= 0)
    throw EDuplicateCommand();
  table->AddCommand(row);
}

int TOvcCommandProcessor::AddTable(std::unique_ptr<TOvcCommandTable> table)
{
  const std::string base = BaseName(table->TableName);
  if (GetTable(base)) {
    for (int suffix = 1;; ++suffix) {
      const std::string name = base + std::to_string(suffix);
      if (!GetTable(name)) {
        table->TableName = name;
        break;
      }
    }
  }
  tables_.push_back(std::move(table));
  return Count() - 1;
}

int TOvcCommandProcessor::CreateCommandTable(const std::string& name, bool active)
{
  auto table = std::make_unique<TOvcCommandTable>();
  table->TableName = name;
  table->Active = active;
  return AddTable(std::move(table));
}

TOvcCommandTable* TOvcCommandProcessor::GetTable(std::string_view name) const
{
  for (const auto& table : tables_)
    if (SameName(table->TableName, name))
      return table.get();
  return nullptr;
}

int TOvcCommandProcessor::LoadCommandTable(const std::string& fileName)
{
  auto table = std::make_unique<TOvcCommandTable>();
  table->LoadFromFile(fileName);
  return AddTable(std::move(table));
}

void TOvcCommandProcessor::SaveCommandTable(const std::string& tableName, const std::string& fileName) const
{
  if (const TOvcCommandTable* table = GetTable(tableName))
    table->SaveToFile(fileName);
}

void TOvcCommandProcessor::ResetCommandProcessor()
{
  state_ = 0;
  pendingKey_ = 0;
  pendingShift_ = 0;
}

TOvcCommand TOvcCommandProcessor::TranslateUsing(const TOvcCommandTable& table, int key, std::uint8_t shiftBits)
{
  for (int i = 0; i < table.Count(); ++i) {
    const TOvcCmdRow& row = table.GetCommand(i);
    if (state_ == 1) {
      const bool shiftMatches =
          row.Shift2 == shiftBits || (row.Shift2 == csNoneOrCtrl && (shiftBits == 0 || shiftBits == csCtrl));
      if (row.Key1 == pendingKey_ && row.Shift1 == pendingShift_ && row.Key2 == key && shiftMatches) {
        state_ = row.Command == ccCtrlChar ? 2 : 0;
        return row.Command;
      }
      continue;
    }
    if (row.Key1 != key || row.Shift1 != shiftBits)
      continue;
    if (row.Key2 != 0) {
      state_ = 1;
      pendingKey_ = std::uint8_t(key);
      pendingShift_ = shiftBits;
      return ccSequencePending;
    }
    if (row.Command == ccCtrlChar)
      state_ = 2;
    return row.Command;
  }
  return 0;
}

TOvcCommand TOvcCommandProcessor::TranslateKey(int key, std::uint8_t shiftBits)
{
  if (IsModifierKey(key))
    return state_ == 1 ? ccSequencePending : ccNoCommand;
  if (state_ == 2) {
    state_ = 0;
    return ccNoCommand;
  }
  const bool pending = state_ == 1;
  for (const auto& table : tables_) {
    if (!table->Active)
      continue;
    if (const TOvcCommand command = TranslateUsing(*table, key, shiftBits))
      return command;
  }
  state_ = 0;
  return pending ? ccSequenceFailed : ccNoCommand;
}

TOvcCommand TOvcCommandProcessor::TranslateKeyShift(int key, TShiftState shift)
{
  return TranslateKey(key, ShiftFlagsOf(shift));
}

std::vector<TCommandTableData> TOvcCommandProcessor::StoreTables() const
{
  std::vector<TCommandTableData> data;
  for (const auto& table : tables_)
    data.push_back(table->Store());
  return data;
}

void TOvcCommandProcessor::LoadTables(const std::vector<TCommandTableData>& data)
{
  std::vector<std::unique_ptr<TOvcCommandTable>> loaded;
  for (const TCommandTableData& item : data) {
    auto table = std::make_unique<TOvcCommandTable>();
    table->Load(item);
    loaded.push_back(std::move(table));
  }
  tables_.clear();
  for (auto& table : loaded)
    AddTable(std::move(table));
  ResetCommandProcessor();
}

}  // namespace controls
