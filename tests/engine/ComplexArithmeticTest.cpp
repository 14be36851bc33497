#include "engine/ComplexArithmetic.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

#include <functional>

namespace engine::test {
namespace {

using ComplexArithmeticTest = ComplexLibraryTest;

struct Operation {
  const char* name;
  std::function<TComplex(const TComplex&, const TComplex&)> complex;
  std::function<StdComplex(const StdComplex&, const StdComplex&)> reference;
  bool keepsFirstForm;  // false: the result is always rectangular
};

const Operation Operations[] = {
    {"add", ComplexAdd, std::plus<StdComplex>(), false},
    {"sub", ComplexSub, std::minus<StdComplex>(), false},
    {"mul", ComplexMul, std::multiplies<StdComplex>(), true},
    {"div", ComplexDiv, std::divides<StdComplex>(), true},
};

TEST_F(ComplexArithmeticTest, OperationsMatchTheReferenceInEveryCombinationOfForms)
{
  const std::pair<StdComplex, StdComplex> operands[] = {
      {{1, 2}, {3, 4}},        {{-1.5L, 0.5L}, {2, -7}}, {{0, 1}, {0, 1}},     {{-3, 0}, {0.25L, -0.125L}},
      {{1E10L, -1E-10L}, {-2E-5L, 3E5L}}, {{5, 0}, {-5, 0}}, {{1E300L, 1E300L}, {1E-300L, -1E-300L}},
  };
  for (const auto& op : Operations) {
    for (const auto& [a, b] : operands) {
      const StdComplex expected = op.reference(a, b);
      for (const TComplex& za : {Rect(a), PolarOfStd(a)}) {
        for (const TComplex& zb : {Rect(b), PolarOfStd(b)}) {
          SCOPED_TRACE(std::string(op.name) + " " + Describe(za) + ", " + Describe(zb));
          ClearError();
          const TComplex result = op.complex(za, zb);
          EXPECT_EQ(result.Form, op.keepsFirstForm ? za.Form : cfRectangular);
          // Sums of values of unlike size lose to cancellation what the polar forms carry.
          const Extended tolerance = op.keepsFirstForm ? 1E-17L : 1E-17L * (std::abs(a) + std::abs(b)) / std::max(std::abs(expected), 1E-300L);
          if (std::abs(expected) == 0)
            EXPECT_LE(std::abs(ToStd(result)), 1E-18L * std::abs(a));
          else
            ExpectNear(result, expected, tolerance);
        }
      }
    }
  }
}

TEST_F(ComplexArithmeticTest, SpecificResults)
{
  ExpectNear(ComplexAdd(Rect(1, 2), Rect(3, 4)), {4, 6}, 0);
  ExpectNear(ComplexMul(Rect(1, 2), Rect(3, 4)), {-5, 10}, 0);
  ExpectExactly(ComplexSub(Rect(1, 2), Rect(1, 2)), cfRectangular, 0, 0);
  const TComplex product = ComplexMul(MakeComplex(cfPolar, 2, Pi / 2), MakeComplex(cfPolar, 3, Pi));
  ExpectExactly(product, cfPolar, 6, FixAngle(3 * Pi / 2));
  const TComplex quotient = ComplexDiv(MakeComplex(cfPolar, 6, -Pi / 2), MakeComplex(cfPolar, 3, Pi));
  EXPECT_EQ(quotient.Form, cfPolar);
  EXPECT_EQ(quotient.X, 2);
  ExpectRelative(quotient.Y, Pi / 2, 1E-18L);
}

TEST_F(ComplexArithmeticTest, DivisionByZeroIsAnOverflow)
{
  for (const TComplex& zero : {ComplexZero, MakeComplex(cfPolar, 0, 1.5L)}) {
    for (const TComplex& a : {ComplexOne, MakeComplex(cfPolar, 2, 1)}) {
      SCOPED_TRACE(Describe(a) + " / " + Describe(zero));
      ClearError();
      ExpectExactly(ComplexDiv(a, zero), cfRectangular, MaxResultValue, MaxResultValue);
      ExpectError(ecOverflow);
    }
  }
}

TEST_F(ComplexArithmeticTest, DivisionByTinyOrHugeDivisorsIsScaled)
{
  struct Case {
    StdComplex a, b, expected;
  };
  const Case cases[] = {
      // |b|^2 underflows or overflows here, which ruins the textbook formula.
      {{1, 0}, {1E-2470L, 1E-2470L}, {0.5E2470L, -0.5E2470L}},
      {{1E-4000L, 1E-4000L}, {3E-4000L, 4E-4000L}, {7.0L / 25, -1.0L / 25}},
      {{1E4000L, 1E4000L}, {3E4000L, 4E4000L}, {7.0L / 25, -1.0L / 25}},
      {{2, -3}, {0, 1E-4900L}, {-3E4900L, -2E4900L}},
      {{std::ldexp(1.0L, -100), 0}, {std::ldexp(1.0L, -16440), 0}, {std::ldexp(1.0L, 16340), 0}},  // subnormal divisor
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.a) + " / " + Describe(c.b));
    ClearError();
    ExpectNear(ComplexDiv(Rect(c.a), Rect(c.b)), c.expected, 1E-18L);
  }
}

TEST_F(ComplexArithmeticTest, ResultsBeyondTheRangeAreOverflowsNotInfinities)
{
  const TComplex huge = Rect(MaxResultValue, MaxResultValue);
  const struct {
    const char* name;
    TComplex result;
  } cases[] = {
      {"add", ComplexAdd(huge, huge)},
      {"sub", ComplexSub(huge, Rect(-MaxResultValue, 0))},
      {"mul", ComplexMul(huge, huge)},  // the real part would be inf - inf
      {"mul polar", ComplexMul(MakeComplex(cfPolar, MaxResultValue, 1), MakeComplex(cfPolar, 2, 1))},
      {"div", ComplexDiv(huge, Rect(1E-10L, 1E-10L))},
      {"div polar", ComplexDiv(MakeComplex(cfPolar, 1E10L, 1), MakeComplex(cfPolar, 1E-4930L, 0))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectFinite(c.result);
  }
  ClearError();
  ExpectExactly(ComplexMul(huge, huge), cfRectangular, MaxResultValue, MaxResultValue);
  ExpectError(ecOverflow);
  ClearError();
  const TComplex polar = ComplexMul(MakeComplex(cfPolar, MaxResultValue, 1), MakeComplex(cfPolar, 2, 1));
  ExpectExactly(polar, cfPolar, MaxResultValue, 2);
  ExpectError(ecOverflow);
}

TEST_F(ComplexArithmeticTest, AnEarlierErrorCodeIsClearedBySuccess)
{
  ErrorCode = ecSingularity;
  ExpectNear(ComplexDiv(Rect(4, 2), Rect(2, 1)), {2, 0}, 1E-18L);
}

}  // namespace
}  // namespace engine::test
