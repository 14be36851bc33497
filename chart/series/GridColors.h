#pragma once
// The colours of a grid series' values: a colour range between two colours over the Y range, and
// a palette of levels, each the colour of the values up to its own.

#include "platform/Color.h"

#include <vector>

namespace chart {

struct TPaletteLevel {
  double UpToValue = 0;
  platform::TColor Color = 0;
};

// Steps levels spread evenly over minY..maxY (the top one at maxY) in rainbow colours, ascending.
std::vector<TPaletteLevel> BuildPaletteLevels(int steps, double minY, double maxY);
// The colour of the first level above value; the last level's when none is. The palette is not empty.
platform::TColor PaletteLevelColor(const std::vector<TPaletteLevel>& palette, double value);
// From endColor at minY to startColor at maxY, channel by channel; endColor when the range is 0.
platform::TColor ColorRangeColor(double value, double minY, double maxY, platform::TColor startColor,
                                 platform::TColor endColor);

}  // namespace chart
