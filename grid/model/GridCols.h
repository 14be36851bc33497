#pragma once
// The column objects of a grid, one per data column from the row bar (0) on, and its rows: row
// objects only where a row sets something, with the data-to-display row map and serial numbers.

#include "grid/model/CellValue.h"
#include "grid/model/Col.h"
#include "grid/model/Row.h"

#include <memory>
#include <optional>
#include <vector>

namespace grid {

class TtsGridCols {
 public:
  explicit TtsGridCols(TtsGridModel& grid) : grid_(grid) {}
  int Count() const { return int(cols_.size()); }
  // Frees the objects beyond the new count or makes the new ones (at their own display position,
  // with the grid's present width of that column).
  void Resize(int newCount);
  TtsCol* At(int dataCol) const { return dataCol >= 0 && dataCol < Count() ? cols_[std::size_t(dataCol)].get() : nullptr; }
  // An integer key is a data column (else "Column index %d out of range"), a text a field name;
  // other keys find nothing.
  TtsCol* Get(const TtsCellValue& key) const;
  TtsCol* FindByFieldName(const std::string& name) const;
  // Moves entries within the array, clearing the uncovered source entries; DisplayCol unchanged.
  void MoveBlock(int from, int to, int count);
  // The object at `first` goes to `last`, the ones between move down by one.
  void RotateToEnd(int first, int last);

 private:
  TtsGridModel& grid_;
  std::vector<std::unique_ptr<TtsCol>> cols_;
  int serialCounter_ = 0;
};

class TtsGridRows {
 public:
  explicit TtsGridRows(TtsGridModel& grid) : grid_(grid) {}
  int Count() const { return int(rows_.size()); }
  void Resize(int newCount);
  // Range-checked against 0..Count-1 ("Row index %d out of range"); none for a row without object.
  TtsRow* Get(int dataRow) const;
  TtsRow* At(int dataRow) const { return dataRow >= 0 && dataRow < Count() ? rows_[std::size_t(dataRow)].get() : nullptr; }
  TtsRow& Ensure(int dataRow);
  void Free(int dataRow);
  void FreeIfDefault(int dataRow);
  int ObjectCount() const;  // rows that have an object

  void MakeMap();
  bool HasMap() const { return map_.has_value(); }
  int DisplayRowOf(int dataRow) const;
  void SetDisplayRowOf(int dataRow, int displayRow);
  int SerialOf(int dataRow) const { return serials_[std::size_t(dataRow)]; }

  int HeightOf(int dataRow) const;
  void SetHeightOf(int dataRow, int height);
  int AssignedHeightOf(int dataRow) const;
  void SetAssignedHeightOf(int dataRow, int height);
  void ApplyHeight(int dataRow, int height);
  void MoveBlock(int from, int to, int count);
  // The row at `first` goes to `last` with its serial number, the ones between move down by one
  // (their objects renumbered); the data-to-display map is taken from displayToData.
  void RotateToEnd(int first, int last, const std::vector<int>& displayToData);

 private:
  TtsGridModel& grid_;
  std::vector<std::unique_ptr<TtsRow>> rows_;
  std::optional<std::vector<int>> map_;
  std::vector<int> serials_;
  int serialCounter_ = 0;
};

}  // namespace grid
