#pragma once
// Translates key presses into editor commands through a list of named command tables.

#include "controls/editor/CommandTable.h"
#include "platform/VirtualKeys.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

class TOvcCommandProcessor {
 public:
  // "Default" (active), "WordStar" and "Grid" (inactive) with their built-in rows.
  TOvcCommandProcessor();

  // Tables.
  void AddCommand(const std::string& tableName, const TOvcCmdRow& row);
  // Appends a table, renaming it when its base name is taken ("Default" becomes "Default1").
  int AddTable(std::unique_ptr<TOvcCommandTable> table);
  int CreateCommandTable(const std::string& name, bool active);
  TOvcCommandTable* GetTable(std::string_view name) const;  // any case
  TOvcCommandTable& Table(int index) const { return *tables_.at(std::size_t(index)); }
  int Count() const { return int(tables_.size()); }
  void Clear() { tables_.clear(); }
  int LoadCommandTable(const std::string& fileName);
  void SaveCommandTable(const std::string& tableName, const std::string& fileName) const;

  // Translation: a command code, or ccNoCommand, ccSequenceFailed, ccSequencePending.
  void ResetCommandProcessor();
  TOvcCommand TranslateKey(int key, std::uint8_t shiftBits);
  TOvcCommand TranslateKeyShift(int key, platform::TShiftState shift);
  // The table's answer, or 0 when it has none.
  TOvcCommand TranslateUsing(const TOvcCommandTable& table, int key, std::uint8_t shiftBits);
  std::uint8_t State() const { return state_; }

  // Stream form ("TableList"); reading replaces all tables (and keeps them when the data is refused).
  std::vector<TCommandTableData> StoreTables() const;
  void LoadTables(const std::vector<TCommandTableData>& data);

 private:
  std::vector<std::unique_ptr<TOvcCommandTable>> tables_;
  std::uint8_t state_ = 0;  // 0 idle, 1 first key of a sequence seen, 2 next key literal
  std::uint8_t pendingKey_ = 0;
  std::uint8_t pendingShift_ = 0;
};

}  // namespace controls
