#include "tools/matrix/MatLib.h"
#include "tools/matrix/Matrices.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace tools {
namespace {

using Rows = std::vector<std::vector<Extended>>;

TRealMatrix MatrixOf(const Rows& rows)
{
  TRealMatrix m(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < rows[i].size(); ++j)
      m.SetElement(int(i), int(j), rows[i][j]);
  return m;
}

Rows RowsOf(const TMatrix& m)
{
  Rows rows(static_cast<std::size_t>(m.RowCount()));
  for (int i = 0; i < m.RowCount(); ++i)
    for (int j = 0; j < m.ColCount(); ++j)
      rows[std::size_t(i)].push_back(m.GetElement(i, j));
  return rows;
}

// Every element within a relative tolerance of the expected one (exact when the tolerance is 0).
void ExpectNear(const TMatrix& actual, const Rows& expected, Extended tolerance)
{
  ASSERT_EQ(actual.RowCount(), int(expected.size()));
  ASSERT_EQ(actual.ColCount(), int(expected[0].size()));
  for (int i = 0; i < actual.RowCount(); ++i)
    for (int j = 0; j < actual.ColCount(); ++j) {
      const Extended e = expected[std::size_t(i)][std::size_t(j)];
      EXPECT_LE(std::fabs(actual.GetElement(i, j) - e), tolerance * std::max<Extended>(1, std::fabs(e)))
          << "element (" << i << ", " << j << ") is " << double(actual.GetElement(i, j)) << ", not " << double(e);
    }
}

template <typename F>
std::string MessageOf(F&& f)
{
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no exception";
}

// A deterministic, well-spread matrix with a strong diagonal.
TRealMatrix SpreadMatrix(int n)
{
  TRealMatrix m(n, n);
  unsigned state = 12345;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      state = state * 1103515245u + 12345u;
      m.SetElement(i, j, Extended(int(state >> 16) % 2001 - 1000) / 100 + (i == j ? 50 : 0));
    }
  return m;
}

