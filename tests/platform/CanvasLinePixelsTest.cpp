#include "platform/CanvasLinePixels.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace platform {
namespace {

using TPixels = std::vector<std::pair<int, int>>;

long long FloorDiv(long long a, long long b)
{
  const long long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Step i of n at a + floor((2 i d + n) / 2n) on both axes, kept where inside bounds.
TPixels Reference(TPoint a, TPoint b, const TRect& bounds)
{
  const long long dx = (long long)b.X - a.X, dy = (long long)b.Y - a.Y;
  const long long n = std::max(std::llabs(dx), std::llabs(dy));
  TPixels pixels;
  for (long long i = 0; i < n; ++i) {
    const int x = int(a.X + FloorDiv(2 * i * dx + n, 2 * n));
    const int y = int(a.Y + FloorDiv(2 * i * dy + n, 2 * n));
    if (bounds.Contains({x, y}))
      pixels.push_back({x, y});
  }
  return pixels;
}

TPixels Visited(TPoint a, TPoint b, const TRect& bounds)
{
  TPixels pixels;
  ForEachLinePixel(a, b, bounds, [&pixels](int x, int y) { pixels.push_back({x, y}); });
  return pixels;
}

TEST(CanvasLinePixels, EveryLineTakesTheRoundedPixelOfEachStepInOrder)
{
  const TRect bounds{10, 20, 50, 45};
  const struct {
    TPoint A, B;
  } lines[] = {
      {{12, 22}, {13, 22}},  {{12, 22}, {12, 23}},  {{30, 30}, {31, 32}}, {{31, 32}, {30, 30}},
      {{10, 20}, {49, 44}},  {{49, 44}, {10, 20}},  {{49, 20}, {10, 44}}, {{15, 40}, {18, 21}},
      {{20, 25}, {20, 25}},  {{5, 30}, {60, 33}},   {{25, 0}, {27, 100}}, {{50, 44}, {10, 21}},
      {{49, 45}, {10, 44}},  {{-5, -5}, {100, 90}}, {{0, 0}, {9, 19}},    {{40, 44}, {47, 44}},
  };
  for (const auto& line : lines)
    EXPECT_EQ(Visited(line.A, line.B, bounds), Reference(line.A, line.B, bounds))
        << line.A.X << ',' << line.A.Y << " - " << line.B.X << ',' << line.B.Y;
  // Short lines in every direction, inside, on the edges and across them.
  for (int ax = 8; ax <= 12; ++ax)
    for (int ay = 18; ay <= 22; ++ay)
      for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy) {
          const TPoint a{ax, ay}, b{ax + dx, ay + dy};
          ASSERT_EQ(Visited(a, b, bounds), Reference(a, b, bounds)) << ax << ',' << ay << " by " << dx << ',' << dy;
        }
}

}  // namespace
}  // namespace platform
