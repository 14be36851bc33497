#include "tools/matrix/MatrixGrid.h"

#include <algorithm>

namespace tools {

TMatrixTable::TMatrixTable(std::string name, int rows, int cols) : name_(std::move(name)) { SetSize(rows, cols); }

std::string TMatrixTable::Cell(int row, int col) const
{
  if (row < 1 || row > rows_ || col < 1 || col > cols_)
    return {};
  return cells_[std::size_t((row - 1) * cols_ + col - 1)];
}

void TMatrixTable::SetCell(int row, int col, const std::string& text)
{
  if (row < 1 || row > rows_ || col < 1 || col > cols_)
    return;
  cells_[std::size_t((row - 1) * cols_ + col - 1)] = text;
}

void TMatrixTable::SetSize(int rows, int cols)
{
  rows = std::max(rows, 1);
  cols = std::max(cols, 1);
  std::vector<std::string> resized(std::size_t(rows * cols));
  for (int i = 1; i <= std::min(rows, rows_); ++i)
    for (int j = 1; j <= std::min(cols, cols_); ++j)
      resized[std::size_t((i - 1) * cols + j - 1)] = Cell(i, j);
  cells_ = std::move(resized);
  rows_ = rows;
  cols_ = cols;
}

std::string RowHeading(const std::string& name, int row) { return name + "[" + std::to_string(row) + ",J]"; }

std::string ColHeading(const std::string& name, int col) { return name + "[I," + std::to_string(col) + "]"; }

void CopyGridCells(const TMatrixGrid& from, TMatrixGrid& to)
{
  for (int i = 1; i <= std::min(from.Rows(), to.Rows()); ++i)
    for (int j = 1; j <= std::min(from.Cols(), to.Cols()); ++j)
      to.SetCell(i, j, from.Cell(i, j));
}

void FillGrid(TMatrixGrid& grid, const std::string& text)
{
  for (int i = 1; i <= grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j)
      grid.SetCell(i, j, text);
}

void ClearGrid(TMatrixGrid& grid) { FillGrid(grid, {}); }

void InsertGridRow(TMatrixGrid& grid, int row)
{
  grid.SetSize(grid.Rows() + 1, grid.Cols());
  for (int i = grid.Rows(); i > row; --i)
    for (int j = 1; j <= grid.Cols(); ++j)
      grid.SetCell(i, j, grid.Cell(i - 1, j));
  for (int j = 1; j <= grid.Cols(); ++j)
    grid.SetCell(row, j, {});
}

void DeleteGridRow(TMatrixGrid& grid, int row)
{
  if (grid.Rows() == 1) {
    for (int j = 1; j <= grid.Cols(); ++j)
      grid.SetCell(1, j, {});
    return;
  }
  for (int i = row; i < grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j)
      grid.SetCell(i, j, grid.Cell(i + 1, j));
  grid.SetSize(grid.Rows() - 1, grid.Cols());
}

void InsertGridCol(TMatrixGrid& grid, int col)
{
  grid.SetSize(grid.Rows(), grid.Cols() + 1);
  for (int j = grid.Cols(); j > col; --j)
    for (int i = 1; i <= grid.Rows(); ++i)
      grid.SetCell(i, j, grid.Cell(i, j - 1));
  for (int i = 1; i <= grid.Rows(); ++i)
    grid.SetCell(i, col, {});
}

void DeleteGridCol(TMatrixGrid& grid, int col)
{
  if (grid.Cols() == 1) {
    for (int i = 1; i <= grid.Rows(); ++i)
      grid.SetCell(i, 1, {});
    return;
  }
  for (int j = col; j < grid.Cols(); ++j)
    for (int i = 1; i <= grid.Rows(); ++i)
      grid.SetCell(i, j, grid.Cell(i, j + 1));
  grid.SetSize(grid.Rows(), grid.Cols() - 1);
}

void TransposeGrid(TMatrixGrid& grid)
{
  const TMatrixTable before = [&] {
    TMatrixTable copy(grid.Name(), grid.Rows(), grid.Cols());
    CopyGridCells(grid, copy);
    return copy;
  }();
  grid.SetSize(before.Cols(), before.Rows());
  for (int i = 1; i <= grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j)
      grid.SetCell(i, j, before.Cell(j, i));
}

}  // namespace tools
