#pragma once
// Darker and lighter shades of a colour, channel by channel.

#include "platform/Color.h"

#include <cstdint>

namespace plot {

// The colour resolved to RGB with each channel lowered by amount (0 at the least).
platform::TColor DarkenColor(platform::TColor color, std::uint8_t amount);
// Each channel raised by amount (255 at the most).
platform::TColor LightenColor(platform::TColor color, std::uint8_t amount);

}  // namespace plot
