#include "plot/support/FloatUtils.h"

#include <cassert>
#include <cmath>
#include <limits>
#include <utility>

namespace plot {

double MaxOfFloats(std::span<const double> values)
{
  assert(!values.empty());
  double result = values.front();
  for (const double v : values.subspan(1))
    if (v > result)
      result = v;
  return result;
}

double MinOfFloats(std::span<const double> values)
{
  assert(!values.empty());
  double result = values.front();
  for (const double v : values.subspan(1))
    if (v < result)
      result = v;
  return result;
}

void SwapFloats(double& a, double& b) { std::swap(a, b); }
void SwapDoubles(double& a, double& b) { std::swap(a, b); }
void SwapIntegers(int& a, int& b) { std::swap(a, b); }

Extended Log10(Extended x) { return std::log10(x); }

namespace {

// ln(3.4E-1000): below it a power underflows the extended range.
const Extended kUnderflowLog = std::log(3.4L) - 1000 * std::log(10.0L);

Extended PositivePower(Extended base, Extended exponent)
{
  const Extended e = exponent * std::log(base);
  if (e < kUnderflowLog)
    return 0;
  return std::exp(e);
}

}  // namespace

Extended PowerOf(Extended base, Extended exponent)
{
  if (base > 0)
    return PositivePower(base, exponent);
  if (base == 0) {
    if (exponent > 0)
      return 0;
    return exponent == 0 ? 1 : std::numeric_limits<Extended>::infinity();
  }
  if (std::isnan(base) || exponent != std::trunc(exponent))
    return 0;
  const Extended r = PositivePower(-base, exponent);
  return std::fmod(exponent, 2.0L) != 0 ? -r : r;
}

Extended VectorAngle(Extended y, Extended x) { return std::atan2(y, x); }

}  // namespace plot
