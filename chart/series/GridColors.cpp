#include "chart/series/GridColors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {
namespace {

// The divisors of the red, green and blue waves.
constexpr double kRedDivisor = 2.0;
constexpr double kGreenDivisor = 1.0;
constexpr double kBlueDivisor = 1.0;

int Wave(double value) { return int(std::trunc((value + 1) * 127)); }

int Channel(int end, int start, double t)
{
  // rint rounds as nearbyint does without saving the floating-point environment.
  const double shift = std::rint(t * (start - end));
  if (!std::isfinite(shift)) return end;
  return int(std::clamp(end + shift, 0.0, 255.0));
}

}  // namespace

std::vector<TPaletteLevel> BuildPaletteLevels(int steps, double minY, double maxY)
{
  std::vector<TPaletteLevel> levels;
  if (steps <= 0) return levels;
  levels.reserve(std::size_t(steps));
  const double step = (maxY - minY) / steps;
  for (int i = 1; i <= steps; ++i) {
    const double a = (std::numbers::pi / steps) * i;
    const TPaletteLevel level{minY + i * step,
                              platform::RGB(std::uint8_t(Wave(std::sin(a / kRedDivisor))),
                                            std::uint8_t(Wave(std::sin(a / kGreenDivisor))),
                                            std::uint8_t(Wave(std::cos(a / kBlueDivisor))))};
    const auto at = std::upper_bound(levels.begin(), levels.end(), level.UpToValue,
                                     [](double v, const TPaletteLevel& l) { return v < l.UpToValue; });
    levels.insert(at, level);
  }
  return levels;
}

platform::TColor PaletteLevelColor(const std::vector<TPaletteLevel>& palette, double value)
{
  for (const TPaletteLevel& level : palette)
    if (level.UpToValue > value) return level.Color;
  return palette.back().Color;
}

platform::TColor ColorRangeColor(double value, double minY, double maxY, platform::TColor startColor,
                                 platform::TColor endColor)
{
  const double range = maxY - minY;
  if (range == 0) return endColor;
  const double t = (value - minY) / range;
  return platform::RGB(std::uint8_t(Channel(platform::GetRValue(endColor), platform::GetRValue(startColor), t)),
                       std::uint8_t(Channel(platform::GetGValue(endColor), platform::GetGValue(startColor), t)),
                       std::uint8_t(Channel(platform::GetBValue(endColor), platform::GetBValue(startColor), t)));
}

}  // namespace chart
