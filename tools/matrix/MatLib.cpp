#include "tools/matrix/MatLib.h"

#include "tools/matrix/Matrices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tools {

namespace {

bool AllFinite(const std::vector<Extended>& values)
{
  for (const Extended v : values)
    if (!std::isfinite(v))
      return false;
  return true;
}

void RequireFinite(const std::vector<Extended>& values)
{
  if (!AllFinite(values))
    throw EMatrixException(kMatrixOverflow);
}

void RequireSquare(const TMatrix& a)
{
  if (a.RowCount() != a.ColCount())
    throw EMatrixException(kSquareOnly);
}

std::size_t Index(int row, int col, int cols)
{
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col);
}

// Row-major product of an (n by k) and a (k by p) block.
std::vector<Extended> DenseProduct(const std::vector<Extended>& a, const std::vector<Extended>& b, int n, int k,
                                   int p)
{
  std::vector<Extended> r(static_cast<std::size_t>(n) * static_cast<std::size_t>(p), 0);
  for (int i = 0; i < n; ++i)
    for (int m = 0; m < k; ++m) {
      const Extended f = a[Index(i, m, k)];
      if (f == 0)
        continue;
      for (int j = 0; j < p; ++j)
        r[Index(i, j, p)] += f * b[Index(m, j, p)];
    }
  return r;
}

std::vector<Extended> Identity(int n)
{
  std::vector<Extended> e(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0);
  for (int i = 0; i < n; ++i)
    e[Index(i, i, n)] = 1;
  return e;
}

}  // namespace

// TMatrix

void TMatrix::SetRowCount(int rows)
{
  if (rows >= 1)
    SetSize(rows, colCount_);
}

void TMatrix::SetColCount(int cols)
{
  if (cols >= 1)
    SetSize(rowCount_, cols);
}

std::vector<Extended> TMatrix::Elements() const
{
  std::vector<Extended> values;
  values.reserve(static_cast<std::size_t>(rowCount_) * static_cast<std::size_t>(colCount_));
  for (int i = 0; i < rowCount_; ++i)
    for (int j = 0; j < colCount_; ++j)
      values.push_back(GetElement(i, j));
  return values;
}

void TMatrix::AssignElements(const std::vector<Extended>& values)
{
  for (int i = 0; i < rowCount_; ++i)
    for (int j = 0; j < colCount_; ++j)
      SetElement(i, j, values[Index(i, j, colCount_)]);
}

void TMatrix::CopyFrom(const TMatrix& source)
{
  if (&source == this)
    return;
  SetSize(source.RowCount(), source.ColCount());
  AssignElements(source.Elements());
}

void TMatrix::Fill(Extended value)
{
  for (int i = 0; i < rowCount_; ++i)
    for (int j = 0; j < colCount_; ++j)
      SetElement(i, j, value);
}

void TMatrix::Add(const TMatrix& b)
{
  if (b.RowCount() != rowCount_ || b.ColCount() != colCount_)
    throw EMatrixException(kCanNotAdd);
  std::vector<Extended> sum = Elements();
  const std::vector<Extended> other = b.Elements();
  for (std::size_t i = 0; i < sum.size(); ++i)
    sum[i] += other[i];
  RequireFinite(sum);
  AssignElements(sum);
}

void TMatrix::Multiply(const TMatrix& b)
{
  if (colCount_ != b.RowCount())
    throw EMatrixException(kCanNotMultiply);
  const int rows = rowCount_;
  const int cols = b.ColCount();
  std::vector<Extended> product = DenseProduct(Elements(), b.Elements(), rows, colCount_, cols);
  RequireFinite(product);
  SetSize(rows, cols);
  AssignElements(product);
}

void TMatrix::Scale(Extended value)
{
  std::vector<Extended> scaled = Elements();
  for (Extended& v : scaled)
    v *= value;
  RequireFinite(scaled);
  AssignElements(scaled);
}

