// Built twice: into the platform tests and, alone, under the undefined-behaviour sanitizer.

#include "platform/CanvasRounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace platform {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CanvasRounding, FloatToIntSaturatesAndNeverHitsUndefinedBehaviour)
{
  struct Case { double value; int round, trunc, floor, pixel; };
  const Case cases[] = {
      {2.5, 2, 2, 2, 2},
      {3.5, 4, 3, 3, 4},
      {-2.5, -2, -2, -3, -2},
      {-0.4, 0, 0, -1, 0},
      {kNaN, 0, 0, 0, 0},
      {1e300, INT_MAX, INT_MAX, INT_MAX, kMaxCoord},
      {-1e300, INT_MIN, INT_MIN, INT_MIN, -kMaxCoord},
      {kInf, INT_MAX, INT_MAX, INT_MAX, kMaxCoord},
      {-kInf, INT_MIN, INT_MIN, INT_MIN, -kMaxCoord},
      {2147483647.4, INT_MAX, INT_MAX, INT_MAX, kMaxCoord},
      {2147483648.0, INT_MAX, INT_MAX, INT_MAX, kMaxCoord},
      {-2147483649.0, INT_MIN, INT_MIN, INT_MIN, -kMaxCoord},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SafeRound(c.value), c.round) << c.value;
    EXPECT_EQ(SafeTrunc(c.value), c.trunc) << c.value;
    EXPECT_EQ(SafeFloor(c.value), c.floor) << c.value;
    EXPECT_EQ(ToPixel(c.value), c.pixel) << c.value;
    EXPECT_EQ(SafeRound(static_cast<long double>(c.value)), c.round) << c.value;
    EXPECT_EQ(ToPixel(static_cast<float>(c.value)), ToPixel(static_cast<double>(static_cast<float>(c.value))));
  }
  EXPECT_EQ(SafeRound(std::numeric_limits<long double>::max()), INT_MAX);
}

TEST(CanvasRounding, MulDivRoundsAndSaturates)
{
  struct Case { int a, b, c, expected; };
  const Case cases[] = {
      {5, 3, 2, 8}, {-5, 3, 2, -8}, {10, 96, 72, 13}, {12, 600, 72, 100}, {7, 1, 0, -1},
      {INT_MAX, INT_MAX, 1, INT_MAX}, {INT_MIN, INT_MAX, 1, INT_MIN}, {INT_MIN, -1, 1, INT_MAX},
      {INT_MIN, 1, -1, INT_MAX},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << '*' << c.b << '/' << c.c;
  EXPECT_EQ(ClampCoord(1LL << 40), kMaxCoord);
  EXPECT_EQ(ClampCoord(-(1LL << 40)), -kMaxCoord);
}

}  // namespace
}  // namespace platform
