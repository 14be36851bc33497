#include "engine/ComplexPowers.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

namespace engine::test {
namespace {

using ComplexPowersTest = ComplexLibraryTest;

// Off the negative real axis, where the reference and this library agree on the branch.
const StdComplex Samples[] = {
    {1, 2},     {-3, 4},   {0.5L, -0.25L}, {-2, -1E-3L}, {1E-5L, 1E5L}, {7, 0},
    {1E-300L, 3E-300L},    {-1E200L, 1},   {0, -2},      {0.999L, 0.001L},
};

TEST_F(ComplexPowersTest, LnAndExpMatchTheReferenceInBothForms)
{
  for (const auto& c : Samples) {
    for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
      SCOPED_TRACE(Describe(z));
      ClearError();
      const TComplex ln = ComplexLn(z);
      EXPECT_EQ(ln.Form, cfRectangular);
      ExpectNear(ln, std::log(c), 1E-18L, 1);  // ln |z| near 0 inherits the modulus' rounding
      if (std::abs(c) < 1000) {
        ClearError();
        const TComplex e = ComplexExp(z);
        EXPECT_EQ(e.Form, cfRectangular);
        ExpectNear(e, std::exp(c), 1E-16L);
      }
    }
  }
}

TEST_F(ComplexPowersTest, LnEdgeCases)
{
  ExpectNear(ComplexLn(Rect(-1, 0)), {0, Pi}, 1E-19L);
  ExpectNear(ComplexLn(Rect(-1, -0.0L)), {0, Pi}, 1E-19L);
  ExpectExactly(ComplexLn(ComplexOne), cfRectangular, 0, 0);
  ExpectNear(ComplexLn(MakeComplex(cfPolar, -Extended(1) / 2, 0)), {-std::log(2.0L), Pi}, 1E-19L);

  for (const TComplex& zero : {ComplexZero, MakeComplex(cfPolar, 0, 1)}) {
    ClearError();
    ExpectExactly(ComplexLn(zero), cfRectangular, -MaxResultValue, 0);
    ExpectError(ecSingularity);
  }
}

TEST_F(ComplexPowersTest, ExpBeyondTheRangeRecordsOverflowOrUnderflow)
{
  const TComplex big = ComplexExp(Rect(11357, Pi));
  ExpectFinite(big);
  EXPECT_EQ(big.X, -MaxResultValue);
  ExpectError(ecOverflow);

  ClearError();
  ExpectExactly(ComplexExp(Rect(-11357, 1)), cfRectangular, 0, 0);
  ExpectError(ecUnderflow);
}

TEST_F(ComplexPowersTest, PowerMatchesTheReferenceInBothForms)
{
  const StdComplex exponents[] = {{2, 0}, {0.5L, 0}, {-1, 0}, {0, 1}, {1.5L, -2}, {-0.25L, 0.75L}};
  for (const auto& a : Samples) {
    if (std::abs(a) > 1E100 || std::abs(a) < 1E-100)
      continue;
    for (const auto& b : exponents) {
      const StdComplex expected = std::pow(a, b);
      for (const TComplex& za : {Rect(a), PolarOfStd(a)}) {
        for (const TComplex& zb : {Rect(b), PolarOfStd(b)}) {
          SCOPED_TRACE(Describe(za) + " ^ " + Describe(zb));
          ClearError();
          const TComplex p = ComplexPower(za, zb);
          EXPECT_EQ(p.Form, cfRectangular);
          ExpectNear(p, expected, 1E-16L);
        }
      }
    }
  }
  ExpectNear(ComplexPower(Rect(1, 2), Rect(2, 0)), {-3, 4}, 1E-18L);
}

TEST_F(ComplexPowersTest, ZeroBase)
{
  struct Case {
    TComplex exponent;
    TComplex expected;
    int code;
  };
  const Case cases[] = {
      {ComplexZero, ComplexOne, 0},
      {MakeComplex(cfPolar, 0, 2), ComplexOne, 0},
      {Rect(2, 0), ComplexZero, 0},
      {Rect(0.5L, -7), ComplexZero, 0},
      {Rect(-1, 0), ComplexInfinity, ecSingularity},  // 1/0, not 0
      {Rect(-1, 5), ComplexInfinity, ecSingularity},
      {MakeComplex(cfPolar, 2, Pi), ComplexInfinity, ecSingularity},
      {Rect(0, 3), ComplexZero, ecArgumentError},  // |0^(3i)| has no limit
  };
  for (const auto& c : cases) {
    for (const TComplex& zero : {ComplexZero, MakeComplex(cfPolar, 0, 0)}) {
      SCOPED_TRACE(Describe(zero) + " ^ " + Describe(c.exponent));
      ClearError();
      const TComplex p = ComplexPower(zero, c.exponent);
      ExpectExactly(p, c.expected.Form, c.expected.X, c.expected.Y);
      EXPECT_EQ(ErrorCode, c.code);
    }
  }
}

TEST_F(ComplexPowersTest, PowerBeyondTheRangeIsAnOverflow)
{
  const TComplex p = ComplexPower(Rect(1E3000L, 1), Rect(2, 0));
  ExpectFinite(p);
  ExpectError(ecOverflow);
}

TEST_F(ComplexPowersTest, IntPowerMatchesTheReferenceInBothForms)
{
  const int exponents[] = {-3, -1, 0, 1, 2, 3, 5, 20};
  for (const auto& c : Samples) {
    if (std::abs(c) > 1E100 || std::abs(c) < 1E-100)
      continue;
    for (const int n : exponents) {
      for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
        SCOPED_TRACE(Describe(z) + " ^ " + std::to_string(n));
        ClearError();
        const TComplex p = ComplexIntPower(z, n);
        EXPECT_EQ(p.Form, z.Form);
        ExpectNear(p, std::pow(c, n), 1E-17L * (std::abs(n) + 1));
      }
    }
  }
  ExpectNear(ComplexIntPower(Rect(8, 0), 3), {512, 0}, 1E-18L);
}

