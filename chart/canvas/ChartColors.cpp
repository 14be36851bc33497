#include "chart/canvas/ChartColors.h"

namespace chart {

namespace {
std::uint8_t Lower(std::uint8_t value, int amount) { return value > amount ? std::uint8_t(value - amount) : 0; }
}  // namespace

platform::TColor DarkenChartColor(platform::TColor color, int amount)
{
  const platform::TColor rgb = platform::ColorToRGB(color);
  return platform::RGB(Lower(platform::GetRValue(rgb), amount), Lower(platform::GetGValue(rgb), amount),
                       Lower(platform::GetBValue(rgb), amount));
}

}  // namespace chart
