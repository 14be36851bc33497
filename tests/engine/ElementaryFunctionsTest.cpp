#include "engine/ElementaryFunctions.h"

#include "engine/EngineState.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace engine::test {
namespace {

constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();

using ElementaryFunctionsTest = MathLibraryTest;

struct GuardedCase {
  Extended x;
  Extended expected;
  int code;  // 0: no error
};

void ExpectGuarded(Extended actual, const GuardedCase& c)
{
  EXPECT_TRUE(std::isfinite(actual));
  EXPECT_EQ(ErrorCode, c.code);
  EXPECT_EQ(ErrorFlag, c.code != 0);
  if (c.expected == MaxResultValue || c.expected == 0)
    EXPECT_EQ(actual, c.expected);
  else
    EXPECT_NEAR(static_cast<double>(actual / c.expected), 1.0, 1e-18);
}

TEST_F(ElementaryFunctionsTest, GuardedExpRangeAndErrors)
{
  const GuardedCase cases[] = {
      {0, 1, 0},
      {1, 2.7182818284590452354L, 0},
      {-1, 0.36787944117144232160L, 0},
      {-11355, 3.8561861331688926990E-4932L, 0},
      {-11356, 0, ecUnderflow},
      {11357, MaxResultValue, ecOverflow},
      {1E6L, MaxResultValue, ecOverflow},
      {NaN, 0, ecArgumentError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectGuarded(GuardedExp(c.x), c);
  }
}

TEST_F(ElementaryFunctionsTest, GuardedExpAtTheUpperLimitNeverGivesInfinity)
{
  const Extended r = GuardedExp(ExpOverflowLimit);
  EXPECT_TRUE(std::isfinite(r));
  if (ErrorFlag) {
    EXPECT_EQ(ErrorCode, ecOverflow);
  }
}

TEST_F(ElementaryFunctionsTest, GuardedLnAndLog2)
{
  const GuardedCase lnCases[] = {
      {1, 0, 0},
      {2.7182818284590452354L, 1, 0},
      {0, MaxResultValue, ecSingularity},
      {-1, 0, ecArgumentError},
      {NaN, 0, ecArgumentError},
      {Inf, MaxResultValue, ecOverflow},
  };
  for (const auto& c : lnCases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    const Extended r = GuardedLn(c.x);
    if (c.expected == 1)
      ExpectRelative(r, 1, 1e-18L);
    else
      ExpectGuarded(r, c);
  }
  const GuardedCase log2Cases[] = {
      {8, 3, 0},
      {0.25L, -2, 0},
      {0, MaxResultValue, ecSingularity},
      {-8, 0, ecArgumentError},
  };
  for (const auto& c : log2Cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectGuarded(Log2Guarded(c.x), c);
  }
}

TEST_F(ElementaryFunctionsTest, GuardedRoutinesClearTheCodeButLeaveTheFlag)
{
  ErrorFlag = true;
  ErrorCode = 13;
  GuardedExp(1);
  EXPECT_EQ(ErrorCode, 0);
  EXPECT_TRUE(ErrorFlag);
}

TEST_F(ElementaryFunctionsTest, IntPower)
{
  struct Case {
    std::int32_t n;
    Extended x;
    Extended expected;
    int code;
  };
  const Case cases[] = {
      {0, 5, 1, 0},
      {3, 2, 8, 0},
      {10, 2, 1024, 0},
      {-2, 2, 0.25L, 0},
      {5, -2, -32, 0},
      {-3, -2, -0.125L, 0},
      {0, 0, 1, 0},
      {3, 0, 0, 0},
      {-1, 0, MaxResultValue, ecSingularity},
      {2, 1E3000L, MaxResultValue, ecOverflow},
      {std::numeric_limits<std::int32_t>::min(), 1, 1, 0},
      {std::numeric_limits<std::int32_t>::min(), -1, 1, 0},
      {std::numeric_limits<std::int32_t>::max(), -1, -1, 0},
      {-2, 1E-3000L, MaxResultValue, ecOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << ", " << static_cast<double>(c.x));
    ClearError();
    const Extended r = IntPower(c.n, c.x);
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(ErrorCode, c.code);
    EXPECT_EQ(ErrorFlag, c.code != 0);
  }
}

TEST_F(ElementaryFunctionsTest, PythagAvoidsIntermediateOverflow)
{
  EXPECT_EQ(Pythag(3, 4), 5);
  EXPECT_EQ(Pythag(-5, 12), 13);
  EXPECT_EQ(Pythag(0, 0), 0);
  ExpectRelative(Pythag(1E4000L, 1E4000L), 1.4142135623730950488E4000L, 1e-18L);
  ExpectNoError();
  EXPECT_EQ(Pythag(MaxResultValue, MaxResultValue), MaxResultValue);
  ExpectError(ecOverflow);
}

TEST_F(ElementaryFunctionsTest, FixAngleReducesToHalfOpenInterval)
{
  struct Case {
    Extended x;
    Extended expected;
  };
  const Case cases[] = {
      {0, 0},
      {1, 1},
      {Pi, Pi},
      {-Pi, Pi},
      {2.5L * Pi, 0.5L * Pi},
      {7, 7 - 2 * Pi},
      {-7, -7 + 2 * Pi},
      {100, 100 - 32 * Pi},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    EXPECT_NEAR(static_cast<double>(FixAngle(c.x)), static_cast<double>(c.expected), 1e-15);
  }
  ExpectNoError();
}

TEST_F(ElementaryFunctionsTest, FixAngleOfHugeAnglesEndsAndKeepsTheSine)
{
  // Subtracting 2 pi from these changes nothing; a loop of subtractions would never end.
  for (const Extended x : {1E20L, -1E30L, 1E4000L, 123456789.0L}) {
    SCOPED_TRACE(static_cast<double>(x));
    const Extended r = FixAngle(x);
    EXPECT_GT(r, -Pi);
    EXPECT_LE(r, Pi);
    if (std::fabs(x) < 1E10L) {
      EXPECT_NEAR(static_cast<double>(std::sin(r)), static_cast<double>(std::sin(x)), 1e-12);
    }
  }
  ExpectNoError();
  for (const Extended x : {Inf, -Inf, NaN}) {
    ClearError();
    EXPECT_EQ(FixAngle(x), 0);
    ExpectError(ecArgumentError);
  }
}

TEST_F(ElementaryFunctionsTest, SinesAndCosines)
{
  ExpectRelative(SinGuarded(Pi / 6), 0.5L, 1e-18L);
  Extended s = 0;
  Extended c = 0;
  SinCos(1, s, c);
  ExpectRelative(s, 0.84147098480789650665L, 1e-18L);
  ExpectRelative(c, 0.54030230586813971740L, 1e-18L);
  ExpectNoError();
  EXPECT_EQ(SinGuarded(Inf), 0);
  ExpectError(ecArgumentError);
  ClearError();
  SinCos(NaN, s, c);
  EXPECT_TRUE(std::isfinite(s) && std::isfinite(c));
  ExpectError(ecArgumentError);
}

TEST_F(ElementaryFunctionsTest, SinhCosh)
{
  struct Case {
    Extended x;
    Extended sh;
    Extended ch;
  };
  const Case cases[] = {
      {0, 0, 1},
      {1, 1.1752011936438014569L, 1.5430806348152437785L},
      {-2, -3.6268604078470187677L, 3.7621956910836314596L},
      {1E-20L, 1E-20L, 1},  // (e^x - e^-x)/2 would give 0 here
      {-11356, -3.5245728999928312192E4931L, 3.5245728999928312192E4931L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    Extended sh = 0;
    Extended ch = 0;
    SinhCosh(c.x, sh, ch);
    ExpectRelative(sh, c.sh, 1e-17L);
    ExpectRelative(ch, c.ch, 1e-17L);
    ExpectNoError();
  }
  for (const Extended x : {12000.0L, -12000.0L}) {
    ClearError();
    Extended sh = 0;
    Extended ch = 0;
    SinhCosh(x, sh, ch);
    EXPECT_EQ(ch, MaxResultValue);
    EXPECT_EQ(sh, x > 0 ? MaxResultValue : -MaxResultValue);
    ExpectError(ecOverflow);
  }
}

TEST_F(ElementaryFunctionsTest, SgnAndSwap)
{
  EXPECT_EQ(Sgn(2.5L), 1);
  EXPECT_EQ(Sgn(-1E-4000L), -1);
  EXPECT_EQ(Sgn(0), 0);
  Extended a = 1;
  Extended b = 2;
  SwapExtended(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

}  // namespace
}  // namespace engine::test