TEST_F(ComplexPowersTest, IntPowerOfZeroAndOverflow)
{
  ExpectExactly(ComplexIntPower(ComplexZero, 0), cfRectangular, 1, 0);
  ExpectExactly(ComplexIntPower(ComplexZero, 3), cfRectangular, 0, 0);
  ExpectNoError();
  ExpectExactly(ComplexIntPower(ComplexZero, -1), cfRectangular, MaxResultValue, MaxResultValue);
  ExpectError(ecSingularity);

  ClearError();
  const TComplex p = ComplexIntPower(Rect(1E3000L, 1E3000L), 2);
  ExpectFinite(p);
  EXPECT_EQ(p.X, MaxResultValue);
  ExpectError(ecOverflow);
}

TEST_F(ComplexPowersTest, SqrtIsThePrincipalRootInTheFormOfItsArgument)
{
  const TComplex polarRoot = ComplexSqrt(MakeComplex(cfPolar, 4, Pi));
  EXPECT_EQ(polarRoot.Form, cfPolar);
  EXPECT_EQ(polarRoot.X, 2);
  EXPECT_EQ(polarRoot.Y, Pi / 2);
  ExpectExactly(ComplexSqrt(ComplexZero), cfRectangular, 0, 0);
  ExpectNear(ComplexSqrt(Rect(-4, -0.0L)), {0, 2}, 1E-18L);

  for (const auto& c : Samples) {
    for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
      SCOPED_TRACE(Describe(z));
      ClearError();
      ExpectNear(ComplexSqrt(z), std::sqrt(c), 1E-18L);
    }
  }
}

// Exact results stay exact: no rounded pi/2 or pi turns into a part of about 5E-20.
TEST_F(ComplexPowersTest, ExactRootsAndIntegerPowersKeepTheirZeros)
{
  ExpectExactly(ComplexSqrt(Rect(-4, 0)), cfRectangular, 0, 2);
  ExpectExactly(ComplexSqrt(Rect(-4, -0.0L)), cfRectangular, 0, 2);
  ExpectExactly(ComplexSqrt(Rect(0, 2)), cfRectangular, 1, 1);
  ExpectExactly(ComplexSqrt(Rect(0, -8)), cfRectangular, 2, -2);
  ExpectExactly(ComplexIntPower(Rect(0, 1), 2), cfRectangular, -1, 0);
  ExpectExactly(ComplexIntPower(Rect(0, 1), 3), cfRectangular, 0, -1);
  ExpectExactly(ComplexIntPower(Rect(1, 1), 4), cfRectangular, -4, 0);
  ExpectExactly(ComplexIntPower(Rect(0, 2), -2), cfRectangular, -0.25L, 0);
  ExpectNoError();
}

// Just below the negative real axis the angle of the base is just above -pi; one rounded Extended
// pi lies across the branch cut. Reference values to 20 digits; each part to its own digits.
TEST_F(ComplexPowersTest, PowersBesideTheBranchCutKeepTheirBranch)
{
  struct Case {
    TComplex base, exponent;
    std::complex<long double> expected;
    Extended tolerance;
  };
  const Case cases[] = {
      {Rect(-1, -1E-20L), Rect(0.5L, 0), {5.0E-21L, -1}, 1E-18L},
      {Rect(-1, 1E-20L), Rect(0.5L, 0), {5.0E-21L, 1}, 1E-18L},
      {Rect(-4, -1E-30L), Rect(1.5L, 0.5L), {-24.589670136155938582L, 29.603250684560200885L}, 1E-18L},
      {Rect(-1, 0), Rect(0.5L, 0), {0, 1}, 1E-18L},
      {Rect(-8, 0), Rect(1.0L / 3, 0), {1, 1.7320508075688772935L}, 1E-18L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.base) + " ^ " + Describe(c.exponent));
    ClearError();
    const TComplex p = ComplexPower(c.base, c.exponent);
    ExpectNoError();
    EXPECT_LE(std::fabs(ComplexRe(p) - c.expected.real()), c.tolerance * std::max<Extended>(std::fabs(c.expected.real()), 1E-30L));
    EXPECT_LE(std::fabs(ComplexIm(p) - c.expected.imag()), c.tolerance * std::fabs(c.expected.imag()));
  }
}

TEST_F(ComplexPowersTest, TheFirstErrorOfAStepSurvivesLaterSteps)
{
  // The logarithm of the base succeeds, the exponential overflows: the power reports it.
  ComplexPower(Rect(10, 0), Rect(1E6L, 0));
  ExpectError(ecOverflow);
  // A stale code from an earlier call does not leak into a successful one.
  ErrorCode = ecSingularity;
  ExpectNear(ComplexPower(Rect(0, 1), Rect(2, 0)), {-1, 0}, 1E-18L);
}

}  // namespace
}  // namespace engine::test
