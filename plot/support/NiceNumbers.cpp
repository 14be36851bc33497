#include "plot/support/NiceNumbers.h"

#include "plot/support/FloatUtils.h"

#include <cmath>

namespace plot {

double TNiceNum::NiceNumber(bool round, double x) const
{
  if (!(x > 0) || !std::isfinite(x))
    return MissingValue;
  const Extended exponent = std::floor(Log10(x));
  const Extended power = PowerOf(10, exponent);
  const Extended f = x / power;
  if (!std::isfinite(f) || !(power > 0))
    return MissingValue;
  int n;
  if (round)
    n = f < 1.50001L ? 1 : f < 3.0001L ? 2 : f < 7.0001L ? 5 : 10;
  else
    n = f < 1.0001L ? 1 : f < 2.0001L ? 2 : f <= 5.0001L ? 5 : 10;
  return static_cast<double>(n * power);
}

TNiceNumbers::TNiceNumbers(int tickCount, double a, double b)
    : Min(MinOfFloats(a, b)), Max(MaxOfFloats(a, b)), TickCount(tickCount)
{
  Calculate();
}

void TNiceNumbers::Calculate()
{
  if (Min == Max || !std::isfinite(Min) || !std::isfinite(Max) || TickCount < 2)
    return;
  const double range = NiceNum.NiceNumber(false, Max - Min);
  if (range == MissingValue)
    return;
  const double step = NiceNum.NiceNumber(true, range / (TickCount - 1));
  if (step == MissingValue || !std::isfinite(step))
    return;
  Step = step;
  NiceMin = static_cast<double>(std::floor(static_cast<Extended>(Min) / Step) * Step);
  NiceMax = static_cast<double>(std::ceil(static_cast<Extended>(Max) / Step) * Step);
}

}  // namespace plot