void TMatrix::SetDiagonal(Extended value)
{
  RequireSquare(*this);
  Fill(0);
  for (int i = 0; i < rowCount_; ++i)
    SetElement(i, i, value);
}

void TMatrix::Power(int n)
{
  if (n == 1)
    return;
  if (n >= 2 && rowCount_ != colCount_)
    throw EMatrixException(kCanNotMultiply);
  RequireSquare(*this);
  const int size = rowCount_;
  std::vector<Extended> base = n < 0 ? Inverse()->Elements() : Elements();
  std::vector<Extended> result = Identity(size);
  std::uint64_t exponent = n < 0 ? std::uint64_t(-std::int64_t(n)) : std::uint64_t(n);
  while (exponent != 0) {
    if (exponent & 1) {
      result = DenseProduct(result, base, size, size, size);
      RequireFinite(result);
    }
    exponent >>= 1;
    if (exponent != 0) {
      base = DenseProduct(base, base, size, size, size);
      RequireFinite(base);
    }
  }
  AssignElements(result);
}

void TMatrix::ExchangeRows(int i, int j)
{
  for (int k = 0; k < colCount_; ++k) {
    const Extended v = GetElement(i, k);
    SetElement(i, k, GetElement(j, k));
    SetElement(j, k, v);
  }
}

void TMatrix::AddRowMultiple(int target, int source, Extended factor)
{
  for (int k = 0; k < colCount_; ++k)
    SetElement(target, k, GetElement(target, k) + factor * GetElement(source, k));
}

void TMatrix::ScaleRow(int row, Extended factor)
{
  for (int k = 0; k < colCount_; ++k)
    SetElement(row, k, factor * GetElement(row, k));
}

Extended TMatrix::InvertWithDeterminant(TMatrix& companion)
{
  RequireSquare(*this);
  const int n = rowCount_;
  const int m = companion.ColCount();
  if (companion.RowCount() != n)
    throw EMatrixException(kSquareOnly);
  std::vector<Extended> w = Elements();
  std::vector<Extended> c = companion.Elements();
  const auto rowOp = [&](std::vector<Extended>& block, int cols, int target, int source, Extended f, int from) {
    for (int k = from; k < cols; ++k)
      block[Index(target, k, cols)] -= f * block[Index(source, k, cols)];
  };
  const auto swapRows = [](std::vector<Extended>& block, int cols, int i, int j) {
    for (int k = 0; k < cols; ++k)
      std::swap(block[Index(i, k, cols)], block[Index(j, k, cols)]);
  };

  Extended largest = 0;
  for (const Extended v : w)
    if (!(std::fabs(v) <= largest))
      largest = std::fabs(v);
  const Extended bound = SingularPivotBound(n, largest);
  TDeterminantProduct det;
  Extended result = 0;
  bool singular = false;
  for (int j = 0; j < n && !singular; ++j) {
    int pivot = j;
    for (int i = j + 1; i < n; ++i)
      if (std::fabs(w[Index(i, j, n)]) > std::fabs(w[Index(pivot, j, n)]))
        pivot = i;
    if (!(std::fabs(w[Index(pivot, j, n)]) > bound)) {
      singular = true;
      break;
    }
    if (pivot != j) {
      swapRows(w, n, pivot, j);
      swapRows(c, m, pivot, j);
      det.Negate();
    }
    for (int d = j + 1; d < n; ++d) {
      const Extended f = w[Index(d, j, n)] / w[Index(j, j, n)];
      if (f == 0)
        continue;
      rowOp(w, n, d, j, f, j);
      rowOp(c, m, d, j, f, 0);
    }
  }
  if (!singular) {
    for (int b = n - 1; b >= 0; --b)
      for (int a = b - 1; a >= 0; --a) {
        const Extended f = w[Index(a, b, n)] / w[Index(b, b, n)];
        if (f == 0)
          continue;
        rowOp(w, n, a, b, f, b);
        rowOp(c, m, a, b, f, 0);
      }
    for (int k = 0; k < n; ++k) {
      const Extended pivot = w[Index(k, k, n)];
      det.Multiply(pivot);
      for (int j = 0; j < m; ++j)
        c[Index(k, j, m)] /= pivot;
      for (int j = 0; j < n; ++j)
        w[Index(k, j, n)] /= pivot;
    }
    result = det.Value();
  }
  AssignElements(w);
  companion.AssignElements(c);
  return result;
}

