#include "engine/Hypergeometric.h"
#include "engine/HypergeometricIntegrals.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <limits>

namespace engine::test {
namespace {

using HypergeometricTest = MathLibraryTest;

Extended PFQ(int p, int q, Extended z, Extended a1, Extended a2, Extended b1, Extended b2)
{
  return HypergeometricPFQ(p, q, z, a1, a2, 1, 1, b1, b2, 1, 1);
}

TEST_F(HypergeometricTest, ClosedForms)
{
  struct Case {
    const char* what;
    Extended value;
    Extended expected;
  };
  const Case cases[] = {
      {"0F0(;;1) = e", PFQ(0, 0, 1, 1, 1, 1, 1), 2.7182818284590452354L},
      {"1F0(2;;1/2) = 4", PFQ(1, 0, 0.5L, 2, 1, 1, 1), 4},
      {"2F1(1,1;2;1/2) = 2 ln 2", PFQ(2, 1, 0.5L, 1, 1, 2, 1), 1.386294361119890618834L},
      {"1F1(1;2;1) = e - 1", PFQ(1, 1, 1, 1, 1, 2, 1), 1.71828182845904523536L},
      {"2F1(-2,1;1;3) = (1-3)^2", PFQ(2, 1, 3, -2, 1, 1, 1), 4},
      {"2F1(-1,1;-2;3) = 1 + 3/2, ends before the pole", PFQ(2, 1, 3, -1, 1, -2, 1), 2.5L},
      {"any series at z = 0", PFQ(2, 2, 0, 7, 3, 5, 2), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRelative(c.value, c.expected, 1e-18L);
  }
  ExpectNoError();
}

TEST_F(HypergeometricTest, GivingUpAfter5000TermsRecordsArgumentError)
{
  // 1F0(1;;z) is the geometric series: at z = 0.9999 it is far from done after 5000 terms.
  ErrorCode = 13;  // a stale code from an earlier call must not be what the user sees
  EXPECT_EQ(PFQ(1, 0, 0.9999L, 1, 1, 1, 1), 0);
  ExpectError(ecArgumentError);
}

TEST_F(HypergeometricTest, PolesOverflowAndBadParameters)
{
  struct Case {
    const char* what;
    Extended (*call)();
    Extended expected;
    int code;
  };
  const Case cases[] = {
      {"1F1(1;-2;1): b reaches 0", [] { return PFQ(1, 1, 1, 1, 1, -2, 1); }, 0, ecArgumentError},
      {"0F0(;;20000) = e^20000", [] { return PFQ(0, 0, 20000, 1, 1, 1, 1); }, MaxResultValue, ecOverflow},
      {"p = 5", [] { return HypergeometricPFQ(5, 0, 0.5L, 1, 1, 1, 1, 1, 1, 1, 1); }, 0, ecArgumentError},
      {"q = -1", [] { return HypergeometricPFQ(0, -1, 0.5L, 1, 1, 1, 1, 1, 1, 1, 1); }, 0, ecArgumentError},
      {"z NaN", [] { return PFQ(1, 1, std::numeric_limits<Extended>::quiet_NaN(), 1, 1, 2, 1); }, 0,
       ecArgumentError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClearError();
    EXPECT_EQ(c.call(), c.expected);
    ExpectError(c.code);
  }
}

TEST_F(HypergeometricTest, ExpIntegralE1MatchesKnownValues)
{
  struct Case {
    Extended x;
    Extended expected;
  };
  // Beyond x = 1 the continued fraction: the plain series gave E1(25) < 0 and E1(50) = -0.42.
  const Case cases[] = {
      {1E-10L, 22.44863526513892397957L},
      {0.5L, 0.5597735947761608117468L},
      {1, 0.2193839343955202736772L},
      {1.0000001L, 0.219383897607579835327L},
      {2, 0.04890051070806111956724L},
      {10, 4.156968929685324277403E-6L},
      {25, 5.348899755340216640325E-13L},
      {50, 3.783264029550459018699E-24L},
      {700, 1.406518766234032922774E-307L},
      {10000, 1.135370339631071751833E-4347L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectRelative(ExpIntegralE1(c.x), c.expected, 2e-17L);
    ExpectNoError();
  }
}

TEST_F(HypergeometricTest, ExpIntegralE1Errors)
{
  for (const Extended x : {0.0L, -1.0L}) {
    ClearError();
    EXPECT_EQ(ExpIntegralE1(x), 0);
    ExpectError(ecArgumentNegative);
  }
  ClearError();
  EXPECT_EQ(ExpIntegralE1(11356), 0);  // about 1E-4936
  ExpectError(ecUnderflow);
}

TEST_F(HypergeometricTest, FresnelIntegralsMatchKnownValues)
{
  struct Case {
    Extended x;
    Extended c;
    Extended s;
  };
  // Beyond 1.5 the continued fraction: the plain series gave C(6) = -1205.
  const Case cases[] = {
      {0.5L, 0.4923442258714463928788L, 0.06473243285999927761148L},
      {1, 0.7798934003768228294742L, 0.4382591473903547660768L},
      {1.5L, 0.4452611760398215350646L, 0.6975049600820930130807L},
      {1.75L, 0.3219350461495378595884L, 0.4993846745906745515668L},
      {2, 0.4882534060753407545002L, 0.3434156783636982421953L},
      {6, 0.4995314678555011201883L, 0.4469607612369302776239L},
      {10.25L, 0.5309134566148161763147L, 0.5029501806972049556945L},
      {100.5L, 0.5012119666815136231834L, 0.4970737927674260969612L},
      {-1, -0.7798934003768228294742L, -0.4382591473903547660768L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectRelative(FresnelC(c.x), c.c, 2e-17L);
    ExpectRelative(FresnelS(c.x), c.s, 2e-17L);
    ExpectNoError();
  }
}

TEST_F(HypergeometricTest, FresnelIntegralsAtZeroAndFarOut)
{
  EXPECT_EQ(FresnelC(0), 0);
  EXPECT_EQ(FresnelS(0), 0);
  // C and S approach 1/2 within 1/(pi x).
  for (const Extended x : {1E10L, -1E300L, 1E4000L}) {
    SCOPED_TRACE(static_cast<double>(x));
    const Extended half = x > 0 ? 0.5L : -0.5L;
    EXPECT_NEAR(static_cast<double>(FresnelC(x)), static_cast<double>(half), 1e-10);
    EXPECT_NEAR(static_cast<double>(FresnelS(x)), static_cast<double>(half), 1e-10);
  }
  ExpectNoError();
}

}  // namespace
}  // namespace engine::test
