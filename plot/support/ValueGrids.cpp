#include "plot/support/ValueGrids.h"

#include "plot/support/FloatUtils.h"

#include <algorithm>
#include <stdexcept>

namespace plot {

namespace {

bool IsMissing(double x) { return x == MissingValue || x == -MissingValue; }

}  // namespace

void TMatrix::Resize(int rows, int cols)
{
  Rows = std::max(rows, 0);
  Cols = std::max(cols, 0);
  values_.assign(static_cast<std::size_t>(Rows) * static_cast<std::size_t>(Cols), 0.0);
  MinValue = 3e300;
  MaxValue = -3e300;
}

void TMatrix::Assign(const TMatrix& source)
{
  Rows = source.Rows;
  Cols = source.Cols;
  values_ = source.values_;
  MinValue = source.MinValue;
  MaxValue = source.MaxValue;
}

std::size_t TMatrix::Index(int row, int col) const
{
  if (row < 1 || row > Rows || col < 1 || col > Cols)
    throw std::out_of_range("matrix index");
  return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(Cols) + static_cast<std::size_t>(col - 1);
}

void TMatrix::SetValue(int row, int col, double x)
{
  values_[Index(row, col)] = x;
  if (IsMissing(x))
    return;
  if (x > MaxValue)
    MaxValue = x;
  if (x < MinValue)
    MinValue = x;
}

double TMatrix::GetValue(int row, int col) const { return values_[Index(row == Rows + 1 ? Rows : row, col)]; }

void TVector::SetLength(int count)
{
  Count = std::max(count, 0);
  values_.assign(static_cast<std::size_t>(Count), 0.0);
  MaxValue = -1e30;
  MinValue = 1e30;
}

void TVector::Assign(const TVector& source)
{
  Count = source.Count;
  values_ = source.values_;
  MaxValue = source.MaxValue;
  MinValue = source.MinValue;
}

std::size_t TVector::Index(int i) const
{
  if (i < 1 || i > Count)
    throw std::out_of_range("vector index");
  return static_cast<std::size_t>(i - 1);
}

void TVector::SetValue(int i, double x)
{
  values_[Index(i)] = x;
  if (x > MaxValue)
    MaxValue = x;
  if (x < MinValue)
    MinValue = x;
}

double TVector::GetValue(int i) const { return values_[Index(i)]; }

TStringMatrix::TStringMatrix(int rows, int cols) : Rows(std::max(rows, 0)), Cols(std::max(cols, 0))
{
  const qsizetype size = static_cast<qsizetype>(Rows) * Cols;
  Strings.reserve(size);
  for (qsizetype i = 0; i < size; ++i)
    Strings.append(QString());
}

void TStringMatrix::SetCell(int row, int col, const QString& s)
{
  if (row >= 1 && row <= Rows && col >= 1 && col <= Cols)
    Strings[row + qsizetype(col - 1) * Rows - 1] = s;
}

QString TStringMatrix::GetCell(int row, int col) const
{
  if (row >= 1 && row <= Rows && col >= 1 && col <= Cols)
    return Strings[row + qsizetype(col - 1) * Rows - 1];
  return {};
}

}  // namespace plot
