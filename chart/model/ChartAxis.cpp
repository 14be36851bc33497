#include "chart/model/ChartAxis.h"

#include "chart/model/ParentChart.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/ChartFont.h"
#include "chart/support/Messages.h"
#include "chart/support/Palette.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace chart {

namespace {
constexpr const char* kDefaultValuesFormat = "#,##0.###";
constexpr double kMinimumSpan = 1e-10;
}  // namespace

TCustomChartAxis::TCustomChartAxis(TParentChart* chart)
    : chart_(chart),
      labelsFont_(NewChartFont([this] { Repaint(); })),
      axisValuesFormat_(QString::fromLatin1(kDefaultValuesFormat)),
      axisPen_([this] { Repaint(); }),
      grid_([this] { Repaint(); }),
      minorTicks_([this] { Repaint(); }),
      ticks_([this] { Repaint(); }),
      ticksInner_([this] { Repaint(); }),
      title_(chart)
{
}

TCustomChartAxis::~TCustomChartAxis() = default;

void TCustomChartAxis::Repaint() const
{
  if (chart_ != nullptr)
    chart_->Invalidate();
}

void TCustomChartAxis::SetAutomatic(bool on)
{
  SetRepaint(automatic_, on);
  if (chart_ != nullptr && chart_->IsReading())
    return;
  automaticMinimum_ = on;
  automaticMaximum_ = on;
}

void TCustomChartAxis::SetAutomaticMinimum(bool on)
{
  SetRepaint(automaticMinimum_, on);
  if (!on)
    automatic_ = false;
  else if (automaticMaximum_)
    automatic_ = true;
}

void TCustomChartAxis::SetAutomaticMaximum(bool on)
{
  SetRepaint(automaticMaximum_, on);
  if (!on)
    automatic_ = false;
  else if (automaticMinimum_)
    automatic_ = true;
}

void TCustomChartAxis::SetMinimum(double value)
{
  const bool reading = chart_ != nullptr && chart_->IsReading();
  if (!reading && !(value <= maximum_))  // not-a-number too
    throw AxisException(msg::AxisMinimum);
  SetRepaint(minimum_, value);
}

void TCustomChartAxis::SetMaximum(double value)
{
  const bool reading = chart_ != nullptr && chart_->IsReading();
  if (!reading && !(value >= minimum_))
    throw AxisException(msg::AxisMaximum);
  SetRepaint(maximum_, value);
}

void TCustomChartAxis::SetIncrement(double value)
{
  if (!(value >= 0))
    throw AxisException(msg::AxisIncrement);
  SetRepaint(increment_, value);
}

void TCustomChartAxis::SetLogarithmic(bool on)
{
  if (on) {
    if (IsDateTimeAxis())
      throw AxisException(msg::AxisDateTimeLog);
    AdjustMaxMin();
    if (rangeMin_ < 0 || rangeMax_ < 0)
      throw AxisException(msg::AxisLogRange);
  }
  SetRepaint(logarithmic_, on);
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
  if (value < 2)
    throw AxisException(msg::AxisLogBase);
  SetRepaint(logarithmicBase_, value);
}

void TCustomChartAxis::SetInverted(bool on) { SetRepaint(inverted_, on); }

void TCustomChartAxis::SetMinMax(double a, double b)
{
  automatic_ = false;
  automaticMinimum_ = false;
  automaticMaximum_ = false;
  minimum_ = std::min(a, b);
  maximum_ = std::max(a, b);
  if (maximum_ - minimum_ < kMinimumSpan)
    maximum_ = minimum_ + kMinimumSpan;
  Repaint();
}

void TCustomChartAxis::SetLabels(bool on) { SetRepaint(labels_, on); }

void TCustomChartAxis::SetLabelsAngle(int angle)
{
  CheckAngle(angle, msg::AxisLabels);
  SetRepaint(labelsAngle_, angle);
}

void TCustomChartAxis::SetLabelsFont(const platform::TFont& font) { labelsFont_->Assign(font); }
void TCustomChartAxis::SetLabelsMultiLine(bool on) { SetRepaint(labelsMultiLine_, on); }
void TCustomChartAxis::SetLabelsOnAxis(bool on) { SetRepaint(labelsOnAxis_, on); }

void TCustomChartAxis::SetLabelsSeparation(int percent)
{
  if (percent < 0)
    throw AxisException(msg::LabelsSeparation);
  SetRepaint(labelsSeparation_, percent);
}

void TCustomChartAxis::SetLabelsSize(int pixels) { SetRepaint(labelsSize_, pixels); }
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle style) { SetRepaint(labelStyle_, style); }
void TCustomChartAxis::SetAxisValuesFormat(const QString& format) { SetRepaint(axisValuesFormat_, format); }
void TCustomChartAxis::SetDateTimeFormat(const QString& format) { SetRepaint(dateTimeFormat_, format); }
void TCustomChartAxis::SetExactDateTime(bool on) { SetRepaint(exactDateTime_, on); }
void TCustomChartAxis::SetRoundFirstLabel(bool on) { SetRepaint(roundFirstLabel_, on); }
bool TCustomChartAxis::IsLabelsFontStored() const { return !IsStandardFont(*labelsFont_); }

bool TCustomChartAxis::IsAxisValuesFormatStored() const
{
  return axisValuesFormat_ != QLatin1String(kDefaultValuesFormat);
}

