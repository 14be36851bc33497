#pragma once
// Blocks of Extended values indexed from 0 to a bound, and the linear-algebra routines over them:
// the solution of a linear system and the determinant. They raise nothing: a bad bound makes an
// empty block, a singular system gives -1 and a singular matrix a determinant of 0.

#include "engine/Extended.h"

#include <cstdint>
#include <vector>

namespace tools {

using engine::Extended;

using TVectorBlock = std::vector<Extended>;
using TIndexVector = std::vector<std::int32_t>;
using TMatrixBlock = std::vector<std::vector<Extended>>;  // rows of elements

inline constexpr int kMaxVectorBound = 65534;
inline constexpr int kMaxMatrixRowBound = 16382;

// Zeroed blocks of n + 1 elements (n + 1 rows of m + 1); empty when a bound is outside its range.
TVectorBlock AllocVector(int n);
TIndexVector AllocIndexVector(int n);
TMatrixBlock AllocMatrix(int n, int m);

void SwapMatrixRows(int i, int j, TMatrixBlock& a, int hi, int lo);
void SwapMatrixColumns(int i, int j, TMatrixBlock& a, int hi, int lo);
void CopyVectorRange(TVectorBlock& destination, const TVectorBlock& source, int lo, int hi);
void CopyMatrixRange(TMatrixBlock& destination, const TMatrixBlock& source, int lo, int hi);

// The smallest pivot magnitude taken as non-zero in an n by n elimination whose elements reach
// maxAbs: n * 2^-63 * maxAbs. A matrix of zeros, or one with a value that is not finite, has no pivot.
Extended SingularPivotBound(int n, Extended maxAbs);
// The largest magnitude among rows and columns lo..hi.
Extended MaxMagnitude(const TMatrixBlock& a, int lo, int hi);

// A product of pivots kept as mantissa and binary exponent, so that no partial product overflows or
// underflows on the way to a representable determinant.
class TDeterminantProduct {
public:
  void Multiply(Extended factor);
  void Negate() { mantissa_ = -mantissa_; }
  // The product; infinite when it lies beyond the Extended range.
  Extended Value() const;

private:
  Extended mantissa_ = 1;
  long exponent_ = 0;
};

// Solves A x = B over rows and columns lo..hi by Gauss-Jordan elimination with full pivoting.
// Returns 0 with the solution in X (resized as needed), or -1 when A is singular or holds a value that
// is not finite (X then unchanged).
int GaussJordanSolve(const TMatrixBlock& a, const TVectorBlock& b, int lo, int hi, TVectorBlock& x);
// The determinant over rows and columns lo..hi by Gaussian elimination with partial pivoting, every
// non-zero entry below a pivot eliminated; 0 when a column has no non-zero pivot, NaN when an element is not finite, infinite when the
// determinant lies beyond the Extended range. The matrix is changed by the elimination.
Extended ArrayDeterminant(TMatrixBlock& m, int lo, int hi);

}  // namespace tools
