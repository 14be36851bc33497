#include "plot/support/ColorShades.h"
#include "plot/support/FloatUtils.h"
#include "plot/support/TextTokens.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plot {
namespace {

TEST(FloatUtils, PowerOf)
{
  struct Case {
    Extended base, exponent, expected;
  };
  const Case cases[] = {
      {10, 2, 100}, {10, -1000, 0}, {-2, 3, -8}, {-2, -1, -0.5}, {-2, 0.5, 0},
      {0, 3, 0},    {2, 0.5, std::sqrt(2.0L)},   {-3, 2, 9},     {0, 0, 1},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(double(PowerOf(c.base, c.exponent)), double(c.expected), 1e-12) << double(c.base) << "^" << double(c.exponent);
  EXPECT_TRUE(std::isinf(PowerOf(0, -1)));
}

TEST(FloatUtils, SwapIsExact)
{
  double a = 1.0E20, b = 1;
  SwapDoubles(a, b);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1.0E20);
  SwapFloats(a, b);
  EXPECT_EQ(a, 1.0E20);
  EXPECT_EQ(b, 1);
  int i = 5, j = -7;
  SwapIntegers(i, j);
  EXPECT_EQ(i, -7);
  EXPECT_EQ(j, 5);
}

TEST(FloatUtils, MinAndMaxOfFloats)
{
  const double one[] = {3.5};
  EXPECT_EQ(MaxOfFloats(one), 3.5);
  EXPECT_EQ(MinOfFloats(one), 3.5);
  const double some[] = {2, -1, 7, 7, -1};
  EXPECT_EQ(MaxOfFloats(some), 7);
  EXPECT_EQ(MinOfFloats(some), -1);
  EXPECT_EQ(MinOfFloats(1, 0), 0);
  EXPECT_DOUBLE_EQ(double(VectorAngle(1, 0)), M_PI / 2);
  EXPECT_DOUBLE_EQ(double(Log10(1000)), 3);
}

TEST(ColorShades, ChannelsStopAtTheirLimits)
{
  EXPECT_EQ(LightenColor(platform::RGB(250, 10, 0), 10), platform::RGB(255, 20, 10));
  EXPECT_EQ(DarkenColor(platform::RGB(5, 10, 200), 10), platform::RGB(0, 0, 190));
  // System colours are resolved first.
  EXPECT_EQ(DarkenColor(platform::clBtnFace, 0), platform::ColorToRGB(platform::clBtnFace));
}

TEST(TextTokens, CommaSeparatedFields)
{
  std::string_view rest = "  HP LaserJet,winspool, LPT1:";
  EXPECT_EQ(NextToken(rest), "HP LaserJet");
  EXPECT_EQ(NextToken(rest), "winspool");
  EXPECT_EQ(NextToken(rest), "LPT1:");
  EXPECT_EQ(NextToken(rest), "");
  EXPECT_TRUE(rest.empty());
}

}  // namespace
}  // namespace plot
