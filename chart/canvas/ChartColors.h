#pragma once
// Colour shading shared by the chart canvas and the series.

#include "platform/Color.h"

namespace chart {

// Each RGB component lowered by amount, down to 0.
platform::TColor DarkenChartColor(platform::TColor color, int amount);

inline constexpr int kSideShade = 128;  // side faces of solids
inline constexpr int kTopShade = 64;    // top faces and covers
inline constexpr int kPieShade = 32;    // pie cuts and rims

}  // namespace chart
