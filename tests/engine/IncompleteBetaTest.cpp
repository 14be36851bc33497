#include "engine/IncompleteBeta.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <limits>

namespace engine::test {
namespace {

using IncompleteBetaTest = MathLibraryTest;

TEST_F(IncompleteBetaTest, MatchesKnownValues)
{
  struct Case {
    Extended a;
    Extended b;
    Extended x;
    Extended expected;
    Extended tolerance;
  };
  // Large parameters lose some digits in the factor x^a (1-x)^b / B(a, b), as in the gamma case.
  const Case cases[] = {
      {0.5L, 0.5L, 0.25L, 1.0L / 3, 1e-18L},  // (2/pi) arcsin sqrt(x)
      {2, 3, 0.4L, 0.5248L, 1e-18L},
      {10, 10, 0.3L, 0.032553356881300956L, 1e-17L},
      {0.5L, 10, 0.125L, 0.8935036503840875565496L, 1e-18L},
      {100, 0.5L, 0.999L, 0.6550435163244297310908L, 1e-16L},
      {2.5L, 1E3L, 0.001L, 0.1512011132186756445425L, 1e-15L},
      {1000, 1000, 0.5L, 0.5L, 1e-15L},
      {30, 40, 0.5L, 0.8857998873233515144945L, 1e-17L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.b) << ", "
                                    << static_cast<double>(c.x));
    ClearError();
    ExpectRelative(IBeta(c.a, c.b, c.x), c.expected, c.tolerance);
    ExpectNoError();
  }
}

TEST_F(IncompleteBetaTest, EndsAndUniformCase)
{
  struct Case {
    Extended a;
    Extended b;
  };
  for (const Case c : {Case{2, 3}, Case{0.5L, 7}, Case{100, 0.25L}}) {
    EXPECT_EQ(IBeta(c.a, c.b, 0), 0);
    EXPECT_EQ(IBeta(c.a, c.b, 1), 1);
  }
  for (const Extended x : {0.001L, 0.25L, 0.5L, 0.75L, 0.999L})
    ExpectRelative(IBeta(1, 1, x), x, 1e-18L);
  ExpectNoError();
}

TEST_F(IncompleteBetaTest, DomainErrors)
{
  struct Case {
    Extended a;
    Extended b;
    Extended x;
  };
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const Case cases[] = {{0, 1, 0.5L}, {1, -1, 0.5L}, {1, 1, -0.1L}, {1, 1, 1.1L}, {nan, 1, 0.5L}, {1, 1, nan}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.b) << ", "
                                    << static_cast<double>(c.x));
    ClearError();
    EXPECT_EQ(IBeta(c.a, c.b, c.x), 0);
    ExpectError(ecArgumentError);
  }
}

TEST_F(IncompleteBetaTest, TailBelowTheRangeIsUnderflowButItsComplementIsOne)
{
  EXPECT_EQ(IBeta(10000, 1, 0.1L), 0);  // 0.1^10000
  ExpectError(ecUnderflow);
  ClearError();
  EXPECT_EQ(IBeta(1, 10000, 0.9L), 1);  // 1 - 0.1^10000
  ExpectNoError();
}

TEST_F(IncompleteBetaTest, FractionThatCannotConvergeGivesUp)
{
  // Two huge parameters near the bulk no longer go through the fraction: I_1/2(a, a) = 1/2.
  EXPECT_EQ(IBeta(1E12L, 1E12L, 0.5L), 0.5L);
  ExpectNoError();
  EXPECT_EQ(IBetaFraction(0.5L, 0.5L, 3), 0);
  ExpectError(ecArgumentError);
}

}  // namespace
}  // namespace engine::test
