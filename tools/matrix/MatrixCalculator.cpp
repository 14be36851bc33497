#include "tools/matrix/MatrixCalculator.h"

#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/EvalContext.h"
#include "engine/Evaluator.h"
#include "engine/ResultText.h"
#include "tools/matrix/Matrices.h"
#include "tools/matrix/MatrixText.h"

#include <algorithm>
#include <cmath>

namespace tools {

namespace {

using Op = TMatrixOperation;

TMatrixBlock BlockOf(const TMatrix& m)
{
  TMatrixBlock block(std::size_t(m.RowCount()), TVectorBlock(std::size_t(m.ColCount()), 0));
  for (int i = 0; i < m.RowCount(); ++i)
    for (int j = 0; j < m.ColCount(); ++j)
      block[std::size_t(i)][std::size_t(j)] = m.GetElement(i, j);
  return block;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with)
{
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

}  // namespace

bool EvaluateCell(const std::string& text, Extended& value)
{
  const bool ok = engine::EvalTypedText(text, value);
  engine::LastSearchExpr->clear();  // no extremum search is reused from one cell for the next
  return ok;
}

bool GridEvaluatesApart(const TMatrixGrid& grid)
{
  const std::unique_ptr<engine::TEvalContext> apart = engine::TEvalContext::CopyOfCurrent();
  const engine::TContextScope scope(*apart);
  Extended value = 0;
  for (int i = 1; i <= grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j)
      if (!EvaluateCell(grid.Cell(i, j), value))
        return false;
  return true;
}

void TMatrixCalculator::Select(TMatrixOperation operation)
{
  operation_ = operation;
  ClearGrid(c_);
  hasResult_ = false;
  TieSizes(a_, false);
}

bool TMatrixCalculator::UsesB() const
{
  return operation_ == Op::Solve || operation_ == Op::Sum || operation_ == Op::Product ||
         operation_ == Op::Difference;
}

std::string TMatrixCalculator::OperationLine() const
{
  const std::string a = a_.Name();
  const std::string b = b_.Name();
  const std::string c = c_.Name();
  switch (operation_) {
  case Op::None:
    return {};
  case Op::Solve:
    return a + "*(X)=" + b + " Solve->" + c;
  case Op::Sum:
    return a + "+" + b + "=" + c;
  case Op::Product:
    return a + "*" + b + "=" + c;
  case Op::Difference:
    return a + "-" + b + "=" + c;
  case Op::Inverse:
    return "inverse(" + a + ")=" + c;
  case Op::Power:
    return "Power(" + a + "," + std::to_string(PowerN) + ")=" + c;
  case Op::Determinant:
    return "det |" + a + "|=" + c + "[1,1]";
  case Op::Scaling:
    return MatrixValueText(ScaleFactor) + "*" + a + "=" + c;
  case Op::Function:
    return FunctionText + "=" + c;
  }
  return {};
}

void TMatrixCalculator::TieSizes(const TMatrixGrid& changed, bool colsChanged)
{
  const bool fromB = &changed == &b_;
  switch (operation_) {
  case Op::None:
    return;
  case Op::Solve:
  case Op::Inverse:
  case Op::Power:
  case Op::Determinant: {
    int n = colsChanged ? a_.Cols() : a_.Rows();
    if (fromB && operation_ == Op::Solve)
      n = b_.Rows();
    a_.SetSize(n, n);
    if (operation_ == Op::Solve) {
      b_.SetSize(n, 1);
      c_.SetSize(n, 1);
    } else {
      c_.SetSize(operation_ == Op::Determinant ? 1 : n, operation_ == Op::Determinant ? 1 : n);
    }
    return;
  }
  case Op::Sum:
  case Op::Difference:
    if (fromB && colsChanged)
      a_.SetSize(a_.Rows(), b_.Cols());
    b_.SetSize(a_.Rows(), a_.Cols());
    c_.SetSize(a_.Rows(), a_.Cols());
    return;
  case Op::Product:
    if (fromB)
      a_.SetSize(a_.Rows(), b_.Rows());
    else
      b_.SetSize(a_.Cols(), b_.Cols());
    c_.SetSize(a_.Rows(), b_.Cols());
    return;
  case Op::Scaling:
  case Op::Function:
    c_.SetSize(a_.Rows(), a_.Cols());
    return;
  }
}

bool TMatrixCalculator::ReadGrid(TMatrixGrid& grid, bool emptyIsZero, std::unique_ptr<TMatrix>& values,
                                 TCalculation& outcome)
{
  values = std::make_unique<TRealMatrix>(grid.Rows(), grid.Cols());
  for (int j = 1; j <= grid.Cols(); ++j)
    for (int i = 1; i <= grid.Rows(); ++i) {
      std::string text = grid.Cell(i, j);
      if (text.empty() && emptyIsZero) {
        text.assign(1, '0');
        grid.SetCell(i, j, text);
      }
      Extended value = 0;
      if (!EvaluateCell(text, value)) {
        outcome = {TCalculation::BadCell, &grid, i, j, {}};
        return false;
      }
      values->SetElement(i - 1, j - 1, value);
    }
  return true;
}

std::unique_ptr<TMatrix> TMatrixCalculator::Compute(const TMatrix& a, const TMatrix* b, TCalculation& outcome)
{
  switch (operation_) {
  case Op::Solve: {
    if (a.RowCount() != a.ColCount() || b->RowCount() != a.RowCount())
      throw EMatrixException(kSquareOnly);
    TVectorBlock x;
    const TMatrixBlock rhs = BlockOf(*b);
    TVectorBlock column(rhs.size());
    for (std::size_t i = 0; i < rhs.size(); ++i)
      column[i] = rhs[i][0];
    if (GaussJordanSolve(BlockOf(a), column, 0, a.ColCount() - 1, x) != 0) {
      for (int i = 1; i <= c_.Rows(); ++i)
        c_.SetCell(i, 1, {});
      outcome = {TCalculation::Failed, nullptr, 0, 0, kNoSolution};
      return nullptr;
    }
    auto result = std::make_unique<TRealMatrix>(a.ColCount(), 1);
    for (int i = 0; i < a.ColCount(); ++i) {
      if (!std::isfinite(x[std::size_t(i)]))
        throw EMatrixException(kMatrixOverflow);
      result->SetElement(i, 0, x[std::size_t(i)]);
    }
    return result;
  }
  case Op::Sum:
    return a.Sum(*b);
  case Op::Difference:
    return a.Sum(*b->Scaled(-1));
  case Op::Product:
    return a.Product(*b);
  case Op::Inverse:
    return a.Inverse();
  case Op::Power:
    return a.Powered(PowerN);
  case Op::Scaling:
    return a.Scaled(ScaleFactor);
  case Op::Determinant: {
    TMatrixBlock block = BlockOf(a);
    if (a.RowCount() != a.ColCount())
      throw EMatrixException(kSquareOnly);
    const Extended det = ArrayDeterminant(block, 0, a.ColCount() - 1);
    if (!std::isfinite(det))
      throw EMatrixException(kMatrixOverflow);
    auto result = std::make_unique<TRealMatrix>(1, 1);
    result->SetElement(0, 0, det);
    return result;
  }
  case Op::None:
  case Op::Function:
    break;
  }
  return nullptr;
}

std::unique_ptr<TMatrix> TMatrixCalculator::ElementFunction(bool& allValid)
{
  allValid = true;
  c_.SetSize(a_.Rows(), a_.Cols());
  auto values = std::make_unique<TRealMatrix>(a_.Rows(), a_.Cols());
  for (int j = 1; j <= a_.Cols(); ++j)
    for (int i = 1; i <= a_.Rows(); ++i) {
      Extended value = 0;
      std::string text;
      std::string operand(1, '(');
      operand.append(a_.Cell(i, j)).push_back(')');
      if (EvaluateCell(ReplaceAll(FunctionText, "(A)", operand), value)) {
        engine::ErrorFlag = false;
        text = engine::FormatResult(engine::ValueDigits, value);
      }
      if (text.empty() || engine::ErrorFlag) {
        allValid = false;
        text = kCellError;
      }
      c_.SetCell(i, j, text);
      values->SetElement(i - 1, j - 1, value);
    }
  return values;
}

TCalculation TMatrixCalculator::Calculate()
{
  TCalculation outcome;
  if (operation_ == Op::None)
    return outcome;
  std::unique_ptr<TMatrix> a;
  std::unique_ptr<TMatrix> b;
  if (!ReadGrid(a_, true, a, outcome))
    return outcome;
  if (UsesB() && !ReadGrid(b_, true, b, outcome))
    return outcome;

  std::unique_ptr<TMatrix> c;
  bool storeC = true;
  if (operation_ == Op::Function) {
    c = ElementFunction(storeC);
  } else {
    try {
      c = Compute(*a, b.get(), outcome);
    } catch (const EMatrixException& e) {
      return {TCalculation::Failed, nullptr, 0, 0, e.what()};
    }
    if (!c)
      return outcome;
    Show(*c);
  }
  hasResult_ = true;
  const std::string word = Word();
  Store(a_, std::move(a), word);
  if (UsesB())
    Store(b_, std::move(b), word);
  if (storeC)
    Store(c_, std::move(c), word);
  return outcome;
}

void TMatrixCalculator::Show(const TMatrix& result)
{
  c_.SetSize(result.RowCount(), result.ColCount());
  for (int i = 0; i < result.RowCount(); ++i)
    for (int j = 0; j < result.ColCount(); ++j)
      c_.SetCell(i + 1, j + 1, MatrixValueText(result.GetElement(i, j)));
}

std::string TMatrixCalculator::Word() const
{
  switch (operation_) {
  case Op::Solve:
    return "Solve";
  case Op::Sum:
  case Op::Difference:
    return "Add";
  case Op::Product:
  case Op::Scaling:
  case Op::Function:
    return "Mult";
  case Op::Inverse:
    return "Inverse";
  case Op::Power:
    return "Power" + std::to_string(PowerN);
  case Op::Determinant:
    return "Det";
  case Op::None:
    break;
  }
  return {};
}

void TMatrixCalculator::Store(const TMatrixGrid& grid, std::unique_ptr<TMatrix> values, const std::string& word)
{
  std::string name = grid.Name() + std::to_string(values->RowCount()) + std::to_string(values->ColCount()) + word;
  repository_.push_back({std::move(name), std::move(values)});
}

void TMatrixCalculator::WriteEntry(std::size_t index, TMatrixGrid& grid) const
{
  const TMatrix& m = *repository_.at(index).Matrix;
  for (int i = 1; i <= std::min(grid.Rows(), m.RowCount()); ++i)
    for (int j = 1; j <= std::min(grid.Cols(), m.ColCount()); ++j)
      grid.SetCell(i, j, MatrixValueText(m.GetElement(i - 1, j - 1)));
}

std::vector<std::string> TMatrixCalculator::FileLines() const
{
  std::vector<std::string> lines{OperationLine()};
  AppendMatrixLines(a_, lines);
  if (UsesB())
    AppendMatrixLines(b_, lines);
  AppendMatrixLines(c_, lines);
  return lines;
}

}  // namespace tools
