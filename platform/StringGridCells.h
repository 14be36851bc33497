#pragma once
// The texts of a string grid's cells, addressed (column, row) from 0, fixed cells included. Shrinking
// the grid drops the cells outside it, so growing it again shows empty cells.

#include <QString>
#include <vector>

namespace platform {

class TStringGridCells {
public:
  TStringGridCells(int cols, int rows) { Resize(cols, rows); }

  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }
  void Resize(int cols, int rows);

  // Outside the grid: an empty text to read, nothing written.
  const QString& Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < cols_ && row < rows_; }

private:
  int cols_ = 0;
  int rows_ = 0;
  std::vector<QString> texts_;  // row by row
};

}  // namespace platform
