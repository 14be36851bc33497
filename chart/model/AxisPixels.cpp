// Values to pixels and back along an axis: linear, logarithmic and depth.

#include "chart/model/ChartAxis.h"

#include "chart/model/ParentChart.h"
#include "platform/CanvasRounding.h"

#include <cmath>

namespace chart {

namespace {
// origin + offset or origin - offset; a far value saturates far beyond the plot on its own side,
// where the canvas cuts the line, instead of landing inside.
int OffsetPixel(int origin, double offset, bool backwards)
{
  const long long delta = platform::ToPixel(offset);
  return platform::ClampCoord(backwards ? origin - delta : origin + delta);
}

double LogOf(double value) { return value > 0 ? std::log(value) : 0; }
}  // namespace

int TCustomChartAxis::LinearPosOfValue(bool fromEnd, double value) const
{
  if (rangeSpan_ == 0)
    return centerPixel_;
  const double offset = (value - rangeMin_) * sizePixels_ / rangeSpan_;
  if (std::isnan(offset))
    return centerPixel_;
  return fromEnd ? OffsetPixel(endPixel_, offset, true) : OffsetPixel(startPixel_, offset, false);
}

int TCustomChartAxis::LogPosOfValue(double value) const
{
  const double lmin = LogOf(rangeMin_);
  const double lmax = LogOf(rangeMax_);
  const double span = lmax - lmin;
  if (span == 0 || std::isnan(value))
    return centerPixel_;
  if (value <= 0)
    return (inverted_ == horizontal_) ? endPixel_ : startPixel_;
  const double d = inverted_ ? lmax - std::log(value) : std::log(value) - lmin;
  const double offset = d * sizePixels_ / span;
  return horizontal_ ? OffsetPixel(startPixel_, offset, false) : OffsetPixel(endPixel_, offset, true);
}

int TCustomChartAxis::HorizPosOfValue(double value) const
{
  return logarithmic_ ? LogPosOfValue(value) : LinearPosOfValue(inverted_, value);
}

int TCustomChartAxis::VertPosOfValue(double value) const
{
  return logarithmic_ ? LogPosOfValue(value) : LinearPosOfValue(!inverted_, value);
}

int TCustomChartAxis::PosOfValue(double value) const
{
  return horizontal_ ? HorizPosOfValue(value) : VertPosOfValue(value);
}

int TCustomChartAxis::DepthPosOfValue(double value) const
{
  const int depth = chart_ != nullptr ? chart_->Width3D() : 0;
  if (rangeSpan_ == 0)
    return depth / 2;
  const double part = inverted_ ? rangeMax_ - value : value - rangeMin_;
  const double pixel = depth * part / rangeSpan_;
  return std::isnan(pixel) ? depth / 2 : platform::ToPixel(pixel);
}

int TCustomChartAxis::SizeOfValue(double span) const
{
  if (!(span > 0))
    return 0;
  if (logarithmic_) {
    const double logSpan = LogOf(rangeMax_) - LogOf(rangeMin_);
    return logSpan != 0 ? platform::ToPixel(std::log(span) * sizePixels_ / logSpan) : 0;
  }
  return rangeSpan_ != 0 ? platform::ToPixel(span * sizePixels_ / rangeSpan_) : 0;
}

double TCustomChartAxis::ValueOfPos(int pixel) const
{
  const double along = inverted_ ? double(endPixel_) - pixel : double(pixel) - startPixel_;
  if (!logarithmic_) {
    if (sizePixels_ < 1)
      return 0;
    const double part = along * rangeSpan_ / sizePixels_;
    return horizontal_ ? rangeMin_ + part : rangeMax_ - part;
  }
  // The exact range ends at the axis ends: no logarithm round trip.
  const bool maxAtStart = inverted_ == horizontal_;
  if (pixel == startPixel_)
    return maxAtStart ? rangeMax_ : rangeMin_;
  if (pixel == endPixel_)
    return maxAtStart ? rangeMin_ : rangeMax_;
  const double lmin = LogOf(rangeMin_);
  const double lmax = LogOf(rangeMax_);
  const double span = lmax - lmin;
  if (span == 0 || sizePixels_ == 0)
    return rangeMin_;
  const double d = span * along / sizePixels_;
  return horizontal_ ? std::exp(lmin + d) : std::exp(lmax - d);
}

}  // namespace chart
