#include "engine/Distributions.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "MathLibraryFixture.h"

#include <cmath>
#include <limits>

namespace engine::test {
namespace {

using DistributionsTest = MathLibraryTest;

TEST_F(DistributionsTest, ErfAndErfcMatchKnownValues)
{
  struct Case {
    Extended x;
    Extended erf;
    Extended erfc;
  };
  const Case cases[] = {
      {1E-10L, 1.128379167095512573892E-10L, 0.9999999998871620832904L},
      {0.125L, 0.140316204801333817393L, 0.859683795198666182607L},
      {0.5L, 0.5204998778130465376827L, 0.4795001221869534623173L},
      {1, 0.8427007929497148693412L, 0.1572992070502851306588L},
      {2, 0.9953222650189527341621L, 0.004677734981047265837931L},
      {3.5L, 0.9999992569016276585873L, 7.430983723414127455237E-7L},
      {-1, -0.8427007929497148693412L, 1.842700792949714869341L},
      {-0.5L, -0.5204998778130465376827L, 1.520499877813046537683L},
      {5, 0.9999999999984625402056L, 1.537459794428034850188E-12L},
      {26, 1.0L, 5.663192408856142846476E-296L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ClearError();
    ExpectRelative(ErfFunction(c.x), c.erf, 1e-18L);
    ExpectRelative(ErfcFunction(c.x), c.erfc, 2e-17L);
    ExpectNoError();
  }
  EXPECT_EQ(ErfFunction(0), 0);
  EXPECT_EQ(ErfcFunction(0), 1);
  ExpectNoError();
}

TEST_F(DistributionsTest, ErfAtExtremeArguments)
{
  // x^2 underflows: erf x is 2x/sqrt(pi) to the last digit.
  ExpectRelative(ErfFunction(1E-3000L), 1.128379167095512573896E-3000L, 1e-18L);
  // erf of a large argument is 1 without an error; x^2 may even overflow.
  EXPECT_EQ(ErfFunction(107), 1);
  EXPECT_EQ(ErfFunction(-1E3000L), -1);
  EXPECT_EQ(ErfcFunction(-1E3000L), 2);
  ExpectNoError();
  // erfc(107) is about 1E-4975, below the range.
  EXPECT_EQ(ErfcFunction(107), 0);
  ExpectError(ecUnderflow);
  ClearError();
  EXPECT_EQ(ErfFunction(std::numeric_limits<Extended>::quiet_NaN()), 0);
  ExpectError(ecArgumentError);
}

TEST_F(DistributionsTest, PNormIsTheTwoSidedNormalTail)
{
  struct Case {
    Extended x;
    Extended expected;
  };
  const Case cases[] = {
      {0, 1},
      {1.96L, 0.04999579029644086827317L},
      {-1.96L, 0.04999579029644086827317L},
      {0.5L, 0.6170750774519737927246L},
      {3, 0.002699796063260189053304L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    ExpectRelative(PNorm(c.x), c.expected, 2e-17L);
  }
  ExpectNoError();
}

TEST_F(DistributionsTest, PStudent)
{
  struct Case {
    int nu;
    Extended t;
    Extended expected;
    Extended tolerance;
  };
  const Case cases[] = {
      {1, 1, 0.5L, 1e-18L},                                    // Cauchy: P(|T| > 1)
      {2, 3, 1 - 3 / std::sqrt(11.0L), 1e-17L},                // 1 - t / sqrt(2 + t^2)
      {10, 2.228138851986L, 0.05000000000002329041306L, 1e-16L},
      {5, 0, 1, 0},
      {3, 1E3000L, 0, 0},  // t^2 overflows: the tail is 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nu << ", " << static_cast<double>(c.t));
    ClearError();
    ExpectRelative(PStudent(c.nu, c.t), c.expected, c.tolerance);
    ExpectNoError();
  }
}

TEST_F(DistributionsTest, PKhi2AndPSnedecor)
{
  for (const Extended x : {0.0L, 0.5L, 3.0L, 20.0L})
    ExpectRelative(PKhi2(2, x), std::exp(-x / 2), 1e-17L);
  ExpectRelative(PKhi2(1, 3.841458820694124L), 0.05L, 1e-14L);
  // F with nu1 = 2: P(F > f) = (1 + 2f/nu2)^(-nu2/2).
  ExpectRelative(PSnedecor(2, 10, 3), 0.095367431640625L, 1e-17L);
  EXPECT_EQ(PSnedecor(4, 7, 0), 1);
  ExpectNoError();
}

TEST_F(DistributionsTest, DegreesOfFreedomAndArgumentsOutsideTheDomain)
{
  struct Case {
    const char* what;
    Extended (*call)();
  };
  const Case cases[] = {
      {"PStudent(0, 1)", [] { return PStudent(0, 1); }},
      {"PStudent(-1, 1)", [] { return PStudent(-1, 1); }},
      {"PKhi2(0, 1)", [] { return PKhi2(0, 1); }},
      {"PKhi2(3, -1)", [] { return PKhi2(3, -1); }},
      {"PSnedecor(0, 1, 1)", [] { return PSnedecor(0, 1, 1); }},
      {"PSnedecor(1, -2, 1)", [] { return PSnedecor(1, -2, 1); }},
      {"PSnedecor(2, 4, -1)", [] { return PSnedecor(2, 4, -1); }},
      {"PSnedecor(2, 4, -2)", [] { return PSnedecor(2, 4, -2); }},  // zero denominator
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClearError();
    EXPECT_EQ(c.call(), 0);
    ExpectError(ecArgumentError);
  }
}

}  // namespace
}  // namespace engine::test
