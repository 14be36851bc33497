#include "tools/matrix/MatrixCalculator.h"
#include "tools/matrix/MatrixText.h"

#include "engine/EngineState.h"
#include "engine/ResultText.h"

#include <gtest/gtest.h>

namespace tools {
namespace {

using Texts = std::vector<std::vector<std::string>>;

Texts TextsOf(const TMatrixGrid& grid)
{
  Texts texts(std::size_t(grid.Rows()));
  for (int i = 1; i <= grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j)
      texts[std::size_t(i - 1)].push_back(grid.Cell(i, j));
  return texts;
}

void Put(TMatrixGrid& grid, const Texts& texts)
{
  grid.SetSize(int(texts.size()), int(texts[0].size()));
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = 0; j < texts[i].size(); ++j)
      grid.SetCell(int(i + 1), int(j + 1), texts[i][j]);
}

std::vector<std::string> Names(const TMatrixCalculator& calculator)
{
  std::vector<std::string> names;
  for (const TRepositoryEntry& e : calculator.Repository())
    names.push_back(e.Name);
  return names;
}

class MatrixCalculatorTest : public testing::Test {
protected:
  // "=" of an operation over A (and B); the texts of C.
  Texts Run(TMatrixOperation op, const Texts& a, const Texts& b = {})
  {
    calculator.Select(op);
    Put(A, a);
    calculator.TieSizes(A, false);
    if (!b.empty()) {
      Put(B, b);
      calculator.TieSizes(B, true);
    }
    outcome = calculator.Calculate();
    return TextsOf(C);
  }

