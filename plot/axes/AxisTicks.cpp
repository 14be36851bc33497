#include "plot/axes/Axis.h"

#include "plot/graph/Graph.h"

#include "platform/CanvasRounding.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace plot {

namespace {

using platform::SafeRound;

// Round half to even in the wide type, for values that may pass the int range.
Extended RoundExtended(Extended v) { return std::nearbyint(v); }

// value written in fixed notation with `decimals` digits after the point and read back.
double FixedRounded(Extended value, int decimals)
{
  const int n = std::snprintf(nullptr, 0, "%.*Lf", decimals, value);
  std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  std::snprintf(s.data(), s.size() + 1, "%.*Lf", decimals, value);
  return static_cast<double>(std::strtold(s.c_str(), nullptr));
}

struct TLayoutRow {
  int count;
  int majorEvery;
  Extended step;
};

// The three spans of a scaled span 1 <= d < 10: fine, middle and coarse steps.
TLayoutRow ScaledLayout(Extended d, Extended scale, bool wholeSteps)
{
  const auto step = [&](Extended divisor) { return wholeSteps ? RoundExtended(scale / divisor) : scale / divisor; };
  if (d < 2)
    return {SafeRound(10 * d) + 1, 5, step(10)};
  if (d <= 5)
    return {SafeRound(5 * d) + 1, 5, step(5)};
  return {SafeRound(2 * d) + 1, 4, step(2)};
}

}  // namespace

void TAxis::ComputeTicks(double& low, double& high)
{
  Decimals = 1;
  if (low > high)
    std::swap(low, high);
  Extended d = static_cast<Extended>(high) - low;
  if (d == 0 || !std::isfinite(d))
    return;

  if (LabelsStyle == asInteger && (Zoomed() || Graph->IsEmpty() || std::trunc(d) <= 100)) {
    const Extended t = std::trunc(d);
    TLayoutRow row;
    if (t < 2)
      row = {3, 1, 1};
    else if (t <= 5)
      row = {SafeRound(d) + 2, 1, 1};
    else if (t <= 10)
      row = {SafeRound(d) + 2, 2, 1};
    else if (t <= 20)
      row = {SafeRound(d) + 2, 5, 1};
    else if (t <= 100)
      row = {SafeRound(d / 2) + 2, 5, 2};
    else {
      Extended scale = 1;
      while (d >= 10) {
        scale *= 10;
        d /= 10;
      }
      row = ScaledLayout(d, scale, true);
      Decimals = 0;
    }
    TickCount = row.count;
    MajorEvery = row.majorEvery;
    TickStep = static_cast<double>(row.step);
    // The ticks of a wide integer axis start at a whole number of this range, not where an
    // earlier layout left them.
    FirstTick = static_cast<double>(RoundExtended(static_cast<Extended>(low) - 0.5L));
    return;
  }

  Decimals = d > 100 ? 0 : 1;
  Extended scale = 1;
  while (d < 1) {
    scale /= 10;
    d *= 10;
    ++Decimals;
  }
  while (d >= 10) {
    scale *= 10;
    d /= 10;
  }
  const TLayoutRow row = ScaledLayout(d, scale, false);
  TickCount = row.count;
  MajorEvery = row.majorEvery;
  TickStep = static_cast<double>(row.step);
  if (d < 2)
    ++Decimals;

  const Extended p = std::pow(10.0L, Decimals + 1);
  if (AutoMax && !Zoomed()) {
    const Extended scaled = p * high;
    if (-2147483648.0L < scaled && scaled < 2147483647.0L)
      high = static_cast<double>(RoundExtended(scaled) / p);
  }
  if (p * low < 2147483647.0L && std::pow(10.0L, Decimals) * low > -2147483648.0L)
    FirstTick = static_cast<double>(RoundExtended(p * low) / p);
  else
    FirstTick = FixedRounded(low, Decimals);
}

void TAxis::ApplyNiceRange()
{
  double& low = RangeLow();
  double& high = RangeHigh();
  RangeMin = low;
  RangeMax = high;
  const double oldMin = low;
  const double oldMax = high;
  if (Inverted)
    ComputeTicks(RangeMax, RangeMin);
  else
    ComputeTicks(RangeMin, RangeMax);
  low = Zoomed() || !AutoMin ? oldMin : RangeMin;
  high = Zoomed() || !AutoMax ? oldMax : RangeMax;
}

void TAxis::ExtendByTicks(int below, int above)
{
  double& low = RangeLow();
  double& high = RangeHigh();
  low = static_cast<double>(static_cast<Extended>(FirstTick) - static_cast<Extended>(below) * TickStep);
  if (above != 0)
    high = static_cast<double>(static_cast<Extended>(FirstTick) + static_cast<Extended>(TickCount - 1) * TickStep +
                               static_cast<Extended>(above) * TickStep);
  FirstTick = low;
  TickCount += below + above;
  RangeMin = low;
  RangeMax = high;
}

}  // namespace plot
