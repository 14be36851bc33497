#pragma once
// Integer points, sizes and rectangles of the canvas. A rectangle excludes its right and bottom
// edges: (0, 0, 10, 10) covers pixels 0..9 on both axes.

#include <algorithm>

namespace platform {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const
  {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  // Left <= Right and Top <= Bottom.
  constexpr TRect Normalized() const
  {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height)
{
  return {left, top, left + width, top + height};
}

}  // namespace platform