void TCustomChartAxis::SetMinorTickCount(int count) { SetRepaint(minorTickCount_, count); }
void TCustomChartAxis::SetMinorTickLength(int pixels) { SetRepaint(minorTickLength_, pixels); }
void TCustomChartAxis::SetTickInnerLength(int pixels) { SetRepaint(tickInnerLength_, pixels); }
void TCustomChartAxis::SetTickLength(int pixels) { SetRepaint(tickLength_, pixels); }
void TCustomChartAxis::SetTickOnLabelsOnly(bool on) { SetRepaint(tickOnLabelsOnly_, on); }
void TCustomChartAxis::SetTitleSize(int pixels) { SetRepaint(titleSize_, pixels); }
void TCustomChartAxis::SetVisible(bool on) { SetRepaint(visible_, on); }

void TCustomChartAxis::Assign(const TCustomChartAxis& source)
{
  if (&source == this)
    return;
  visible_ = source.visible_;
  labels_ = source.labels_;
  labelsAngle_ = source.labelsAngle_;
  labelsFont_->Assign(*source.labelsFont_);
  labelsSeparation_ = source.labelsSeparation_;
  labelsSize_ = source.labelsSize_;
  titleSize_ = source.titleSize_;
  labelStyle_ = source.labelStyle_;
  labelsOnAxis_ = source.labelsOnAxis_;
  ticks_.Assign(source.ticks_);
  minorTicks_.Assign(source.minorTicks_);
  ticksInner_.Assign(source.ticksInner_);
  grid_.Assign(source.grid_);
  axisPen_.Assign(source.axisPen_);
  tickLength_ = source.tickLength_;
  minorTickLength_ = source.minorTickLength_;
  minorTickCount_ = source.minorTickCount_;
  tickInnerLength_ = source.tickInnerLength_;
  axisValuesFormat_ = source.axisValuesFormat_;
  increment_ = source.increment_;
  maximum_ = source.maximum_;
  minimum_ = source.minimum_;
  automatic_ = source.automatic_;
  automaticMaximum_ = source.automaticMaximum_;
  automaticMinimum_ = source.automaticMinimum_;
  title_.Assign(source.title_);
  dateTimeFormat_ = source.dateTimeFormat_;
  logarithmic_ = source.logarithmic_;
  logarithmicBase_ = source.logarithmicBase_;
  inverted_ = source.inverted_;
  exactDateTime_ = source.exactDateTime_;
  roundFirstLabel_ = source.roundFirstLabel_;
  tickOnLabelsOnly_ = source.tickOnLabelsOnly_;
  isDepth_ = source.isDepth_;
  startPosition_ = source.startPosition_;
  endPosition_ = source.endPosition_;
  positionPercent_ = source.positionPercent_;
}

bool TCustomChartAxis::IsDateTimeAxis() const { return chart_ != nullptr && chart_->IsAxisDateTime(*this); }

void TCustomChartAxis::CalcAutoMinMax(double& min, double& max)
{
  if (chart_ == nullptr)
    return;
  if (automatic_ || automaticMaximum_)
    max = chart_->AxisMinMax(*this, false, horizontal_);
  if (automatic_ || automaticMinimum_)
    min = chart_->AxisMinMax(*this, true, horizontal_);
}

void TCustomChartAxis::AdjustMaxMin()
{
  CalcAutoMinMax(minimum_, maximum_);
  SetRange(minimum_, maximum_);
}

void TCustomChartAxis::SetRange(double min, double max)
{
  rangeMin_ = min;
  rangeMax_ = max;
  rangeSpan_ = max - min;
}

void TCustomChartAxis::SetPixelRange(int start, int end)
{
  startPixel_ = start;
  endPixel_ = end;
  sizePixels_ = platform::ClampCoord(static_cast<long long>(end) - start);
  centerPixel_ = static_cast<int>((static_cast<long long>(start) + end) / 2);
}

void TCustomChartAxis::CalcPixelRange()
{
  if (chart_ == nullptr)
    return;
  const platform::TRect plot = chart_->ChartRect();
  const int start = horizontal_ ? plot.Left : plot.Top;
  const double length = horizontal_ ? plot.Width() : plot.Height();
  SetPixelRange(start + platform::SafeRound(length * 0.01 * startPosition_),
                start + platform::SafeRound(length * 0.01 * endPosition_));
}

void TCustomChartAxis::AdjustRangeToRect(const platform::TRect& rect)
{
  CalcPixelRange();
  const int oldStart = startPixel_;
  const int oldEnd = endPixel_;
  if (horizontal_)
    SetPixelRange(startPixel_ + rect.Left, endPixel_ - rect.Right);
  else
    SetPixelRange(startPixel_ + rect.Top, endPixel_ - rect.Bottom);
  double lo = ValueOfPos(oldStart);
  double hi = ValueOfPos(oldEnd);
  if (lo > hi)
    std::swap(lo, hi);
  SetRange(lo, hi);
  SetPixelRange(oldStart, oldEnd);
}

TChartDepthAxis::TChartDepthAxis(TParentChart* chart) : TCustomChartAxis(chart)
{
  SetIsDepth(true);
  SetOtherSide(true);
  SetVisibleField(false);
}

}  // namespace chart
