#pragma once
// Pieces of Stirling's formula that keep their digits for large parameters, where the gamma
// logarithms themselves, of about a ln a, would round away more than the digits shown.

#include "engine/Extended.h"

#include <cmath>

namespace engine {

// ln gamma(z) - ((z - 1/2) ln z - z + ln sqrt(2 pi)) for z >= 100.
inline Extended StirlingCorrection(Extended z)
{
  const Extended r = 1 / (z * z);
  return (1.0L / 12 + r * (-1.0L / 360 + r * (1.0L / 1260 + r * (-1.0L / 1680 + r / 1188)))) / z;
}

// ln(1 + u) - u for u > -1, without the cancellation of the two for small u.
inline Extended LnOnePlusMinus(Extended u)
{
  if (std::fabs(u) > 0.1L)
    return std::log1p(u) - u;
  Extended sum = 0;
  Extended power = u * u;
  for (int k = 2; k < 60; ++k) {
    const Extended term = (k % 2 == 0 ? -power : power) / k;
    sum += term;
    if (std::fabs(term) < 1E-22L * std::fabs(sum))
      break;
    power *= u;
  }
  return sum;
}

}  // namespace engine
