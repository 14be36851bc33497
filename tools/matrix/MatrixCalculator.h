#pragma once
// The matrix calculator without its window: the operation chosen, its parameters, the size ties of
// the three grids, "=" over the grids' cell texts, and the repository of results.

#include "tools/matrix/MatLib.h"
#include "tools/matrix/MatrixGrid.h"

#include <memory>
#include <string>
#include <vector>

namespace tools {

enum class TMatrixOperation {
  None,
  Solve,
  Sum,
  Product,
  Inverse,
  Power,
  Determinant,
  Difference,
  Scaling,
  Function,
};

inline const char* const kNoSolution = "No solution for this equations";
inline const char* const kCellError = "Error";

// A stored matrix: the name shown in the list and the values as computed.
struct TRepositoryEntry {
  std::string Name;
  std::unique_ptr<TMatrix> Matrix;
};

// What "=" came to.
struct TCalculation {
  enum Kind { Done, BadCell, Failed } Outcome = Done;
  TMatrixGrid* Grid = nullptr;  // BadCell: the grid and the cell that did not evaluate
  int Row = 0;
  int Col = 0;
  std::string Message;  // Failed: the text to show with an error icon
};

// A cell's text evaluated by the engine with its full checks; false when the engine reports an error.
bool EvaluateCell(const std::string& text, Extended& value);

// True when every cell of the grid evaluates (an empty cell counts as 0), judged in a copy of the
// current evaluation context, so that nothing a cell assigns or records stays.
bool GridEvaluatesApart(const TMatrixGrid& grid);

class TMatrixCalculator {
public:
  TMatrixCalculator(TMatrixGrid& a, TMatrixGrid& b, TMatrixGrid& c) : a_(a), b_(b), c_(c) {}

  TMatrixOperation Operation() const { return operation_; }
  // Selects an operation: C is emptied and the sizes tied.
  void Select(TMatrixOperation operation);
  bool UsesB() const;
  // The operation line, from the grids' names and the parameters.
  std::string OperationLine() const;

  Extended ScaleFactor = 0;
  int PowerN = 2;
  std::string FunctionText;

  // After A's or B's size changed: the other grids follow the ties of the operation.
  void TieSizes(const TMatrixGrid& changed, bool colsChanged);

  // "=": evaluates A (and B), runs the operation, shows the result in C and stores operands and
  // result. A bad cell or a failure changes nothing but what the outcome says.
  TCalculation Calculate();
  // True while C shows the result of the last "=" (C's copy commands are offered).
  bool HasResult() const { return hasResult_; }

  const std::vector<TRepositoryEntry>& Repository() const { return repository_; }
  // Writes a stored matrix into a grid as far as it fits.
  void WriteEntry(std::size_t index, TMatrixGrid& grid) const;

  // The lines of the text file: operation line, A, B for the operations that use it, C.
  std::vector<std::string> FileLines() const;

private:
  // Evaluates every cell (empty ones of A and B become "0"); false at the first bad cell.
  bool ReadGrid(TMatrixGrid& grid, bool emptyIsZero, std::unique_ptr<TMatrix>& values, TCalculation& outcome);
  std::unique_ptr<TMatrix> Compute(const TMatrix& a, const TMatrix* b, TCalculation& outcome);
  std::unique_ptr<TMatrix> ElementFunction(bool& allValid);
  void Show(const TMatrix& result);
  void Store(const TMatrixGrid& grid, std::unique_ptr<TMatrix> values, const std::string& word);
  std::string Word() const;

  TMatrixGrid& a_;
  TMatrixGrid& b_;
  TMatrixGrid& c_;
  TMatrixOperation operation_ = TMatrixOperation::None;
  bool hasResult_ = false;
  std::vector<TRepositoryEntry> repository_;
};

}  // namespace tools
