#pragma once
// A named table of key sequences and their commands.

#include "controls/editor/CommandRow.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace controls {

// A table as the component stream holds it: name, activity and (key sequence, command) pairs.
struct TCommandTableData {
  std::string Name;
  bool Active = true;
  std::vector<std::pair<std::int32_t, std::int32_t>> Pairs;
  bool operator==(const TCommandTableData&) const = default;
};

class TOvcCommandTable {
 public:
  TOvcCommandTable();

  int AddCommand(const TOvcCmdRow& row);
  void InsertCommand(int index, const TOvcCmdRow& row);
  void DeleteCommand(int index);
  void ReplaceCommand(int index, const TOvcCmdRow& row);
  const TOvcCmdRow& GetCommand(int index) const { return rows_.at(std::size_t(index)); }
  int Count() const { return int(rows_.size()); }
  void Clear() { rows_.clear(); }
  // Index of the first row with the same key sequence, or -1.
  int IndexOf(const TOvcCmdRow& row) const;

  // Text file: the name, then one row per line (Key1 Shift1 Key2 Shift2 Command).
  // A file that cannot be read or holds a value out of range raises and leaves the table as it was.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // Stream form; the built-in tables store only their differences from the built-in rows.
  TCommandTableData Store() const;
  // Reads the stream form; values out of range raise and leave the table as it was.
  void Load(const TCommandTableData& data);

  std::string TableName;
  bool Active = true;

 private:
  std::vector<TOvcCmdRow> rows_;
};

}  // namespace controls
