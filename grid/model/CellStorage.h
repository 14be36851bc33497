#pragma once
// Tts2DStorage: the grid's own store of cell values while StoreData is on. A jagged table of rows,
// each allocated up to its last used column, addressed by data column and data row (1-based; row
// 0 is the scratch row that keeps a copy of a row under edit). It reads and writes its contents as
// the "Data" stream.

#include "grid/model/ByteStream.h"
#include "grid/model/CellValue.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace grid {

// Kinds of stored cells; the same values are the kind bytes of the "Data" stream.
enum TtsStoreKind : std::uint8_t {
  skEmpty = 0,
  skText = 1,
  skInteger = 2,  // a check-box state
  skPicture = 3,  // a picture handle
  skImageName = 4,
  skNull = 5,
};

class Tts2DStorage {
 public:
  explicit Tts2DStorage(int defaultColCapacity = 0, int defaultRowCapacity = 0);
  Tts2DStorage(const Tts2DStorage&) = delete;
  Tts2DStorage& operator=(const Tts2DStorage&) = delete;
  ~Tts2DStorage();

  int DefaultColCapacity = 0;  // a row's capacity when it first grows
  int DefaultRowCapacity = 0;  // the table's capacity when it first grows
  std::uint8_t OwnerFlag = 0;  // the grid's; copied by Assign

  // Values. Kinds 1 and 4 read as text, 2 and 3 as integers, 5 as Null, the rest Unassigned.
  TtsCellValue GetValue(int col, int row) const;
  std::uint8_t GetKind(int col, int row) const;  // 0 outside the stored cells
  // Stores a value under a kind; Unassigned or kind 0 clears the cell. Raises the variant
  // conversion error (cell unchanged) when the value doesn't convert to the kind.
  void SetValue(int col, int row, std::uint8_t kind, const TtsCellValue& value);

  // The row copy of a row edit, kept in row 0.
  void KeepRowCopy(int row) { CopyRow(row, 0); }
  void DropRowCopy() { ClearRow(0, 0); }
  void RestoreRowCopy(int row);

  void Assign(const Tts2DStorage& source);
  void DeleteCols(int first, int last);
  void DeleteRows(int first, int last);

  // The "Data" stream. A column map entry at position p (1-based: map[p - 1]) names the column that
  // the cells at stream position p go to; 0 drops them. Reading validates every count, length,
  // picture number and bitmap against the bytes left and raises EReadError on a bad stream.
  void SaveToStream(TtsByteWriter& stream) const;
  void LoadFromStream(TtsByteReader& stream, const std::vector<int>* columnMap = nullptr);

  // Sizes and bookkeeping.
  int RowCapacity() const { return int(rows_.size()); }
  int ColCount(int row) const;     // columns addressable in the row
  int ColCapacity(int row) const;  // slots allocated in the row
  bool HasRow(int row) const;      // the row's arrays exist
  int LastRow() const;             // highest row from 1 up with arrays, or 0
  int UsedCols(int row) const;     // ColCount less the trailing empty cells
  void ClearAll();
  void ClearColumn(int col);
  void ClearRow(int row, int newLength);  // newLength < 0 keeps the arrays
  void CopyRow(int from, int to);

 private:
  struct Cell {
    std::uint8_t Kind = skEmpty;
    std::int32_t Number = 0;  // integer or picture handle
    std::string Text;
  };
  struct Row {
    std::vector<Cell> Cells;  // the capacity
    int Count = 0;
  };

  const Cell* CellAt(int col, int row) const;
  Cell& MutableCell(int col, int row) { return rows_[std::size_t(row)]->Cells[std::size_t(col - 1)]; }
  void ClearCell(int col, int row);
  void EnsureRow(int row);
  void EnsureCol(int col, int row);
  void SetRowCapacity(int count);
  void SetRowLength(int row, int length);
  void PutPicture(int col, int row, std::int32_t picture, std::uint8_t oldKind);

  std::vector<std::unique_ptr<Row>> rows_;
};

}  // namespace grid