  TMatrixTable A{"A", 4, 4};
  TMatrixTable B{"B", 4, 4};
  TMatrixTable C{"C", 4, 4};
  TMatrixCalculator calculator{A, B, C};
  TCalculation outcome;
};

TEST_F(MatrixCalculatorTest, OperationsShowTheirResults)
{
  using Op = TMatrixOperation;
  const struct {
    const char* name;
    Op op;
    Texts a;
    Texts b;
    Texts c;
  } cases[] = {
      {"inverse", Op::Inverse, {{"4", "7"}, {"2", "6"}}, {}, {{"0.6", "-0.7"}, {"-0.2", "0.4"}}},
      {"Pascal inverse",
       Op::Inverse,
       {{"1", "1", "1", "1"}, {"1", "2", "3", "4"}, {"1", "3", "6", "10"}, {"1", "4", "10", "20"}},
       {},
       {{"4", "-6", "4", "-1"}, {"-6", "14", "-11", "3"}, {"4", "-11", "10", "-3"}, {"-1", "3", "-3", "1"}}},
      {"determinant", Op::Determinant, {{"6", "1", "1"}, {"4", "-2", "5"}, {"2", "8", "7"}}, {}, {{"-306"}}},
      {"determinant past 2^-63", Op::Determinant, {{"1", "1E20"}, {"1E-20", "3"}}, {}, {{"2"}}},
      {"solve", Op::Solve, {{"2", "1", "-1"}, {"-3", "-1", "2"}, {"-2", "1", "2"}}, {{"8"}, {"-11"}, {"-3"}},
       {{"2"}, {"3"}, {"-1"}}},
      {"power", Op::Power, {{"1", "1"}, {"1", "0"}}, {}, {{"89", "55"}, {"55", "34"}}},
      {"product 2x3 by 3x4", Op::Product, {{"1", "2", "3"}, {"4", "5", "6"}},
       {{"1", "0", "0", "1"}, {"0", "1", "0", "1"}, {"0", "0", "1", "1"}}, {{"1", "2", "3", "6"}, {"4", "5", "6", "15"}}},
      {"sum", Op::Sum, {{"1", "2"}}, {{"0.5", "-2"}}, {{"1.5", "0"}}},
      {"difference", Op::Difference, {{"1", "2"}}, {{"0.5", "-2"}}, {{"0.5", "4"}}},
      {"cells are expressions", Op::Sum, {{"2^10", "sqrt(2)"}}, {{"-1", "1/3"}}, {{"1023", "1.747547"}}},
      {"negative zero shows 0", Op::Sum, {{"-0"}}, {{"0*(-1)"}}, {{"0"}}},
      {"empty cells are 0", Op::Sum, {{"", "1"}}, {{"1", ""}}, {{"1", "1"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    calculator.PowerN = 10;
    EXPECT_EQ(Run(c.op, c.a, c.b), c.c);
    EXPECT_EQ(outcome.Outcome, TCalculation::Done) << outcome.Message;
  }
}

TEST_F(MatrixCalculatorTest, RepositoryNamesAndStoredValues)
{
  Run(TMatrixOperation::Solve, {{"2", "1"}, {"1", "3"}}, {{"3"}, {"5"}});
  EXPECT_EQ(TextsOf(C), (Texts{{"0.8"}, {"1.4"}}));
  EXPECT_EQ(Names(calculator), (std::vector<std::string>{"A22Solve", "B21Solve", "C21Solve"}));

  // The stored result is the computed value, not the shown text.
  Run(TMatrixOperation::Inverse, {{"3"}});
  EXPECT_EQ(TextsOf(C), (Texts{{"0.3333333"}}));
  EXPECT_EQ(calculator.Repository().back().Matrix->GetElement(0, 0), Extended(1) / 3);
  EXPECT_EQ(calculator.Repository().back().Name, "C11Inverse");

  Run(TMatrixOperation::Determinant, {{"1", "2"}, {"3", "4"}});
  EXPECT_EQ(Names(calculator).back(), "C11Det");
  calculator.PowerN = 3;
  Run(TMatrixOperation::Power, {{"2"}});
  EXPECT_EQ(Names(calculator).back(), "C11Power3");
  EXPECT_EQ(TextsOf(C), (Texts{{"8"}}));

  TMatrixTable target("A", 2, 2);
  calculator.WriteEntry(0, target);
  EXPECT_EQ(TextsOf(target), (Texts{{"2", "1"}, {"1", "3"}}));
}

TEST_F(MatrixCalculatorTest, FailuresLeaveCAndTheRepository)
{
  using Op = TMatrixOperation;
  const struct {
    const char* name;
    Op op;
    Texts a;
    Texts b;
    const char* message;
  } cases[] = {
      {"singular inverse", Op::Inverse, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}, {}, kCouldNotInverse},
      {"zero row", Op::Inverse, {{"1", "2"}, {"0", "0"}}, {}, kCouldNotInverse},
      {"overflow", Op::Sum, {{"1E4932"}}, {{"1E4932"}}, kMatrixOverflow},
      {"overflowing determinant", Op::Determinant, {{"1E3000", "0"}, {"0", "1E3000"}}, {}, kMatrixOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Run(Op::Sum, {{"1"}}, {{"2"}});
    const std::size_t stored = calculator.Repository().size();
    calculator.Select(c.op);
    Put(A, c.a);
    calculator.TieSizes(A, false);
    if (!c.b.empty())
      Put(B, c.b);
    FillGrid(C, "kept");
    outcome = calculator.Calculate();
    EXPECT_EQ(outcome.Outcome, TCalculation::Failed);
    EXPECT_EQ(outcome.Message, c.message);
    EXPECT_EQ(calculator.Repository().size(), stored);
    EXPECT_EQ(C.Cell(1, 1), "kept");
  }

  // A singular system empties C's column and stores nothing.
  const std::size_t stored = calculator.Repository().size();
  EXPECT_EQ(Run(Op::Solve, {{"1", "2"}, {"2", "4"}}, {{"1"}, {"2"}}), (Texts{{""}, {""}}));
  EXPECT_EQ(outcome.Message, kNoSolution);
  EXPECT_EQ(calculator.Repository().size(), stored);
}

TEST_F(MatrixCalculatorTest, BadCellIsReportedWhereItIs)
{
  // The parentheses are checked in full: "2)*3" is not 2.
  Run(TMatrixOperation::Sum, {{"1", "2"}, {"3", "2)*3"}}, {{"1", "1"}, {"1", "1"}});
  EXPECT_EQ(outcome.Outcome, TCalculation::BadCell);
  EXPECT_EQ(outcome.Grid, &A);
  EXPECT_EQ(outcome.Row, 2);
  EXPECT_EQ(outcome.Col, 2);
  EXPECT_TRUE(calculator.Repository().empty());

  Run(TMatrixOperation::Product, {{"1"}}, {{"sin("}});
  EXPECT_EQ(outcome.Outcome, TCalculation::BadCell);
  EXPECT_EQ(outcome.Grid, &B);
}

TEST_F(MatrixCalculatorTest, ElementFunction)
{
  calculator.FunctionText = "sin(A)+cos(A)/3";
  const std::string third = engine::FormatResult(engine::ValueDigits, Extended(1) / 3);
  EXPECT_EQ(Run(TMatrixOperation::Function, {{"0", "pi/2"}}), (Texts{{third, engine::FormatResult(engine::ValueDigits, 1)}}));
  EXPECT_EQ(calculator.OperationLine(), "sin(A)+cos(A)/3=C");
  EXPECT_EQ(Names(calculator), (std::vector<std::string>{"A12Mult", "C12Mult"}));

  // A substitution that fails shows "Error"; a result holding an error is not stored, A is.
  calculator.FunctionText = "ln(A)";
  EXPECT_EQ(Run(TMatrixOperation::Function, {{"1", "-1"}}), (Texts{{engine::FormatResult(engine::ValueDigits, 0), "Error"}}));
  EXPECT_EQ(Names(calculator).size(), 3u);
  EXPECT_EQ(Names(calculator).back(), "A12Mult");
}

TEST_F(MatrixCalculatorTest, SizesFollowTheOperation)
{
  using Op = TMatrixOperation;
  calculator.Select(Op::Product);
  A.SetSize(2, 3);
  calculator.TieSizes(A, true);
  EXPECT_EQ(B.Rows(), 3);
  B.SetSize(3, 5);
  calculator.TieSizes(B, true);
  EXPECT_EQ(C.Rows(), 2);
  EXPECT_EQ(C.Cols(), 5);

  calculator.Select(Op::Solve);
  A.SetSize(3, 7);
  calculator.TieSizes(A, false);
  EXPECT_EQ(A.Cols(), 3);
  EXPECT_EQ(B.Rows(), 3);
  EXPECT_EQ(B.Cols(), 1);
  EXPECT_EQ(C.Cols(), 1);

  calculator.Select(Op::Determinant);
  EXPECT_EQ(C.Rows(), 1);
  EXPECT_EQ(C.Cols(), 1);
  EXPECT_EQ(calculator.OperationLine(), "det |A|=C[1,1]");

  calculator.Select(Op::Sum);
  B.SetSize(3, 2);
  calculator.TieSizes(B, true);
  EXPECT_EQ(A.Cols(), 2);
  EXPECT_EQ(C.Cols(), 2);
  B.SetSize(9, 2);
  calculator.TieSizes(B, false);
  EXPECT_EQ(B.Rows(), 3);  // B's rows go back to A's

  calculator.ScaleFactor = -2.5L;
  calculator.Select(Op::Scaling);
  EXPECT_EQ(calculator.OperationLine(), "-2.5*A=C");
}

TEST_F(MatrixCalculatorTest, FileLinesAfterASum)
{
  Run(TMatrixOperation::Sum, {{"1", "2", "3"}, {"4", "5", "6"}}, {{"1", "1", "1"}, {"1", "1", "2*3"}});
  ASSERT_EQ(outcome.Outcome, TCalculation::Done);
  const std::vector<std::string> expected = {
      "A+B=C", "Matrix A", "1,4", "2,5", "3,6", "Matrix B", "1,1", "1,1", "1,2*3", "Matrix C", "2,5", "3,6",
      C.Cell(1, 3) + "," + C.Cell(2, 3)};
  EXPECT_EQ(calculator.FileLines(), expected);

  Run(TMatrixOperation::Inverse, {{"2"}});
  EXPECT_EQ(calculator.FileLines(), (std::vector<std::string>{"inverse(A)=C", "Matrix A", "2", "Matrix C", "0.5"}));
}

TEST(MatrixText, ClipboardAndPaste)
{
  TMatrixTable grid("A", 2, 2);
  Put(grid, {{"1", "2"}, {"3", "4"}});
  EXPECT_EQ(GridClipboardText(grid), "1\t2\r\n3\t4\r\n");

  const struct {
    const char* name;
    std::string text;
    int row;
    int col;
    Texts expected;
  } cases[] = {
      {"copied text", "1\t2\r3\t4\r", 1, 1, {{"1", "2", ""}, {"3", "4", ""}, {"", "", ""}}},
      {"LF line ends", "1 2\n3 4\n", 1, 1, {{"1", "2", ""}, {"3", "4", ""}, {"", "", ""}}},
      {"no final break", "5,6\r\n7,8", 2, 2, {{"", "", ""}, {"", "5", "6"}, {"", "7", "8"}}},
      {"blank tried before comma", "1, 2", 1, 1, {{"1,", "2", ""}, {"", "", ""}, {"", "", ""}}},
      {"runs of blanks; an empty line is an empty row", "1   2\r\n\r\n3,,4", 1, 1, {{"1", "2", ""}, {"", "", ""}, {"3", "4", ""}}},
      {"each TAB ends one cell", "1\t\t3\n\t5 + 6\t\n", 1, 1, {{"1", "", "3"}, {"", "5 + 6", ""}, {"", "", ""}}},
      {"CR alone", "1\t2\r3\t4\r", 1, 1, {{"1", "2", ""}, {"3", "4", ""}, {"", "", ""}}},
      {"beyond the grid", "1 2 3 4\r5\r6\r7", 2, 2, {{"", "", ""}, {"", "1", "2"}, {"", "5", ""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMatrixTable target("A", 3, 3);
    PasteIntoGrid(target, c.text, c.row, c.col);
    EXPECT_EQ(TextsOf(target), c.expected);
  }
  EXPECT_EQ(PasteLines(std::string(kMaxPasteLength + 10, '1')).at(0).size(), kMaxPasteLength);
}

// A grid copied and pasted back, with the line ends of this system and of others, keeps every cell in
// its place: empty ones, ones with blanks and commas, and an empty row.
TEST(MatrixText, ClipboardRoundTripsKeepCellsInPlace)
{
  TMatrixTable source("A", 3, 3);
  Put(source, {{"1 + 2", "", "max(1, 2)"}, {"", "", ""}, {"", "sqrt(2)", " 4"}});
  const std::string copied = GridClipboardText(source);
  EXPECT_EQ(copied, "1 + 2\t\tmax(1, 2)\r\n\t\t\r\n\tsqrt(2)\t 4\r\n");
  for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(lineEnd)));
    std::string text = copied;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1))
      text.replace(at, 2, lineEnd);
    TMatrixTable target("A", 3, 3);
    PasteIntoGrid(target, text, 1, 1);
    EXPECT_EQ(TextsOf(target), TextsOf(source));
  }
  TMatrixTable column("A", 3, 1);
  Put(column, {{"1"}, {""}, {"3"}});
  TMatrixTable target("A", 3, 1);
  PasteIntoGrid(target, GridClipboardText(column), 1, 1);
  EXPECT_EQ(TextsOf(target), TextsOf(column));
}

TEST(MatrixGridShape, InsertDeleteAndTranspose)
{
  TMatrixTable grid("A", 2, 2);
  Put(grid, {{"1", "2"}, {"3", "4"}});
  InsertGridRow(grid, 1);
  EXPECT_EQ(TextsOf(grid), (Texts{{"", ""}, {"1", "2"}, {"3", "4"}}));
  DeleteGridRow(grid, 1);
  InsertGridCol(grid, 2);
  EXPECT_EQ(TextsOf(grid), (Texts{{"1", "", "2"}, {"3", "", "4"}}));
  DeleteGridCol(grid, 2);
  TransposeGrid(grid);
  EXPECT_EQ(TextsOf(grid), (Texts{{"1", "3"}, {"2", "4"}}));
  TMatrixTable row("B", 1, 2);
  Put(row, {{"5", "6"}});
  DeleteGridRow(row, 1);
  EXPECT_EQ(TextsOf(row), (Texts{{"", ""}}));
  TransposeGrid(grid);
  TMatrixTable small("C", 1, 1);
  CopyGridCells(grid, small);
  EXPECT_EQ(TextsOf(small), (Texts{{"1"}}));
  EXPECT_EQ(RowHeading("A", 2), "A[2,J]");
  EXPECT_EQ(ColHeading("A", 3), "A[I,3]");
}

}  // namespace
}  // namespace tools
