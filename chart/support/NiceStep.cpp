#include "chart/support/NiceStep.h"

#include <cmath>

namespace chart {

double NextNiceStep(double step)
{
  if (!(step > 0) || !std::isfinite(step))
    return step;
  // Bring the step into [1, 10) by tens, as many as the recursion over tenths and tens would.
  double scaled = step;
  int tens = 0;
  while (scaled >= 10) {
    scaled /= 10;
    ++tens;
  }
  while (scaled < 1) {
    scaled *= 10;
    --tens;
  }
  double next = scaled < 2 ? 2 : scaled < 5 ? 5 : 10;
  for (; tens > 0; --tens)
    next *= 10;
  for (; tens < 0; ++tens)
    next /= 10;
  return std::isfinite(next) ? next : step;
}

}  // namespace chart
