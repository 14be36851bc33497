#include "plot/support/ColorShades.h"

#include <algorithm>

namespace plot {

using platform::TColor;

namespace {

template <typename Shift>
TColor MapChannels(TColor color, Shift shift)
{
  const TColor rgb = platform::ColorToRGB(color);
  return platform::RGB(shift(platform::GetRValue(rgb)), shift(platform::GetGValue(rgb)),
                       shift(platform::GetBValue(rgb)));
}

}  // namespace

TColor DarkenColor(TColor color, std::uint8_t amount)
{
  return MapChannels(color, [amount](std::uint8_t c) { return std::uint8_t(amount >= c ? 0 : c - amount); });
}

TColor LightenColor(TColor color, std::uint8_t amount)
{
  return MapChannels(color, [amount](std::uint8_t c) { return std::uint8_t(std::min(255, c + amount)); });
}

}  // namespace plot
