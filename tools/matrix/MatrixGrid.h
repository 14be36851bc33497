#pragma once
// A matrix as the calculator shows it: a named table of cell texts (Latin-1), rows and columns
// counted from 1. The window's grids implement it; TMatrixTable is the plain one.

#include <string>
#include <vector>

namespace tools {

class TMatrixGrid {
public:
  virtual ~TMatrixGrid() = default;
  virtual std::string Name() const = 0;
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  // Cells outside the matrix read empty and take no text.
  virtual std::string Cell(int row, int col) const = 0;
  virtual void SetCell(int row, int col, const std::string& text) = 0;
  // Keeps the texts of the common part; new cells are empty.
  virtual void SetSize(int rows, int cols) = 0;
};

class TMatrixTable : public TMatrixGrid {
public:
  TMatrixTable(std::string name, int rows, int cols);
  std::string Name() const override { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Rows() const override { return rows_; }
  int Cols() const override { return cols_; }
  std::string Cell(int row, int col) const override;
  void SetCell(int row, int col, const std::string& text) override;
  void SetSize(int rows, int cols) override;

private:
  std::string name_;
  int rows_ = 0;
  int cols_ = 0;
  std::vector<std::string> cells_;  // row by row
};

// The heading texts of a grid: "A[2,J]" beside row 2, "A[I,3]" above column 3.
std::string RowHeading(const std::string& name, int row);
std::string ColHeading(const std::string& name, int col);

// Copies the cells of one grid into another as far as they fit; the target keeps its size.
void CopyGridCells(const TMatrixGrid& from, TMatrixGrid& to);
// Every cell takes the text.
void FillGrid(TMatrixGrid& grid, const std::string& text);
void ClearGrid(TMatrixGrid& grid);

// Shape edits at a 1-based row or column: insert moves the rest on and empties the new line; delete
// moves the rest back and drops the last line, or empties the only one.
void InsertGridRow(TMatrixGrid& grid, int row);
void DeleteGridRow(TMatrixGrid& grid, int row);
void InsertGridCol(TMatrixGrid& grid, int col);
void DeleteGridCol(TMatrixGrid& grid, int col);
// Rows become columns.
void TransposeGrid(TMatrixGrid& grid);

}  // namespace tools
