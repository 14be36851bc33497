#pragma once
// Gridded data: a matrix of doubles and a vector of doubles with the running minimum and maximum of
// what was stored (overwriting never moves them back; only a reset does), and a matrix of texts.
// Indices are 1-based and checked: an index outside the grid raises std::out_of_range (the texts
// give an empty string instead).

#include <QString>
#include <QStringList>
#include <vector>

namespace plot {

class TMatrix {
public:
  TMatrix(int rows, int cols) { Resize(rows, cols); }
  TMatrix(const TMatrix&) = default;
  TMatrix(TMatrix&&) noexcept = default;  // a grid handed over keeps its values, not a copy
  TMatrix& operator=(const TMatrix&) = default;
  TMatrix& operator=(TMatrix&&) noexcept = default;
  virtual ~TMatrix() = default;

  // A zero matrix of the new size; extremes reset.
  void Resize(int rows, int cols);
  void Assign(const TMatrix& source);
  // MissingValue of either sign does not count for the extremes.
  void SetValue(int row, int col, double x);
  // A row of Rows + 1 reads the last row.
  virtual double GetValue(int row, int col) const;
  virtual int GetRowCount() const { return Rows; }
  virtual int GetColCount() const { return Cols; }
  // The values row by row, Cols to a row (for loops over the whole matrix).
  const std::vector<double>& Data() const { return values_; }

  int Rows = 0;
  int Cols = 0;
  double MinValue = 3e300;
  double MaxValue = -3e300;

private:
  std::size_t Index(int row, int col) const;
  std::vector<double> values_;  // row by row
};

class TVector {
public:
  explicit TVector(int count) { SetLength(count); }

  // A zero vector of the new length; extremes reset.
  void SetLength(int count);
  void Assign(const TVector& source);
  void SetValue(int i, double x);
  double GetValue(int i) const;
  int GetCount() const { return Count; }
  // The values in order (index 0 is value 1).
  const std::vector<double>& Values() const { return values_; }

  int Count = 0;
  double MaxValue = -1e30;
  double MinValue = 1e30;

private:
  std::size_t Index(int i) const;
  std::vector<double> values_;
};

// Stored column by column: (row, col) is entry row + (col - 1) * Rows - 1.
class TStringMatrix {
public:
  TStringMatrix(int rows, int cols);
  void SetCell(int row, int col, const QString& s);  // nothing outside the matrix
  QString GetCell(int row, int col) const;            // empty outside the matrix

  int Rows;
  int Cols;
  QStringList Strings;
};

}  // namespace plot
