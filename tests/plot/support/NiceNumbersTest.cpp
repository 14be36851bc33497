#include "plot/support/FloatUtils.h"
#include "plot/support/NiceNumbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace plot {
namespace {

TEST(NiceNumbers, NiceNumber)
{
  struct Case {
    bool round;
    double x, expected;
  };
  const Case cases[] = {
      {true, 1.4, 1},     {true, 2.5, 2},   {true, 3.5, 5},     {true, 8, 10},    {true, 0.035, 0.05},
      {false, 1.0, 1},    {false, 1.5, 2},  {false, 4.9, 5},    {false, 5.5, 10}, {false, 0.002, 0.002},
      {true, 0, MissingValue}, {false, 0, MissingValue}, {true, -3, MissingValue}, {false, -3, MissingValue},
      {true, std::numeric_limits<double>::infinity(), MissingValue},
      {true, std::numeric_limits<double>::quiet_NaN(), MissingValue},
  };
  const TNiceNum nice;
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(nice.NiceNumber(c.round, c.x), c.expected) << c.round << " " << c.x;
}

TEST(NiceNumbers, LooseRanges)
{
  struct Case {
    int ticks;
    double a, b;
    double step, niceMin, niceMax;
  };
  const Case cases[] = {
      {10, 0, 1, 0.1, 0, 1},
      {10, 1, 0, 0.1, 0, 1},        // order of the ends does not matter
      {5, -3.2, 17.5, 10, -10, 20},
      {10, 5, 5, 0.1, 0, 1},        // empty range keeps the defaults
      {1, 0, 5, 0.1, 0, 1},         // too few ticks keeps the defaults
      {10, 0, std::numeric_limits<double>::infinity(), 0.1, 0, 1},
  };
  for (const Case& c : cases) {
    const TNiceNumbers n(c.ticks, c.a, c.b);
    EXPECT_DOUBLE_EQ(n.Step, c.step) << c.a << ".." << c.b;
    EXPECT_DOUBLE_EQ(n.NiceMin, c.niceMin) << c.a << ".." << c.b;
    EXPECT_DOUBLE_EQ(n.NiceMax, c.niceMax) << c.a << ".." << c.b;
  }
  const TNiceNumbers reversed(10, 1, 0);
  EXPECT_EQ(reversed.Min, 0);
  EXPECT_EQ(reversed.Max, 1);
}

}  // namespace
}  // namespace plot
