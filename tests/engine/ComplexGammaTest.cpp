#include "engine/ComplexGamma.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

#include <cmath>

namespace engine::test {
namespace {

using ComplexGammaTest = ComplexLibraryTest;

struct Known {
  StdComplex z;
  StdComplex lnGamma;  // the log-gamma function, continuous off the negative real axis
};

const Known KnownValues[] = {
    {{1, 0}, {0, 0}},
    {{2, 0}, {0, 0}},
    {{0.5L, 0}, {0.57236494292470008707L, 0}},  // ln sqrt(pi)
    {{0, 1}, {-0.6509231993018563388852L, -1.872436647262429817119L}},
    {{0.5L, 2}, {-2.222655864053258219071L, -0.5925369819770345889341L}},
    {{-3.5L, 0.125L}, {-1.382266183810909144069L, -12.39274171620533170692L}},
    {{10, 20}, {-1.702980443956511060322L, 52.66066042558471948167L}},
    {{3, -4}, {-1.756626784603784110531L, -4.742664438034657928195L}},
    {{-2.5L, 0}, {-0.05624371649767405067259L, -9.424777960769379715388L}},
    {{-100.25L, 5}, {-378.6382953213332L, -293.4501774548020471057L}},
    {{0, 7.62939453125e-6L}, {11.7835020694711963779L, -1.570800730600933592879L}},
    {{8.5L, 0.5L}, {9.533672570991898842803L, 1.04036929354632704304L}},
    {{-0.5L, -0.0009765625L}, {1.265507863046284319201L, 3.141557018720933639787L}},
    {{30, -1}, {71.24009467966838761663L, -3.384629527630997784352L}},
    {{-20000.5L, 3}, {-178088.1601756367786571L, -62805.28405178403470961L}},
};

TEST_F(ComplexGammaTest, KnownValuesInBothForms)
{
  for (const auto& k : KnownValues) {
    for (const TComplex& z : {Rect(k.z), PolarOfStd(k.z)}) {
      // The polar form of a negative real number lies a rounding off the axis, on either side of the cut.
      if (z.Form == cfPolar && k.z.imag() == 0 && k.z.real() < 0)
        continue;
      SCOPED_TRACE(Describe(z));
      ClearError();
      const TComplex result = ComplexLnGamma(z);
      EXPECT_EQ(result.Form, cfRectangular);
      // The Stirling series from Re z = 9 on is good to about 2E-17; a polar operand moves the number
      // by about 1E-19 |z|.
      const Extended tolerance = z.Form == cfRectangular ? 3E-17L : 1E-16L;
      ExpectNear(result, k.lnGamma, tolerance, 1);
    }
  }
}

TEST_F(ComplexGammaTest, RealPartIsLnAbsGammaOnTheRealAxis)
{
  for (const Extended x : {0.001L, 0.75L, 3.25L, 9.0L, 170.5L, 1E6L, -0.5L, -7.75L, -33.3L, -1000.5L}) {
    SCOPED_TRACE(static_cast<double>(x));
    ClearError();
    const TComplex result = ComplexLnGamma(Rect(x, 0));
    ExpectNoError();
    ExpectRelative(result.X, std::lgamma(x), 1E-16L);
    // The imaginary part counts pi for each negative factor of the recurrence.
    const Extended turns = result.Y / Pi;
    EXPECT_NEAR(static_cast<double>(turns - std::round(turns)), 0.0, 1E-12);
  }
}

TEST_F(ComplexGammaTest, PolesRecordSingularity)
{
  for (const Extended x : {0.0L, -1.0L, -2.0L, -17.0L, -1E6L, -1E30L}) {
    SCOPED_TRACE(static_cast<double>(x));
    ClearError();
    ExpectExactly(ComplexLnGamma(Rect(x, 0)), cfRectangular, MaxResultValue, MaxResultValue);
    ExpectError(ecSingularity);
  }
  // Beside a pole the value is large but defined.
  ClearError();
  const TComplex beside = ComplexLnGamma(Rect(-2, 1E-15L));
  ExpectNoError();
  EXPECT_GT(beside.X, 30);
}

TEST_F(ComplexGammaTest, VeryNegativeRealPartsGoByReflectionInsteadOfRecursingDeeply)
{
  ClearError();
  const TComplex near = ComplexLnGamma(Rect(-90000.5L, 0));
  ExpectNoError();
  ExpectRelative(near.X, std::lgamma(-90000.5L), 1E-15L);

  struct Case {
    TComplex z;
    Extended re;
    Extended im;
  };
  const Case cases[] = {
      {Rect(-200000.5L, 0), -2241226.509389619294889L, -628321.6723106122374858L},
      {Rect(-1E300L, 1), -6.897755278982137052116E+302L, -3.141592653589793238491E+300L},
      {Rect(-1E12L, -1E3L), -26631021119083.03743333L, 3141592625960.342918860L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.z));
    ClearError();
    const TComplex value = ComplexLnGamma(c.z);
    ExpectNoError();
    ExpectRelative(value.X, c.re, 1E-15L);
    ExpectRelative(value.Y, c.im, 1E-15L);
  }
}

TEST_F(ComplexGammaTest, HugeArguments)
{
  ClearError();
  const TComplex big = ComplexLnGamma(Rect(1E30L, 1E30L));
  ExpectNoError();
  // Stirling: (z - 1/2) ln z - z + ln sqrt(2 pi), with terms of 1/z far below the rounding.
  const StdComplex z(1E30L, 1E30L);
  ExpectNear(big, (z - 0.5L) * std::log(z) - z + 0.91893853320467274175L, 1E-18L);

  ClearError();
  ExpectFinite(ComplexLnGamma(Rect(MaxResultValue, 0)));
  ExpectError(ecOverflow);
}

}  // namespace
}  // namespace engine::test
