#include "plot/support/FloatGeometry.h"
#include "plot/support/PixelGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plot {
namespace {

TEST(PixelGeometry, ContainmentIncludesBorders)
{
  const TRect r{0, 0, 10, 10};
  EXPECT_TRUE(IsPointInRect(r, {10, 10}));
  EXPECT_TRUE(IsPointInRect(r, {0, 0}));
  EXPECT_FALSE(IsPointInRect(r, {11, 5}));
  EXPECT_TRUE(IsRectInRect(r, r));
  EXPECT_FALSE(IsRectInRect({-1, 0, 5, 5}, r));
  EXPECT_TRUE(IsFloatPointInRect(SetFloatRect(0, 0, 1, 1), SetFloatPoint(1, 0)));
  EXPECT_FALSE(IsFloatPointInRect(SetFloatRect(0, 0, 1, 1), SetFloatPoint(1.0000001, 0)));
  EXPECT_TRUE(IsPointAbove({5, -1}, r));
  EXPECT_TRUE(IsPointBelow({5, 11}, r));
  EXPECT_TRUE(IsPointLeftOf({-1, 5}, r));
  EXPECT_TRUE(IsPointRightOf({11, 5}, r));
  EXPECT_FALSE(IsPointRightOf({10, 5}, r));
}

TEST(PixelGeometry, OffsetAndInflate)
{
  TRect r{0, 0, 10, 10};
  OffsetIntRect(r, 2, 3);
  EXPECT_EQ(r, (TRect{2, 3, 12, 13}));
  InflateIntRect(r, 1, 2);
  EXPECT_EQ(r, (TRect{1, 1, 13, 15}));
  TFloatRect f = SetFloatRect(0, 0, 1, 1);
  OffsetFloatRect(f, 0.5, -1);
  EXPECT_EQ(f, SetFloatRect(0.5, -1, 1.5, 0));
}

TEST(PixelGeometry, DistanceToSegment)
{
  struct Case {
    TPoint a, b, q;
    int expected;
  };
  const Case cases[] = {
      {{0, 0}, {10, 0}, {5, 0}, 0},                    // on a horizontal segment
      {{0, 0}, {10, 0}, {5, -3}, 3},                   // 3 pixels above it
      {{0, 0}, {10, 0}, {15, 0}, kNotBesideSegment},   // beyond its end
      {{0, 0}, {0, 10}, {4, 5}, 4},                    // beside a vertical one
      {{0, 0}, {10, 10}, {0, 10}, 7},                  // round(sqrt(50))
      {{0, 0}, {10, 10}, {20, 30}, kNotBesideSegment}, // far from a slanted one
  };
  for (const Case& c : cases)
    EXPECT_EQ(DistanceToSegment(c.a, c.b, c.q), c.expected) << c.q.X << "," << c.q.Y;
}

TEST(PixelGeometry, FitRectToAspect)
{
  TRect r{0, 0, 400, 400};
  FitRectToAspect(r, SetFloatRect(0, 0, 10, 5), 1);
  EXPECT_EQ(r, (TRect{0, 0, 400, 200}));

  TRect tall{0, 0, 400, 400};
  FitRectToAspect(tall, SetFloatRect(0, 0, 5, 10), 1);
  EXPECT_EQ(tall, (TRect{0, 0, 200, 400}));

  TRect unchanged{0, 0, 400, 300};
  FitRectToAspect(unchanged, SetFloatRect(0, 0, 10, 5), 0);
  EXPECT_EQ(unchanged, (TRect{0, 0, 400, 300}));
  FitRectToAspect(unchanged, SetFloatRect(0, 0, 0, 5), 1);  // no width: nothing to fit
  EXPECT_EQ(unchanged, (TRect{0, 0, 400, 300}));
}

TEST(PixelGeometry, CenterButtonsOnPanel)
{
  const TSize buttons[] = {{80, 24}, {80, 24}};
  const auto places = CenterButtonsOnPanel({400, 40}, buttons);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0], (TPoint{60, 8}));
  EXPECT_EQ(places[1], (TPoint{260, 8}));
  EXPECT_TRUE(CenterButtonsOnPanel({400, 40}, {}).empty());
}

}  // namespace
}  // namespace plot
