#include "tools/matrix/Matrices.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tools {

namespace {

bool BoundIn(int n, int max) { return 0 <= n && n <= max; }

// No pivot above the bound: singular. Written so that a NaN pivot counts as singular too.
bool BelowBound(Extended pivot, Extended bound) { return !(std::fabs(pivot) > bound); }

}  // namespace

TVectorBlock AllocVector(int n)
{
  if (!BoundIn(n, kMaxVectorBound))
    return {};
  return TVectorBlock(static_cast<std::size_t>(n) + 1, 0);
}

TIndexVector AllocIndexVector(int n)
{
  if (!BoundIn(n, kMaxVectorBound))
    return {};
  return TIndexVector(static_cast<std::size_t>(n) + 1, 0);
}

TMatrixBlock AllocMatrix(int n, int m)
{
  if (!BoundIn(n, kMaxMatrixRowBound) || !BoundIn(m, kMaxVectorBound))
    return {};
  return TMatrixBlock(static_cast<std::size_t>(n) + 1, TVectorBlock(static_cast<std::size_t>(m) + 1, 0));
}

void SwapMatrixRows(int i, int j, TMatrixBlock& a, int hi, int lo)
{
  for (int k = lo; k <= hi; ++k)
    std::swap(a[i][k], a[j][k]);
}

void SwapMatrixColumns(int i, int j, TMatrixBlock& a, int hi, int lo)
{
  for (int k = lo; k <= hi; ++k)
    std::swap(a[k][i], a[k][j]);
}

void CopyVectorRange(TVectorBlock& destination, const TVectorBlock& source, int lo, int hi)
{
  for (int k = lo; k <= hi; ++k)
    destination[k] = source[k];
}

void CopyMatrixRange(TMatrixBlock& destination, const TMatrixBlock& source, int lo, int hi)
{
  for (int i = lo; i <= hi; ++i)
    CopyVectorRange(destination[i], source[i], lo, hi);
}

void TDeterminantProduct::Multiply(Extended factor)
{
  int factorExponent = 0;
  int productExponent = 0;
  const Extended factorMantissa = std::frexp(factor, &factorExponent);
  mantissa_ = std::frexp(mantissa_ * factorMantissa, &productExponent);
  exponent_ += factorExponent + productExponent;
}

Extended TDeterminantProduct::Value() const
{
  if (mantissa_ == 0 || !std::isfinite(mantissa_))
    return mantissa_;
  if (exponent_ > std::numeric_limits<Extended>::max_exponent)
    return std::copysign(std::numeric_limits<Extended>::infinity(), mantissa_);
  if (exponent_ < std::numeric_limits<Extended>::min_exponent - std::numeric_limits<Extended>::digits)
    return std::copysign(Extended(0), mantissa_);
  return std::ldexp(mantissa_, static_cast<int>(exponent_));
}

Extended SingularPivotBound(int n, Extended maxAbs)
{
  if (!std::isfinite(maxAbs))
    return std::numeric_limits<Extended>::infinity();
  return n * std::ldexp(maxAbs, -63);
}

Extended MaxMagnitude(const TMatrixBlock& a, int lo, int hi)
{
  Extended largest = 0;
  for (int i = lo; i <= hi; ++i)
    for (int k = lo; k <= hi; ++k) {
      const Extended v = std::fabs(a[i][k]);
      if (std::isnan(v))
        return v;
      largest = std::max(largest, v);
    }
  return largest;
}

int GaussJordanSolve(const TMatrixBlock& a, const TVectorBlock& b, int lo, int hi, TVectorBlock& x)
{
  if (hi < lo)
    return -1;
  TMatrixBlock w = a;
  TVectorBlock y = b;
  const Extended bound = SingularPivotBound(hi - lo + 1, MaxMagnitude(a, lo, hi));
  TIndexVector pivotRow(static_cast<std::size_t>(hi) + 1, 0);
  TIndexVector pivotCol(static_cast<std::size_t>(hi) + 1, 0);

  for (int i = lo; i <= hi; ++i) {
    // The first largest remaining element in row order.
    Extended p = w[i][i];
    pivotRow[i] = i;
    pivotCol[i] = i;
    for (int j = i; j <= hi; ++j)
      for (int k = i; k <= hi; ++k)
        if (std::fabs(w[j][k]) > std::fabs(p)) {
          p = w[j][k];
          pivotRow[i] = j;
          pivotCol[i] = k;
        }
    if (BelowBound(p, bound))
      return -1;
    if (pivotRow[i] != i) {
      SwapMatrixRows(pivotRow[i], i, w, hi, lo);
      std::swap(y[pivotRow[i]], y[i]);
    }
    if (pivotCol[i] != i)
      SwapMatrixColumns(pivotCol[i], i, w, hi, lo);

    w[i][i] = 1;
    for (int k = lo; k <= hi; ++k)
      if (k != i)
        w[i][k] /= p;
    y[i] /= p;
    for (int j = lo; j <= hi; ++j) {
      if (j == i)
        continue;
      const Extended l = w[j][i];
      if (l == 0)
        continue;
      w[j][i] = 0;
      for (int k = lo; k <= hi; ++k)
        if (k != i)
          w[j][k] -= l * w[i][k];
      y[j] -= l * y[i];
    }
  }
  // Column exchanges exchanged the unknowns: put them back in their order.
  for (int k = hi; k >= lo; --k)
    if (pivotCol[k] != k)
      std::swap(y[pivotCol[k]], y[k]);

  if (x.size() < y.size())
    x.resize(y.size(), 0);
  CopyVectorRange(x, y, lo, hi);
  return 0;
}

Extended ArrayDeterminant(TMatrixBlock& m, int lo, int hi)
{
  if (hi < lo)
    return 0;
  if (!std::isfinite(MaxMagnitude(m, lo, hi)))
    return std::numeric_limits<Extended>::quiet_NaN();
  TDeterminantProduct det;
  for (int i = lo; i <= hi; ++i) {
    int pivot = i;
    for (int j = i + 1; j <= hi; ++j)
      if (std::fabs(m[j][i]) > std::fabs(m[pivot][i]))
        pivot = j;
    if (m[pivot][i] == 0)
      return 0;
    if (pivot != i) {
      SwapMatrixRows(pivot, i, m, hi, lo);
      det.Negate();
    }
    for (int j = i + 1; j <= hi; ++j) {
      const Extended f = m[j][i] / m[i][i];
      if (f == 0)
        continue;
      m[j][i] = 0;
      for (int k = i + 1; k <= hi; ++k)
        m[j][k] -= f * m[i][k];
    }
    det.Multiply(m[i][i]);
  }
  return det.Value();
}

}  // namespace tools
