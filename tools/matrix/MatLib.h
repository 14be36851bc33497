#pragma once
// Matrices and vectors of Extended values with whole-matrix operations. Failures raise
// EMatrixException with fixed messages; a result that is not finite is "Overflow" and changes nothing.

#include "engine/Extended.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tools {

using engine::Extended;

class EMatrixException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A size below 1 ("Invalid dimensions...", "Invalid dimension...").
class EMatrixSize : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

inline const char* const kCanNotAdd = "Can not add these matrixes";
inline const char* const kCanNotMultiply = "Can not Multiply";
inline const char* const kSquareOnly = "This operation can be applied only to square matrix";
inline const char* const kCouldNotInverse = "Could not inverse this matrix";
inline const char* const kIndexOutOfBounds = "Index out of bounds";
inline const char* const kMatrixOverflow = "Overflow";

// The matrix interface; elements are addressed 0-based as (row, column). Operations that need a new
// matrix make one of the same class through NewMatrix.
class TMatrix {
public:
  virtual ~TMatrix() = default;

  int RowCount() const { return rowCount_; }
  int ColCount() const { return colCount_; }
  // Resize keeping the common part; a count below 1 leaves the matrix as it is.
  void SetRowCount(int rows);
  void SetColCount(int cols);

  virtual Extended GetElement(int row, int col) const = 0;
  virtual void SetElement(int row, int col, Extended value) = 0;
  // Rows or Cols below 1 raise EMatrixSize; new elements are 0.
  virtual void SetSize(int rows, int cols) = 0;
  // A new matrix of this class, 5 by 5 and all zero.
  virtual std::unique_ptr<TMatrix> NewMatrix() const = 0;

  // In place: A := ...
  void CopyFrom(const TMatrix& source);
  void Fill(Extended value);
  void Add(const TMatrix& b);
  void Multiply(const TMatrix& b);
  void Scale(Extended value);
  void SetDiagonal(Extended value);
  // A^n by repeated squaring: A^1 is A, A^0 the identity, A^-n the inverse to the power n.
  void Power(int n);
  void ExchangeRows(int i, int j);
  void AddRowMultiple(int target, int source, Extended factor);
  void ScaleRow(int row, Extended factor);
  // Gauss-Jordan elimination with partial pivoting of this matrix, applied in step to the companion;
  // returns the determinant, 0 when a pivot falls below SingularPivotBound (then both are left
  // part-way). A companion that starts as the identity ends as the inverse.
  Extended InvertWithDeterminant(TMatrix& companion);

  // New matrices; this one stays as it is.
  std::unique_ptr<TMatrix> Copy() const;
  std::unique_ptr<TMatrix> Inverse() const;
  std::unique_ptr<TMatrix> Product(const TMatrix& b) const;
  std::unique_ptr<TMatrix> Sum(const TMatrix& b) const;
  std::unique_ptr<TMatrix> Scaled(Extended value) const;
  std::unique_ptr<TMatrix> Powered(int n) const;

protected:
  int rowCount_ = 0;
  int colCount_ = 0;

private:
  std::vector<Extended> Elements() const;
  void AssignElements(const std::vector<Extended>& values);
};

class TRealMatrix : public TMatrix {
public:
  TRealMatrix() : TRealMatrix(5, 5) {}
  TRealMatrix(int rows, int cols);

  // An index outside the matrix raises "Index out of bounds" (reading adds "<col> <row>").
  Extended GetElement(int row, int col) const override;
  void SetElement(int row, int col, Extended value) override;
  void SetSize(int rows, int cols) override;
  std::unique_ptr<TMatrix> NewMatrix() const override;

private:
  std::vector<Extended> values_;  // row by row
};

class TVector {
public:
  virtual ~TVector() = default;
  int Count() const { return count_; }
  virtual Extended GetElement(int index) const = 0;
  virtual void SetElement(int index, Extended value) = 0;
  // Value <= 0 raises EMatrixSize; new elements are 0.
  virtual void SetCount(int value) = 0;

protected:
  int count_ = 0;
};

class TRealVector : public TVector {
public:
  explicit TRealVector(int count = 5);
  Extended GetElement(int index) const override;
  void SetElement(int index, Extended value) override;
  void SetCount(int value) override;

private:
  std::vector<Extended> values_;
};

}  // namespace tools
