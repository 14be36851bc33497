#pragma once
// The pixels of a one-pixel line as the system sets them: from a towards b, b left out, each pixel
// at the rounded position of its step along the longer axis.

#include "platform/CanvasTypes.h"
#include "platform/Pen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

namespace platform {

namespace detail {

// The range [lo, hi) of steps i in [0, n) for which a + i * d / n may lie in [from, to].
inline void LimitSteps(long long a, long long d, long long n, long long from, long long to, long long& lo, long long& hi)
{
  if (d == 0) {
    if (a < from || a > to)
      hi = lo;
    return;
  }
  double t0 = double(from - 2 - a) * n / d;
  double t1 = double(to + 2 - a) * n / d;
  if (t0 > t1)
    std::swap(t0, t1);
  lo = std::max(lo, (long long)std::floor(std::max(t0, -1.0)));
  hi = std::min(hi, (long long)std::ceil(std::min(t1, double(n))) + 1);
}

// start + floor((2 i d + n) / 2n) for i = first, first + 1, ...: the rounded position of step i.
class LineStepper {
public:
  LineStepper(long long start, long long d, long long n, long long first) : start_(start), step_(2 * d), den_(2 * n)
  {
    if (first == 0) {
      r_ = n;  // 0 <= n < 2n
      return;
    }
    const long long acc = first * step_ + n;
    q_ = acc >= 0 ? acc / den_ : -((-acc + den_ - 1) / den_);
    r_ = acc - q_ * den_;
  }
  int Value() const { return int(start_ + q_); }
  void Next()
  {
    r_ += step_;
    if (r_ >= den_) {
      r_ -= den_;
      ++q_;
    } else if (r_ < 0) {
      r_ += den_;
      --q_;
    }
  }

private:
  long long start_;
  long long step_;
  long long den_;
  long long q_ = 0;
  long long r_ = 0;
};

}  // namespace detail

// Dash pattern of a thin pen in pixels (on, off, ...), empty for solid; it runs on over the pixels
// of one call.
inline std::span<const int> ThinDashPattern(TPenStyle style)
{
  static constexpr int dash[] = {18, 6};
  static constexpr int dot[] = {3, 3};
  static constexpr int dashDot[] = {9, 6, 3, 6};
  static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
  static constexpr int alternate[] = {1, 1};
  switch (style) {
  case TPenStyle::psDash: return dash;
  case TPenStyle::psDot: return dot;
  case TPenStyle::psDashDot: return dashDot;
  case TPenStyle::psDashDotDot: return dashDotDot;
  case TPenStyle::psAlternate: return alternate;
  default: return {};
  }
}

// Calls visit(x, y) for the pixels of the line a-b (b left out), in order, when both ends lie in
// one rectangle: every pixel lies between the ends, so none needs limiting or testing.
template <typename Visit>
void ForEachLinePixelBetweenEnds(TPoint a, TPoint b, Visit&& visit)
{
  const long long dx = (long long)b.X - a.X;
  const long long dy = (long long)b.Y - a.Y;
  const long long n = std::max(std::llabs(dx), std::llabs(dy));
  detail::LineStepper x(a.X, dx, n, 0);
  detail::LineStepper y(a.Y, dy, n, 0);
  for (long long i = 0; i < n; ++i, x.Next(), y.Next())
    visit(x.Value(), y.Value());
}

// Calls visit(x, y) for the pixels of the line a-b (b left out) inside bounds, in order.
template <typename Visit>
void ForEachLinePixel(TPoint a, TPoint b, const TRect& bounds, Visit&& visit)
{
  if (bounds.Contains(a) && bounds.Contains(b)) {
    ForEachLinePixelBetweenEnds(a, b, visit);
    return;
  }
  const long long dx = (long long)b.X - a.X;
  const long long dy = (long long)b.Y - a.Y;
  const long long n = std::max(std::llabs(dx), std::llabs(dy));
  if (n == 0 || bounds.IsEmpty())
    return;
  long long lo = 0;
  long long hi = n;
  detail::LimitSteps(a.X, dx, n, bounds.Left, bounds.Right - 1, lo, hi);
  detail::LimitSteps(a.Y, dy, n, bounds.Top, bounds.Bottom - 1, lo, hi);
  lo = std::max(lo, 0LL);
  hi = std::min(hi, n);
  if (lo >= hi)
    return;
  detail::LineStepper x(a.X, dx, n, lo);
  detail::LineStepper y(a.Y, dy, n, lo);
  for (long long i = lo; i < hi; ++i, x.Next(), y.Next()) {
    const int px = x.Value();
    const int py = y.Value();
    if (px >= bounds.Left && px < bounds.Right && py >= bounds.Top && py < bounds.Bottom)
      visit(px, py);
  }
}

}  // namespace platform
