#pragma once
// World rectangles and points. A graph range is a TFloatRect with Left = x minimum, Top = y minimum,
// Right = x maximum and Bottom = y maximum.

namespace plot {

struct TFloatRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};

struct TFloatPoint {
  double X = 0;
  double Y = 0;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

constexpr TFloatRect SetFloatRect(double left, double top, double right, double bottom)
{
  return {left, top, right, bottom};
}
constexpr TFloatPoint SetFloatPoint(double x, double y) { return {x, y}; }

// Borders included.
constexpr bool IsFloatPointInRect(const TFloatRect& r, const TFloatPoint& p)
{
  return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

constexpr void OffsetFloatRect(TFloatRect& r, double dx, double dy)
{
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

}  // namespace plot
