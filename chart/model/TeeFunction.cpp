#include "chart/model/TeeFunction.h"

#include "chart/model/ChartAxis.h"
#include "chart/model/ChartSeries.h"
#include "chart/support/DateSteps.h"
#include "chart/support/Messages.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <cmath>

namespace chart {

void TTeeFunction::SetPeriod(double period)
{
  if (period < 0) throw platform::Exception(QString::fromLatin1(msg::FunctionPeriod));
  if (period == period_) return;
  period_ = period;
  ReCalculate();
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign align)
{
  if (align == periodAlign_) return;
  periodAlign_ = align;
  ReCalculate();
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle style)
{
  if (style == periodStyle_) return;
  periodStyle_ = style;
  ReCalculate();
}

void TTeeFunction::Assign(const TTeeFunction& source)
{
  period_ = source.period_;
  periodStyle_ = source.periodStyle_;
  periodAlign_ = source.periodAlign_;
}

void TTeeFunction::SetParentSeries(TChartSeries& series)
{
  if (parent_ == &series || parent_ == nullptr) return;
  series.SetFunction(parent_->ReleaseFunction());
}

void TTeeFunction::EndUpdate()
{
  if (!updating_) return;
  updating_ = false;
  ReCalculate();
}

void TTeeFunction::ReCalculate()
{
  if (!updating_ && parent_ != nullptr) parent_->CheckDataSource();
}

const TChartValueList& TTeeFunction::ValueListOf(const TChartSeries& source) const
{
  if (parent_ == nullptr) return source.MandatoryValueList();
  const QString& name = parent_->MandatoryValueList().ValueSource();
  return name.isEmpty() ? source.MandatoryValueList() : source.ValueListByName(name);
}

void TTeeFunction::AddFunctionXY(bool sourceYMandatory, double value, double position)
{
  if (sourceYMandatory)
    parent_->AddXY(position, value, {}, platform::clDefault);
  else
    parent_->AddXY(value, position, {}, platform::clDefault);
}

double TTeeFunction::Calculate(const TChartSeries& /*source*/, int /*first*/, int /*last*/) const { return 0; }

double TTeeFunction::CalculateMany(const std::vector<TChartSeries*>& /*sources*/, int /*index*/) const { return 0; }

void TTeeFunction::AddPoints(const TChartSeries* source)
{
  if (source == nullptr || parent_ == nullptr) return;
  const bool yMandatory = source->YMandatory();
  const TChartValueList& positions = yMandatory ? source->XValues() : source->YValues();
  const auto& sources = parent_->DataSources();
  if (sources.size() > 1) {
    for (int i = 0; i < source->Count(); ++i) {
      const double value = CalculateMany(sources, i);
      const double position = positions.GetValue(i);
      if (yMandatory)
        parent_->AddXY(position, value, source->ValueLabel(i), platform::clDefault);
      else
        parent_->AddXY(value, position, source->ValueLabel(i), platform::clDefault);
    }
    return;
  }
  if (source->Count() == 0) return;
  if (period_ != 0)
    AddPeriodPoints(*source, positions);
  else
    AddAllPoints(*source, positions);
}

void TTeeFunction::AddAllPoints(const TChartSeries& source, const TChartValueList& positions)
{
  const double value = Calculate(source, -1, -1);
  const bool yMandatory = source.YMandatory();
  if (!parent_->FunctionAsPoint()) {
    AddFunctionXY(yMandatory, value, positions.MinValue());
    AddFunctionXY(yMandatory, value, positions.MaxValue());
    return;
  }
  const double middle = (positions.MaxValue() - positions.MinValue()) * 0.5 + positions.MinValue();
  if (parent_->YMandatory())
    parent_->AddXY(middle, value, {}, platform::clDefault);
  else
    parent_->AddXY(value, middle, {}, platform::clDefault);
}

void TTeeFunction::AddPeriodPoint(const TChartSeries& source, int first, int last, double position)
{
  AddFunctionXY(source.YMandatory(), Calculate(source, first, last), position);
}

double TTeeFunction::NextRangeBoundary(double boundary, int stepKind) const
{
  // Long date steps go by the calendar on an exact date-time axis, others add the period.
  const TChartAxis* axis = parent_->ResolvedHorizAxis();
  const bool calendar = axis != nullptr && axis->ExactDateTime() && axis->IsDateTimeAxis();
  StepDateTime(calendar, true, boundary, stepKind, period_);
  return boundary;
}

void TTeeFunction::AddPeriodPoints(const TChartSeries& source, const TChartValueList& positions)
{
  const int count = source.Count();
  const bool yMandatory = source.YMandatory();
  const bool byRange = periodStyle_ == TFunctionPeriodStyle::psRange;
  // A period of points below one half would round to no point and never advance: one point.
  const int pointsPerPeriod = std::max(1, int(std::lround(std::min(period_, double(count) + 1))));
  const int stepKind = StepKindOf(period_);
  double boundary = positions.GetValue(0);
  int first = 0;
  for (int periods = 0; first <= count - 1 && periods < kMaxFunctionPeriods; ++periods) {
    double position = 0, endPosition = 0;
    int last = 0;
    bool holdsPoints = true;
    if (byRange) {
      const double next = NextRangeBoundary(boundary, stepKind);
      if (!(next > boundary)) break;  // a period too small to move the boundary
      position = boundary;
      boundary = next;
      endPosition = boundary - period_ * 0.001;
      last = first;
      while (last < count - 1 && positions.GetValue(last + 1) < boundary) ++last;
      holdsPoints = positions.GetValue(first) < boundary;
    } else {
      position = positions.GetValue(first);
      last = first + pointsPerPeriod - 1;
      endPosition = last < count ? positions.GetValue(last) : 0;
    }
    if (last < count) {
      if (periodAlign_ == TFunctionPeriodAlign::paLast)
        position = endPosition;
      else if (periodAlign_ == TFunctionPeriodAlign::paCenter)
        position = (position + endPosition) * 0.5;
      if (holdsPoints)
        AddPeriodPoint(source, first, last, position);
      else
        AddFunctionXY(yMandatory, 0, position);
    }
    if (holdsPoints) first = last + 1;
  }
}

double TTeeFunction::FoldSources(const std::vector<TChartSeries*>& sources, int index,
                                 double (*fold)(double, double), int& found) const
{
  double result = 0;
  found = 0;
  for (const TChartSeries* source : sources) {
    const TChartValueList& list = ValueListOf(*source);
    if (index >= list.Count()) continue;
    const double value = list.GetValue(index);
    result = found == 0 ? value : fold(result, value);
    ++found;
  }
  return result;
}

double TManySeriesTeeFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const
{
  bool found = false;
  double result = 0;
  for (const TChartSeries* source : sources) {
    const TChartValueList& list = ValueListOf(*source);
    if (index >= list.Count()) continue;
    const double value = list.GetValue(index);
    result = found ? CalculateValue(result, value) : value;
    found = true;
  }
  return result;
}

}  // namespace chart
