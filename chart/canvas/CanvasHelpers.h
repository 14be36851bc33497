#pragma once
// Small geometry helpers of the chart canvas and the series.

#include "platform/CanvasTypes.h"

#include <cmath>

namespace chart {

// The centre of a rectangle, halves rounded towards zero.
constexpr platform::TPoint RectCenter(const platform::TRect& r)
{
  return {int((static_cast<long long>(r.Left) + r.Right) / 2), int((static_cast<long long>(r.Top) + r.Bottom) / 2)};
}

// Sine and cosine of one angle in radians.
inline void SinCos(double angle, double& sine, double& cosine)
{
  sine = std::sin(angle);
  cosine = std::cos(angle);
}

}  // namespace chart
