#include "plot/support/Polygons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace plot {
namespace {

std::vector<TFloatPoint> Closed(std::vector<TFloatPoint> points)
{
  points.push_back(points.front());
  return points;
}

TEST(Polygons, PointInsideAndBoundingBox)
{
  TPoly square;
  for (const auto& [x, y] : {std::pair{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}})
    square.Add(x, y);
  EXPECT_EQ(square.Count, 4);
  EXPECT_EQ((TFloatRect{square.XMin, square.YMin, square.XMax, square.YMax}), (TFloatRect{0, 0, 1, 1}));
  const std::tuple<double, double, bool> cases[] = {
      {0.5, 0.5, true}, {1.5, 0.5, false}, {0.5, 0, true}, {-0.5, 0.5, false}, {0.5, 1.5, false}};
  for (const auto& [x, y, inside] : cases)
    EXPECT_EQ(square.PointInside(x, y), inside) << x << "," << y;
  // A ray through a vertex whose neighbours lie on the same side counts twice.
  const TFloatPoint diamond[] = {{0, 1}, {1, 0}, {2, 1}, {1, 2}};
  const TPoly d(4, diamond);
  EXPECT_TRUE(d.PointInside(1.5, 1));
  EXPECT_FALSE(d.PointInside(2.5, 1));
  square.SetX(1, 5);
  EXPECT_EQ(square.GetX(1), 5);
  EXPECT_EQ(square.XMax, 1);  // overwriting leaves the box
  EXPECT_THROW(square.GetX(5), std::out_of_range);
}

TEST(Polygons, ClippingToARectangle)
{
  TClip clip;
  clip.SetRect(10, 10, 0, 0);
  EXPECT_EQ((TFloatRect{clip.XMin, clip.YMin, clip.XMax, clip.YMax}), (TFloatRect{0, 0, 10, 10}));

  const auto triangle = Closed({{1, 1}, {5, 1}, {3, 4}});
  EXPECT_EQ(clip.ClipPolygon(triangle), triangle);
  EXPECT_TRUE(clip.ClipPolygon(Closed({{11, 1}, {15, 1}, {13, 4}})).empty());
  EXPECT_TRUE(clip.ClipPolygon(Closed({{1, -5}, {5, -5}, {3, -1}})).empty());

  const auto big = clip.ClipPolygon(Closed({{-5, -5}, {15, -5}, {15, 15}, {-5, 15}}));
  ASSERT_EQ(big.size(), 5u);
  EXPECT_EQ(big.front(), big.back());
  for (const TFloatPoint& p : big) {
    EXPECT_TRUE(p.X == 0 || p.X == 10) << p.X;
    EXPECT_TRUE(p.Y == 0 || p.Y == 10) << p.Y;
  }
}

// A comb that crosses the rectangle's sides many times grows in every pass; the buffers grow with
// it and every vertex stays within the rectangle.
TEST(Polygons, ClippingAZigZagOutgrowsItsInput)
{
  std::vector<TFloatPoint> comb;
  for (int i = 0; i < 200; ++i)
    comb.push_back({i * 0.05, i % 2 == 0 ? -1.0 : 11.0});
  comb.push_back({10, 20});
  comb.push_back({-1, 20});
  comb.push_back({-1, -20});
  comb = Closed(comb);
  TClip clip;
  clip.SetRect(0, 0, 5, 10);
  const auto cut = clip.ClipPolygon(comb);
  ASSERT_GT(cut.size(), 4u);
  for (const TFloatPoint& p : cut) {
    EXPECT_GE(p.X, -1e-9);
    EXPECT_LE(p.X, 5 + 1e-9);
    EXPECT_GE(p.Y, -1e-9);
    EXPECT_LE(p.Y, 10 + 1e-9);
  }
  std::mt19937 random(99);
  std::uniform_real_distribution<double> at(-20, 30);
  for (int round = 0; round < 200; ++round) {
    std::vector<TFloatPoint> polygon;
    for (int i = 0; i < 50; ++i)
      polygon.push_back({at(random), at(random)});
    for (const TFloatPoint& p : clip.ClipPolygon(Closed(polygon)))
      EXPECT_TRUE(p.X >= -1e-9 && p.X <= 5 + 1e-9 && p.Y >= -1e-9 && p.Y <= 10 + 1e-9);
  }
}

}  // namespace
}  // namespace plot
