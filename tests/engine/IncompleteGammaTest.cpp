#include "engine/IncompleteGamma.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <limits>

namespace engine::test {
namespace {

using IncompleteGammaTest = MathLibraryTest;

TEST_F(IncompleteGammaTest, MatchesKnownValues)
{
  struct Case {
    Extended a;
    Extended x;
    Extended p;
    Extended q;
    Extended tolerance;
  };
  // P and Q to 22 digits; x < a+1 takes the series, x >= a+1 the continued fraction. The factor
  // x^a e^-x / gamma(a) is e to a difference of terms of size a ln a, so large a loses some digits.
  const Case cases[] = {
      {0.5L, 0.25L, 0.5204998778130465376827L, 0.4795001221869534623173L, 1e-18L},
      {2.5L, 1, 0.1508549639153903637741L, 0.8491450360846096362259L, 1e-18L},
      {2.5L, 3.5L, 0.7793596920632892092051L, 0.2206403079367107907949L, 1e-18L},
      {10, 5, 0.03182805730620481173719L, 0.9681719426937951882628L, 1e-18L},
      {10, 20, 0.9950045876916924128338L, 0.004995412308307587166189L, 1e-17L},
      {100, 90, 0.158220989186430168105L, 0.841779010813569831895L, 1e-16L},
      {100, 110, 0.8417213299399129061983L, 0.1582786700600870938017L, 1e-16L},
      {1000, 1000, 0.5042052441802155085038L, 0.4957947558197844914962L, 1e-15L},
      {0.1L, 30, 0.9999999999999995523233L, 4.476766580012691381217E-16L, 1e-17L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.x));
    ClearError();
    ExpectRelative(IGamma(c.a, c.x), c.p, c.tolerance);
    ExpectRelative(JGamma(c.a, c.x), c.q, c.tolerance);
    ExpectNoError();
  }
}

TEST_F(IncompleteGammaTest, ShapeOneIsTheExponentialDistribution)
{
  for (const Extended x : {0.125L, 1.0L, 1.5L, 2.0L, 10.0L, 40.0L}) {
    SCOPED_TRACE(static_cast<double>(x));
    ExpectRelative(IGamma(1, x), -std::expm1(-x), 1e-18L);
    ExpectRelative(JGamma(1, x), std::exp(-x), 1e-17L);
  }
  ExpectNoError();
}

TEST_F(IncompleteGammaTest, SeriesAndFractionHelpers)
{
  ExpectRelative(IGammaSeries(2, 1), 1 - 2 * std::exp(-1.0L), 1e-18L);
  ExpectRelative(IGammaFraction(2, 5), 6 * std::exp(-5.0L), 1e-18L);
  ExpectNoError();
}

TEST_F(IncompleteGammaTest, EdgesOfTheDomain)
{
  EXPECT_EQ(IGamma(2.5L, 0), 0);
  EXPECT_EQ(JGamma(2.5L, 0), 1);
  ExpectNoError();
  struct Case {
    Extended a;
    Extended x;
  };
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const Case bad[] = {{0, 1}, {-1, 1}, {1, -1}, {1, -1E-4000L}, {nan, 1}, {1, nan}};
  for (const auto& c : bad) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.x));
    ClearError();
    EXPECT_EQ(IGamma(c.a, c.x), 0);
    ExpectError(ecArgumentError);
    ClearError();
    EXPECT_EQ(JGamma(c.a, c.x), 0);
    ExpectError(ecArgumentError);
  }
}

TEST_F(IncompleteGammaTest, TailBelowTheRangeIsUnderflowButItsComplementIsOne)
{
  // P(10000, 1) is about 1E-35660: the tail underflows, Q is exactly 1 without an error.
  EXPECT_EQ(IGamma(10000, 1), 0);
  ExpectError(ecUnderflow);
  ClearError();
  EXPECT_EQ(JGamma(10000, 1), 1);
  ExpectNoError();
  // Q(1, 20000) = e^-20000.
  EXPECT_EQ(JGamma(1, 20000), 0);
  ExpectError(ecUnderflow);
  ClearError();
  EXPECT_EQ(IGamma(1, 20000), 1);
  ExpectNoError();
  // An infinite argument: P is 1.
  EXPECT_EQ(IGamma(2, std::numeric_limits<Extended>::infinity()), 1);
  ExpectNoError();
}

TEST_F(IncompleteGammaTest, LargeParametersNearTheBulkKeepTheirDigits)
{
  // Near x = a the series would need about 10 sqrt(a) terms; the uniform expansion takes over.
  ExpectRelative(IGamma(1E8L, 1E8L), 0.5000132980760141198712489L, 1e-15L);
  ExpectNoError();
  ExpectRelative(JGamma(1E8L, 1E8L), 0.4999867019239858801287511L, 1e-15L);
  ExpectNoError();
  ExpectRelative(IGamma(1E6L, 1E6L), 0.5001329807608725912443228L, 1e-15L);
  ExpectNoError();
}

}  // namespace
}  // namespace engine::test