TRealMatrix Hilbert(int n)
{
  TRealMatrix m(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      m.SetElement(i, j, Extended(1) / (i + j + 1));
  return m;
}

const Rows kPascal4 = {{1, 1, 1, 1}, {1, 2, 3, 4}, {1, 3, 6, 10}, {1, 4, 10, 20}};

TEST(MatrixInverse, KnownInverses)
{
  struct Case {
    const char* name;
    Rows a;
    Rows inverse;
    Extended tolerance;
  };
  const Case cases[] = {
      {"two by two", {{4, 7}, {2, 6}}, {{0.6L, -0.7L}, {-0.2L, 0.4L}}, 1e-18L},
      {"row exchange", {{0, 1}, {1, 0}}, {{0, 1}, {1, 0}}, 0},
      {"Pascal", kPascal4, {{4, -6, 4, -1}, {-6, 14, -11, 3}, {4, -11, 10, -3}, {-1, 3, -3, 1}}, 1e-17L},
      // A tiny first pivot: eliminating with it loses the 1 of the second row.
      {"tiny pivot", {{1e-20L, 1}, {1, 1}}, {{-1 / (1 - 1e-20L), 1 / (1 - 1e-20L)}, {1 / (1 - 1e-20L), -1e-20L / (1 - 1e-20L)}}, 1e-18L},
      // Small elements are not singular: the bound scales with the matrix.
      {"tiny scale", {{1e-30L, 0}, {0, 2e-30L}}, {{1e30L, 0}, {0, 5e29L}}, 1e-18L},
      {"one by one", {{-8}}, {{-0.125L}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TRealMatrix a = MatrixOf(c.a);
    ExpectNear(*a.Inverse(), c.inverse, c.tolerance);
    ExpectNear(a, c.a, 0);  // the operand stays
  }
}

TEST(MatrixInverse, SingularAndNonSquareRaise)
{
  const struct {
    const char* name;
    Rows a;
    const char* message;
  } cases[] = {
      {"zero column", {{1, 0}, {2, 0}}, kCouldNotInverse},
      {"zero row", {{1, 2}, {0, 0}}, kCouldNotInverse},
      {"dependent rows", {{1, 2}, {2, 4}}, kCouldNotInverse},
      {"rounded to singular", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, kCouldNotInverse},
      {"tiny singular", {{1e-300L, 2e-300L}, {2e-300L, 4e-300L}}, kCouldNotInverse},
      {"zero", {{0}}, kCouldNotInverse},
      {"two by three", {{1, 2, 3}, {4, 5, 6}}, kSquareOnly},
      {"not finite", {{1, std::numeric_limits<Extended>::quiet_NaN()}, {0, 1}}, kMatrixOverflow},
      // The inverse lies beyond the range.
      {"subnormal", {{std::numeric_limits<Extended>::denorm_min() * 4}}, kMatrixOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TRealMatrix a = MatrixOf(c.a);
    EXPECT_EQ(MessageOf([&] { a.Inverse(); }), c.message);
  }
}

TEST(MatrixInverse, IllConditionedHilbertStillInverts)
{
  const TRealMatrix h = Hilbert(8);  // condition number about 1.5E10
  const std::unique_ptr<TMatrix> product = h.Product(*h.Inverse());
  Rows identity(8, std::vector<Extended>(8, 0));
  for (int i = 0; i < 8; ++i)
    identity[std::size_t(i)][std::size_t(i)] = 1;
  ExpectNear(*product, identity, 1e-7L);
}

TEST(MatrixInverse, LargestWindowSize)
{
  const TRealMatrix a = SpreadMatrix(100);
  const std::unique_ptr<TMatrix> product = a.Product(*a.Inverse());
  for (int i = 0; i < 100; ++i)
    for (int j = 0; j < 100; ++j)
      ASSERT_NEAR(double(product->GetElement(i, j)), i == j ? 1.0 : 0.0, 1e-15) << i << ", " << j;
}

TEST(MatrixDeterminant, KnownDeterminants)
{
  const Extended big = 1e4000L;
  const Extended small = 1e-4000L;
  const struct {
    const char* name;
    Rows a;
    Extended det;
    Extended tolerance;
    bool inversionAgrees;  // false where the inversion's pivot bound calls the matrix singular
  } cases[] = {
      {"three by three", {{6, 1, 1}, {4, -2, 5}, {2, 8, 7}}, -306, 1e-18L, true},
      {"entry below 2^-63 still eliminated", {{1, 1e20L}, {1e-20L, 3}}, 2, 1e-18L, false},
      {"row exchange", {{0, 1}, {1, 0}}, -1, 0, true},
      {"first column zero", {{0, 1, 2}, {0, 3, 4}, {0, 5, 7}}, 0, 0, true},
      {"singular", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 0, 0, true},
      {"Pascal", kPascal4, 1, 1e-18L, true},
      {"one by one", {{-2.5L}}, -2.5L, 0, true},
      {"partial products beyond the range", {{big, 0, 0, 0}, {0, big, 0, 0}, {0, 0, small, 0}, {0, 0, 0, small}},
       1, 1e-18L, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMatrixBlock block = c.a;
    const int hi = int(c.a.size()) - 1;
    const Extended det = ArrayDeterminant(block, 0, hi);
    EXPECT_LE(std::fabs(det - c.det), c.tolerance * std::max<Extended>(1, std::fabs(c.det))) << double(det);
    if (!c.inversionAgrees)
      continue;
    // The inversion finds the same determinant.
    TRealMatrix w = MatrixOf(c.a);
    TRealMatrix companion(hi + 1, hi + 1);
    companion.SetDiagonal(1);
    const Extended inverted = w.InvertWithDeterminant(companion);
    EXPECT_LE(std::fabs(inverted - c.det), c.tolerance * std::max<Extended>(1, std::fabs(c.det))) << double(inverted);
  }
}

TEST(MatrixDeterminant, OverflowAndNotFiniteAreNotNumbers)
{
  TMatrixBlock beyond = {{1e3000L, 0}, {0, 1e3000L}};
  EXPECT_TRUE(std::isinf(ArrayDeterminant(beyond, 0, 1)));
  TMatrixBlock notFinite = {{1, std::numeric_limits<Extended>::infinity()}, {0, 1}};
  EXPECT_TRUE(std::isnan(ArrayDeterminant(notFinite, 0, 1)));
  TMatrixBlock large = AllocMatrix(99, 99);
  for (int i = 0; i < 100; ++i)
    large[std::size_t(i)][std::size_t(i)] = i % 2 ? 4 : 0.25L;
  large[0][99] = 7;
  EXPECT_EQ(ArrayDeterminant(large, 0, 99), 1);
}

TEST(MatrixSolve, Systems)
{
  const struct {
    const char* name;
    Rows a;
    std::vector<Extended> b;
    std::vector<Extended> x;
    Extended tolerance;
  } cases[] = {
      {"three unknowns", {{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}}, {8, -11, -3}, {2, 3, -1}, 1e-18L},
      {"two unknowns", {{2, 1}, {1, 3}}, {3, 5}, {0.8L, 1.4L}, 1e-18L},
      {"one unknown", {{2}}, {4}, {2}, 0},
      {"column exchanges", {{0, 0, 1}, {0, 5, 0}, {3, 0, 0}}, {1, 10, 6}, {2, 2, 1}, 0},
      {"tiny scale", {{1e-25L, 0}, {0, 2e-25L}}, {1e-25L, 4e-25L}, {1, 2}, 1e-18L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TVectorBlock x;
    ASSERT_EQ(GaussJordanSolve(c.a, c.b, 0, int(c.a.size()) - 1, x), 0);
    for (std::size_t i = 0; i < c.x.size(); ++i)
      EXPECT_LE(std::fabs(x[i] - c.x[i]), c.tolerance * std::max<Extended>(1, std::fabs(c.x[i]))) << i;
  }
}

TEST(MatrixSolve, SingularSystemsLeaveTheSolutionAlone)
{
  const Rows singular[] = {
      {{1, 2}, {2, 4}},
      {{1, 0}, {0, 1e-20L}},  // the largest remaining element below n * 2^-63 of the largest
      {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
      {{1, std::numeric_limits<Extended>::quiet_NaN()}, {0, 1}},
  };
  for (const Rows& a : singular) {
    TVectorBlock x = {7, 7, 7};
    EXPECT_EQ(GaussJordanSolve(a, TVectorBlock(a.size(), 1), 0, int(a.size()) - 1, x), -1);
    EXPECT_EQ(x, (TVectorBlock{7, 7, 7}));
  }
}

TEST(MatrixSolve, IllConditionedHilbert)
{
  const int n = 8;
  const TRealMatrix h = Hilbert(n);
  const Rows rows = RowsOf(h);
  TVectorBlock b(n, 0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      b[std::size_t(i)] += rows[std::size_t(i)][std::size_t(j)];
  TVectorBlock x;
  ASSERT_EQ(GaussJordanSolve(rows, b, 0, n - 1, x), 0);
  for (const Extended v : x)
    EXPECT_NEAR(double(v), 1.0, 1e-7);
}

TEST(MatrixPower, PowersBySquaring)
{
  const Rows fibonacci = {{1, 1}, {1, 0}};
  const struct {
    int n;
    Rows expected;
  } cases[] = {
      {10, {{89, 55}, {55, 34}}},
      {1, fibonacci},
      {0, {{1, 0}, {0, 1}}},
      {-1, {{0, 1}, {1, -1}}},
      {-2, {{1, -1}, {-1, 2}}},
      {2, {{2, 1}, {1, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    ExpectNear(*MatrixOf(fibonacci).Powered(c.n), c.expected, 0);
  }
  ExpectNear(*MatrixOf({{1, 0}, {0, -1}}).Powered(INT_MIN), {{1, 0}, {0, 1}}, 0);
  ExpectNear(*MatrixOf({{2}}).Powered(16000), {{std::ldexp(Extended(1), 16000)}}, 0);
}

TEST(MatrixPower, FailuresChangeNothing)
{
  TRealMatrix wide = MatrixOf({{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(MessageOf([&] { wide.Power(2); }), kCanNotMultiply);
  EXPECT_EQ(MessageOf([&] { wide.Power(0); }), kSquareOnly);
  EXPECT_EQ(MessageOf([&] { wide.Power(-1); }), kSquareOnly);
  wide.Power(1);
  ExpectNear(wide, {{1, 2, 3}, {4, 5, 6}}, 0);

  TRealMatrix two = MatrixOf({{2}});
  EXPECT_EQ(MessageOf([&] { two.Power(20000); }), kMatrixOverflow);
  EXPECT_EQ(MessageOf([&] { MatrixOf({{0}}).Power(-3); }), kCouldNotInverse);
  ExpectNear(two, {{2}}, 0);
}

TEST(MatrixArithmetic, ProductsSumsAndScaling)
{
  const TRealMatrix a = MatrixOf({{1, 2, 3}, {4, 5, 6}});
  const TRealMatrix b = MatrixOf({{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}});
  ExpectNear(*a.Product(b), {{1, 2, 3, 6}, {4, 5, 6, 15}}, 0);
  ExpectNear(*a.Sum(a), {{2, 4, 6}, {8, 10, 12}}, 0);
  ExpectNear(*a.Scaled(-0.5L), {{-0.5L, -1, -1.5L}, {-2, -2.5L, -3}}, 0);
  EXPECT_EQ(MessageOf([&] { a.Product(a); }), kCanNotMultiply);
  EXPECT_EQ(MessageOf([&] { a.Sum(b); }), kCanNotAdd);
  EXPECT_EQ(MessageOf([&] { TRealMatrix(2, 3).SetDiagonal(1); }), kSquareOnly);
}

TEST(MatrixArithmetic, OverflowRaisesAndKeepsTheOperand)
{
  const Extended huge = std::numeric_limits<Extended>::max() / 2;
  TRealMatrix m = MatrixOf({{huge, 1}, {1, huge}});
  const Rows before = RowsOf(m);
  EXPECT_EQ(MessageOf([&] { m.Add(m); m.Add(m); }), kMatrixOverflow);
  m = MatrixOf(before);
  EXPECT_EQ(MessageOf([&] { m.Scale(4); }), kMatrixOverflow);
  EXPECT_EQ(RowsOf(m), before);
  EXPECT_EQ(MessageOf([&] { m.Multiply(m); }), kMatrixOverflow);
  EXPECT_EQ(RowsOf(m), before);
  // inf - inf would be NaN: still an overflow.
  TRealMatrix opposite = MatrixOf({{huge, huge}});
  EXPECT_EQ(MessageOf([&] { opposite.Multiply(MatrixOf({{4}, {-4}})); }), kMatrixOverflow);
}

TEST(MatrixSize, CountsElementsAndIndices)
{
  TRealMatrix m;
  EXPECT_EQ(m.RowCount(), 5);
  EXPECT_EQ(m.ColCount(), 5);
  m.SetElement(1, 1, 9);
  m.SetRowCount(0);
  m.SetColCount(-3);
  EXPECT_EQ(m.RowCount(), 5);
  EXPECT_EQ(m.ColCount(), 5);
  EXPECT_EQ(MessageOf([&] { m.SetSize(0, 3); }), "Invalid dimensions...");
  m.SetSize(2, 7);
  EXPECT_EQ(m.GetElement(1, 1), 9);
  EXPECT_EQ(m.GetElement(1, 6), 0);
  EXPECT_EQ(MessageOf([&] { m.GetElement(1, 7); }), "Index out of bounds7 1");
  EXPECT_EQ(MessageOf([&] { m.SetElement(2, 0, 1); }), kIndexOutOfBounds);
  EXPECT_EQ(MessageOf([&] { m.GetElement(-1, 0); }), "Index out of bounds0 -1");

  TRealVector v;
  EXPECT_EQ(v.Count(), 5);
  EXPECT_EQ(MessageOf([&] { v.SetCount(0); }), "Invalid dimension...");
  EXPECT_EQ(MessageOf([&] { v.GetElement(5); }), kIndexOutOfBounds);
  v.SetElement(4, 2);
  v.SetCount(6);
  EXPECT_EQ(v.GetElement(4), 2);
  EXPECT_EQ(v.GetElement(5), 0);

  TRealMatrix copy(1, 1);
  copy.CopyFrom(MatrixOf({{1, 2}, {3, 4}, {5, 6}}));
  ExpectNear(copy, {{1, 2}, {3, 4}, {5, 6}}, 0);
}

TEST(MatrixBlocks, BoundsAndExchanges)
{
  EXPECT_EQ(AllocVector(0).size(), 1u);
  EXPECT_EQ(AllocVector(kMaxVectorBound).size(), 65535u);
  EXPECT_TRUE(AllocVector(kMaxVectorBound + 1).empty());
  EXPECT_TRUE(AllocIndexVector(-1).empty());
  EXPECT_TRUE(AllocMatrix(kMaxMatrixRowBound + 1, 0).empty());
  EXPECT_TRUE(AllocMatrix(0, kMaxVectorBound + 1).empty());
  EXPECT_EQ(AllocMatrix(2, 3).size(), 3u);
  EXPECT_EQ(AllocMatrix(2, 3)[0].size(), 4u);

  TMatrixBlock m = {{1, 2}, {3, 4}};
  SwapMatrixRows(0, 1, m, 1, 0);
  EXPECT_EQ(m, (TMatrixBlock{{3, 4}, {1, 2}}));
  SwapMatrixColumns(0, 1, m, 1, 0);
  EXPECT_EQ(m, (TMatrixBlock{{4, 3}, {2, 1}}));
}

}  // namespace
}  // namespace tools
