#include "engine/GammaFunctions.h"

#include "engine/EngineState.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <limits>

namespace engine::test {
namespace {

using GammaFunctionsTest = MathLibraryTest;

struct ValueCase {
  Extended x;
  Extended expected;
};

TEST_F(GammaFunctionsTest, LnGammaAbsMatchesKnownValues)
{
  // ln |gamma(x)| to 22 digits; every branch: small |x|, the shifts to [2, 3), Stirling, reflection.
  const ValueCase cases[] = {
      {0.01L, 4.599479878042021722514L},
      {0.03125L, 3.448489127797958479683L},
      {-0.01L, 4.611024992752801144215L},
      {0.5L, 0.5723649429247000870717L},  // ln sqrt(pi)
      {1.5L, -0.1207822376352452223455L},
      {2.5L, 0.2846828704729191596325L},
      {3, 0.6931471805599453094172L},
      {7.25L, 7.052185450738539444926L},
      {12.5L, 18.73434751193644570163L},
      {13, 19.98721449566188614952L},
      {20, 39.33988418719949403622L},
      {33.5L, 83.30242550295005344289L},
      {34, 85.05446701758151741396L},
      {35, 88.58082754219767880363L},
      {100, 359.134205369575398776L},
      {1E5L, 1.051287708973656894901E+6L},
      {1E30L, 6.807755278982137052054E+31L},
      {-0.5L, 1.265512123484645396489L},
      {-2.5L, -0.05624371649767405067259L},
      {-10.3L, -14.4575154400242050213L},
      {-34.5L, -89.21020037996898809178L},
      {-100.25L, -363.4009232278215407066L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectRelative(LnGammaAbs(c.x), c.expected, 2e-18L);
    ExpectNoError();
  }
  // A subnormal x, where d / x would overflow: ln gamma(x) is -ln x to the last digit.
  ClearError();
  ExpectRelative(LnGammaAbs(1E-4940L), -std::log(1E-4940L), 1e-18L);
  EXPECT_EQ(LnGammaAbs(1), 0);
  EXPECT_EQ(LnGammaAbs(2), 0);
  ExpectNoError();
}

TEST_F(GammaFunctionsTest, LnGammaAbsErrors)
{
  struct Case {
    Extended x;
    int code;
  };
  const Case cases[] = {
      {0, ecSingularity},
      {-1, ecSingularity},
      {-2, ecSingularity},
      {-1E20L, ecSingularity},
      {1.1E4928L, ecOverflow},
      {std::numeric_limits<Extended>::quiet_NaN(), ecArgumentError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    const Extended r = LnGammaAbs(c.x);
    EXPECT_TRUE(std::isfinite(r));
    ExpectError(c.code);
  }
}

TEST_F(GammaFunctionsTest, StirlingAndSmallArgumentForms)
{
  ExpectRelative(LnGammaStirling(50), 144.5657439463448860089L, 1e-18L);
  ExpectRelative(GammaSmall(1, 0.01L), 99.43258511915060371353L, 1e-18L);
  ExpectRelative(GammaSmall(2, -0.01L), -201.1743959288215583868L, 1e-18L);
  ExpectNoError();
  EXPECT_EQ(GammaSmall(1, 0), MaxResultValue);
  ExpectError(ecSingularity);
}

TEST_F(GammaFunctionsTest, SgnGamma)
{
  struct Case {
    Extended x;
    std::int32_t sign;
  };
  const Case cases[] = {{2, 1}, {0.5L, 1}, {-0.5L, -1}, {-1.5L, 1}, {-2.5L, -1}, {-1E30L, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(SgnGamma(c.x), c.sign) << static_cast<double>(c.x);
}

TEST_F(GammaFunctionsTest, Binomial)
{
  struct Case {
    std::int32_t n;
    std::int32_t k;
    Extended expected;
    int code;
  };
  const Case cases[] = {
      {5, 2, 10, 0},
      {0, 0, 1, 0},
      {10, 0, 1, 0},
      {10, 10, 1, 0},
      {10, 1, 10, 0},
      {10, 9, 10, 0},
      {52, 5, 2598960, 0},
      {60, 30, 118264581564861424.0L, 0},
      {2, 5, 0, 0},  // k > n: the coefficient is 0, not a running product
      {0, 1, 0, 0},
      {5, -1, 0, 0},
      {-5, 2, 0, ecArgumentError},  // negative n is refused
      {-1, -1, 0, ecArgumentError},
      {20000, 10000, MaxResultValue, ecOverflow},
      {std::numeric_limits<std::int32_t>::max(), 1000000000, MaxResultValue, ecOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << " over " << c.k);
    ClearError();
    EXPECT_EQ(Binomial(c.n, c.k), c.expected);
    EXPECT_EQ(ErrorCode, c.code);
    EXPECT_EQ(ErrorFlag, c.code != 0);
  }
  ClearError();
  ExpectRelative(Binomial(1000, 500), 2.702882409454365695156E+299L, 1e-17L);
}

TEST_F(GammaFunctionsTest, BetaFunctionValues)
{
  struct Case {
    Extended a;
    Extended b;
    Extended expected;
    Extended tolerance;  // e^(ln sum) loses about ln-magnitude * 1e-19
  };
  const Case cases[] = {
      {0.5L, 0.5L, 3.141592653589793238463L, 2e-18L},
      {2, 3, 0.08333333333333333333333L, 2e-18L},
      {1, 1, 1, 2e-18L},
      {0.3L, -0.7L, 3.434070676417722705204L, 2e-18L},
      {-1.5L, 0.25L, 2.185047961910099842054L, 2e-18L},
      {100, 200, 3.607285449794666051516E-84L, 2e-16L},
      {1E-3000L, 1, 1.0E+3000L, 1e-15L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.b));
    ClearError();
    ExpectRelative(BetaFunction(c.a, c.b), c.expected, c.tolerance);
    ExpectNoError();
  }
}

TEST_F(GammaFunctionsTest, BetaFunctionVanishesAtAPoleOfGammaOfTheSumAlone)
{
  const std::pair<Extended, Extended> cases[] = {{0.5L, -0.5L}, {0.5L, -2.5L}, {-1.5L, -0.5L}, {-0.25L, -1.75L}, {1E-10L, -1E-10L}};
  for (const auto& [a, b] : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(a) << ", " << static_cast<double>(b));
    ClearError();
    EXPECT_EQ(BetaFunction(a, b), 0);
    ExpectNoError();
  }
}

TEST_F(GammaFunctionsTest, BetaFunctionAtPolesKeepsTheFirstError)
{
  struct Case {
    Extended a;
    Extended b;
    Extended expected;
  };
  const Case cases[] = {
      {-1, -1, 0},                     // gamma(a+b), gamma(a) and gamma(b) all have poles
      {2.5L, -2, -MaxResultValue},     // gamma(b): the later gamma(a) must not clear the code
      {-2, 2.5L, -MaxResultValue},     // gamma(a)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<double>(c.a) << ", " << static_cast<double>(c.b));
    ClearError();
    EXPECT_EQ(BetaFunction(c.a, c.b), c.expected);
    ExpectError(ecSingularity);
  }
}

}  // namespace
}  // namespace engine::test
