#include "engine/BesselWholeOrder.h"

#include "engine/MathConstants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

constexpr Extended Rounding = 1.1E-19L;
constexpr Extended MaxOrderOrArgument = 100000;
constexpr int RescaleExponent = 6000;
const Extended RescaleLimit = std::ldexp(Extended(1), RescaleExponent);

// Rounding of a recurrence over about `steps` steps, in units of the amplitude plus the value.
Extended RecurrenceError(Extended steps)
{
  return 8 * Rounding * (steps + 10);
}

}  // namespace

Extended OscillationAmplitude(int n, Extended t)
{
  if (n >= t)
    return 0;
  const Extended spread = std::max(t * t - Extended(n) * n, t * std::cbrt(t));
  return std::sqrt(2 / (Pi * std::sqrt(spread)));
}

int DownwardStart(int n, Extended t, Extended fall)
{
  // Where the upward solution from max(n, t) has grown by `fall`, J has fallen by as much.
  int start = std::max(n, static_cast<int>(t)) + 1;
  Extended previous = 0;
  Extended current = 1;
  while (std::fabs(current) < fall) {
    const Extended next = 2 * start / t * current - previous;
    previous = current;
    current = next;
    ++start;
  }
  start += 10;
  return start + start % 2;
}

bool BesselJWholeOrder(int n, Extended t, Extended& value, Extended& relativeError)
{
  if (!(t > 0) || n < 0 || n > MaxOrderOrArgument || t > MaxOrderOrArgument)
    return false;
  const int start = DownwardStart(n, t, 1E30L);
  Extended above = 0;
  Extended current = 1E-30L;
  Extended sum = 0;  // f0 + 2 (f2 + f4 + ...)
  Extended atOrder = 0;
  int rescaledSinceOrder = 0;
  for (int k = start; k >= 1; --k) {
    if (k == n)
      atOrder = current;
    if (k % 2 == 0)
      sum += 2 * current;
    const Extended below = 2 * k / t * current - above;
    above = current;
    current = below;
    if (std::fabs(current) > RescaleLimit) {
      current = std::ldexp(current, -RescaleExponent);
      above = std::ldexp(above, -RescaleExponent);
      sum = std::ldexp(sum, -RescaleExponent);
      if (k <= n)
        ++rescaledSinceOrder;
    }
  }
  if (n == 0)
    atOrder = current;
  sum += current;
  if (!std::isfinite(sum) || sum == 0)
    return false;
  value = std::ldexp(atOrder / sum, -RescaleExponent * rescaledSinceOrder);
  if (!(std::fabs(value) >= std::numeric_limits<Extended>::min()) || !std::isfinite(value))
    return false;  // below the normal numbers the value loses its digits
  const Extended absolute = RecurrenceError(start) * (std::fabs(value) + OscillationAmplitude(n, t));
  relativeError = absolute / std::fabs(value);
  return true;
}

bool BesselYWholeOrder(int n, Extended t, Extended y0, Extended e0, Extended y1, Extended e1, Extended& value,
                       Extended& relativeError)
{
  if (!(t > 0) || n < 0 || n > MaxOrderOrArgument || !std::isfinite(e0) || !std::isfinite(e1))
    return false;
  Extended previous = y0;
  Extended current = y1;
  if (n == 0)
    current = y0;
  for (int k = 1; k < n; ++k) {
    const Extended next = 2 * k / t * current - previous;
    previous = current;
    current = next;
    if (!std::isfinite(current)) {
      value = current;  // Y grows beyond the range: an overflow, not a doubt
      relativeError = 0;
      return !std::isnan(current);
    }
  }
  value = current;
  if (value == 0)
    return false;
  // A change d in Y0 or Y1 reaches order n as a mix of J and Y of size about d sqrt(2 pi t) times
  // their amplitude there.
  const Extended amplitude = OscillationAmplitude(n, t) + std::fabs(value);
  const Extended start = (e0 * std::fabs(y0) + e1 * std::fabs(y1)) * std::sqrt(2 * Pi * t) * amplitude;
  const Extended absolute = start + RecurrenceError(std::max<Extended>(n, t)) * amplitude;
  relativeError = absolute / std::fabs(value);
  return true;
}

}  // namespace engine