std::unique_ptr<TMatrix> TMatrix::Copy() const
{
  std::unique_ptr<TMatrix> copy = NewMatrix();
  copy->CopyFrom(*this);
  return copy;
}

std::unique_ptr<TMatrix> TMatrix::Inverse() const
{
  RequireSquare(*this);
  RequireFinite(Elements());
  std::unique_ptr<TMatrix> work = Copy();
  std::unique_ptr<TMatrix> inverse = NewMatrix();
  inverse->SetSize(rowCount_, colCount_);
  inverse->SetDiagonal(1);
  if (work->InvertWithDeterminant(*inverse) == 0)
    throw EMatrixException(kCouldNotInverse);
  RequireFinite(inverse->Elements());
  return inverse;
}

std::unique_ptr<TMatrix> TMatrix::Product(const TMatrix& b) const
{
  std::unique_ptr<TMatrix> r = Copy();
  r->Multiply(b);
  return r;
}

std::unique_ptr<TMatrix> TMatrix::Sum(const TMatrix& b) const
{
  std::unique_ptr<TMatrix> r = Copy();
  r->Add(b);
  return r;
}

std::unique_ptr<TMatrix> TMatrix::Scaled(Extended value) const
{
  std::unique_ptr<TMatrix> r = Copy();
  r->Scale(value);
  return r;
}

std::unique_ptr<TMatrix> TMatrix::Powered(int n) const
{
  std::unique_ptr<TMatrix> r = Copy();
  r->Power(n);
  return r;
}

// TRealMatrix

TRealMatrix::TRealMatrix(int rows, int cols) { SetSize(rows, cols); }

Extended TRealMatrix::GetElement(int row, int col) const
{
  if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
    throw EMatrixException(std::string(kIndexOutOfBounds) + std::to_string(col) + " " + std::to_string(row));
  return values_[Index(row, col, colCount_)];
}

void TRealMatrix::SetElement(int row, int col, Extended value)
{
  if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
    throw EMatrixException(kIndexOutOfBounds);
  values_[Index(row, col, colCount_)] = value;
}

void TRealMatrix::SetSize(int rows, int cols)
{
  if (rows < 1 || cols < 1)
    throw EMatrixSize("Invalid dimensions...");
  if (rows == rowCount_ && cols == colCount_)
    return;
  std::vector<Extended> resized(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0);
  for (int i = 0; i < std::min(rows, rowCount_); ++i)
    for (int j = 0; j < std::min(cols, colCount_); ++j)
      resized[Index(i, j, cols)] = values_[Index(i, j, colCount_)];
  values_ = std::move(resized);
  rowCount_ = rows;
  colCount_ = cols;
}

std::unique_ptr<TMatrix> TRealMatrix::NewMatrix() const { return std::make_unique<TRealMatrix>(); }

// TRealVector

TRealVector::TRealVector(int count) { SetCount(count); }

Extended TRealVector::GetElement(int index) const
{
  if (index < 0 || index >= count_)
    throw EMatrixException(kIndexOutOfBounds);
  return values_[static_cast<std::size_t>(index)];
}

void TRealVector::SetElement(int index, Extended value)
{
  if (index < 0 || index >= count_)
    throw EMatrixException(kIndexOutOfBounds);
  values_[static_cast<std::size_t>(index)] = value;
}

void TRealVector::SetCount(int value)
{
  if (value <= 0)
    throw EMatrixSize("Invalid dimension...");
  values_.resize(static_cast<std::size_t>(value), 0);
  count_ = value;
}

}  // namespace tools
