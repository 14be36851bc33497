#include "engine/KnownDigits.h"

#include <charconv>
#include <cmath>

namespace engine {

Extended RoundToKnownDigits(Extended value, Extended error)
{
  if (!(error > 0) || error <= 1E-18L * std::fabs(value))
    return value;
  const int unit = static_cast<int>(std::ceil(std::log10(error)));
  const int digits = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value)))) - unit + 1;
  if (digits <= 0) {
    const Extended step = std::pow(Extended(10), static_cast<Extended>(unit));
    return std::isfinite(step) ? std::nearbyint(value / step) * step : 0;
  }
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
  Extended rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return rounded;
}

}  // namespace engine
