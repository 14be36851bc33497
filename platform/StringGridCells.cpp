#include "platform/StringGridCells.h"

#include <algorithm>

namespace platform {

void TStringGridCells::Resize(int cols, int rows)
{
  cols = std::max(cols, 0);
  rows = std::max(rows, 0);
  std::vector<QString> texts(std::size_t(cols) * std::size_t(rows));
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(cols, cols_); ++c)
      texts[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = std::move(texts_[std::size_t(r) * std::size_t(cols_) + std::size_t(c)]);
  texts_ = std::move(texts);
  cols_ = cols;
  rows_ = rows;
}

const QString& TStringGridCells::Cell(int col, int row) const
{
  static const QString empty;
  if (!Contains(col, row))
    return empty;
  return texts_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)];
}

void TStringGridCells::SetCell(int col, int row, const QString& text)
{
  if (Contains(col, row))
    texts_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)] = text;
}

}  // namespace platform
