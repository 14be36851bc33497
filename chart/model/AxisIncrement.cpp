// The step between an axis' labels: as small as the labels allow, from the sizes of the labels
// at the two range ends.

#include "chart/model/ChartAxis.h"

#include "chart/support/DateSteps.h"
#include "chart/support/NiceStep.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {
constexpr double kSmallestStep = 1e-12;
constexpr double kOneSecond = kDateTimeStep[0];
constexpr double kMaxLabelCount = 2147483647.0;
constexpr double kMaxDateSteps = 1000000.0;
// Enough to climb from the smallest step past the largest double; a bound on every step search.
constexpr int kMaxStepRounds = 1000;
}  // namespace

double TCustomChartAxis::CalcIncrement()
{
  UpdateIsDateTime();
  const int size = horizontal_ ? std::max(HorizLabelSize(rangeMax_), HorizLabelSize(rangeMin_))
                               : std::max(VertLabelSize(rangeMax_), VertLabelSize(rangeMin_));
  return CalcXYIncrement(size);
}

double TCustomChartAxis::CalcXYIncrement(int labelSize) const
{
  long long size = labelSize;
  if (labelsSeparation_ > 0)
    size += platform::SafeRound(size * labelsSeparation_ * 0.01);
  const int maxLabels = size <= 0 ? 1 : platform::SafeRound(double(sizePixels_) / double(size));
  return CalcLabelsIncrement(maxLabels);
}

double TCustomChartAxis::CalcLabelsIncrement(int maxLabels) const
{
  if (maxLabels <= 0)
    return isDateTime_ ? kOneSecond : kSmallestStep;
  return isDateTime_ ? CalcDateTimeIncrement(maxLabels) : CalcNumericIncrement(maxLabels);
}

double TCustomChartAxis::CalcNumericIncrement(int maxLabels) const
{
  double step = increment_ > 0 ? increment_ : std::fabs(rangeSpan_) >= 1 ? 1 : kSmallestStep;
  // An infinite or undefined span has no count of labels to reach.
  if (labelsSeparation_ > 0 && std::isfinite(rangeSpan_)) {
    for (int round = 0; round < kMaxStepRounds; ++round) {
      const double count = rangeSpan_ / step;
      if (std::fabs(count) < kMaxLabelCount && std::nearbyint(count) <= maxLabels)
        break;
      const double next = NextNiceStep(step);
      if (!(next > step) || !std::isfinite(next))
        break;
      step = next;
    }
  }
  return std::max(step, kSmallestStep);
}

double TCustomChartAxis::CalcDateTimeIncrement(int maxLabels) const
{
  double step = std::max(increment_, kOneSecond);
  if (maxLabels > 0 && std::isfinite(rangeSpan_)) {
    if (rangeSpan_ / step > kMaxDateSteps)
      step = rangeSpan_ / kMaxDateSteps;
    for (int round = 0; round < kMaxStepRounds && std::nearbyint(rangeSpan_ / step) > maxLabels; ++round) {
      const double next = step >= 365 ? 2 * step : NextLargerStep(step);
      if (!(next > step) || !std::isfinite(next))
        break;
      step = next;
    }
  }
  return std::max(step, kOneSecond);
}

void TCustomChartAxis::StepLabelValue(bool up, double& value, int stepIndex, double increment) const
{
  // Half months, months and years go by the calendar on an exact date axis.
  StepDateTime(isDateTime_ && exactDateTime_, up, value, stepIndex, increment);
}

}  // namespace chart
