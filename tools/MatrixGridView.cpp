#include "tools/MatrixGridView.h"

#include "tools/EngineText.h"

#include "platform/ClipboardText.h"
#include "platform/StringGrid.h"

#include <QLineEdit>
#include <algorithm>

namespace tools {

std::string TGridMatrix::Name() const { return platform::ToLatin1(nameEdit_.text()); }

int TGridMatrix::Rows() const { return grid_.RowCount() - 1; }

int TGridMatrix::Cols() const { return grid_.ColCount() - 1; }

std::string TGridMatrix::Cell(int row, int col) const
{
  if (row < 1 || row > Rows() || col < 1 || col > Cols())
    return {};
  return EngineBytes(grid_.Cells(col, row));
}

void TGridMatrix::SetCell(int row, int col, const std::string& text)
{
  if (row < 1 || row > Rows() || col < 1 || col > Cols())
    return;
  grid_.SetCells(col, row, platform::FromLatin1(text));
}

void TGridMatrix::SetSize(int rows, int cols)
{
  rows = std::max(rows, 1);
  cols = std::max(cols, 1);
  if (rows == Rows() && cols == Cols())
    return;
  // Cells that leave the grid are emptied, so that growing again shows no old texts.
  for (int i = rows + 1; i <= Rows(); ++i)
    for (int j = 1; j <= Cols(); ++j)
      grid_.SetCells(j, i, {});
  for (int i = 1; i <= Rows(); ++i)
    for (int j = cols + 1; j <= Cols(); ++j)
      grid_.SetCells(j, i, {});
  grid_.SetRowCount(rows + 1);
  grid_.SetColCount(cols + 1);
  WriteHeadings();
  if (OnResized)
    OnResized();
}

void TGridMatrix::WriteHeadings()
{
  const std::string name = Name();
  grid_.SetCells(0, 0, {});
  for (int i = 1; i <= Rows(); ++i)
    grid_.SetCells(0, i, platform::FromLatin1(RowHeading(name, i)));
  for (int j = 1; j <= Cols(); ++j)
    grid_.SetCells(j, 0, platform::FromLatin1(ColHeading(name, j)));
}

}  // namespace tools
