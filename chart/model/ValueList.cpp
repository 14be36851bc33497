#include "chart/model/ValueList.h"

#include "chart/model/ChartSeries.h"
#include "chart/model/ListIndexError.h"

#include <algorithm>
#include <cmath>

namespace chart {

TChartValueList::TChartValueList(TChartSeries& owner, const QString& name) : owner_(owner), name_(name) {}

void TChartValueList::ThrowIndexError(int index) { throw EListIndexError(index); }

void TChartValueList::SetValue(int index, double value)
{
  CheckListIndex(index, values_.size());
  values_[std::size_t(index)] = value;
  Changed();
  owner_.NotifyLinked(TSeriesNotification::Modify, index);
}

int TChartValueList::AddChartValue(double value)
{
  // Values arriving in order are appended; others are placed by a scan back from the end, after
  // their equals.
  const int count = Count();
  int at = count;
  if (order_ == TChartListOrder::loAscending && count > 0 && value < values_.back()) {
    at = count - 1;
    while (at >= 0 && value < values_[std::size_t(at)]) --at;
    ++at;
  } else if (order_ == TChartListOrder::loDescending && count > 0 && value > values_.back()) {
    at = count - 1;
    while (at >= 0 && value > values_[std::size_t(at)]) --at;
    ++at;
  }
  if (at == count)
    values_.push_back(value);
  else
    values_.insert(values_.begin() + at, value);
  Changed();
  return at;
}

void TChartValueList::InsertChartValue(int index, double value)
{
  if (index < 0 || index > Count()) throw EListIndexError(index);
  if (index == Count())
    values_.push_back(value);
  else
    values_.insert(values_.begin() + index, value);
  Changed();
}

void TChartValueList::Delete(int index)
{
  CheckListIndex(index, values_.size());
  values_.erase(values_.begin() + index);
  Changed();
}

void TChartValueList::ClearValues()
{
  std::vector<double>().swap(values_);
  values_.reserve(std::size_t(std::max(0, owner_.DefaultCapacity())));
  Changed();
}

void TChartValueList::Scroll()
{
  if (values_.empty()) return;
  std::rotate(values_.begin(), values_.begin() + 1, values_.end());
  Changed();
}

int TChartValueList::Locate(double value) const
{
  for (std::size_t i = 0; i < values_.size(); ++i)
    if (values_[i] * multiplier_ == value) return int(i);
  return -1;
}

void TChartValueList::FillSequence()
{
  for (int i = 0; i < Count(); ++i) SetValue(i, i);
}

void TChartValueList::Exchange(int a, int b)
{
  CheckListIndex(a, values_.size());
  CheckListIndex(b, values_.size());
  std::swap(values_[std::size_t(a)], values_[std::size_t(b)]);
  Changed();
}

int TChartValueList::CompareIndices(int a, int b) const
{
  const double va = values_[std::size_t(a)];
  const double vb = values_[std::size_t(b)];
  const int result = va < vb ? -1 : (va > vb ? 1 : 0);
  return order_ == TChartListOrder::loDescending ? -result : result;
}

void TChartValueList::QuickSortRange(int l, int r)
{
  int i = l;
  int j = r;
  int pivot = (l + r) / 2;
  do {
    while (CompareIndices(i, pivot) < 0) ++i;
    while (CompareIndices(pivot, j) < 0) --j;
    if (i < j) {
      owner_.SwapValueIndex(i, j);
      // The pivot is an index: it follows its point.
      if (pivot == i)
        pivot = j;
      else if (pivot == j)
        pivot = i;
    }
    if (i <= j) {
      ++i;
      --j;
    }
  } while (j > i);
  if (l < j) QuickSortRange(l, j);
  if (i < r) QuickSortRange(i, r);
}

void TChartValueList::Sort()
{
  if (order_ == TChartListOrder::loNone || Count() < 2) return;
  QuickSortRange(0, Count() - 1);
}

void TChartValueList::RecalcStats() const
{
  // Values that are not finite (or become so by the multiplier) are left out, so one bad value
  // cannot make an axis range infinite.
  max_ = min_ = total_ = totalAbs_ = 0.0;
  bool first = true;
  for (const double raw : values_) {
    const double v = raw * multiplier_;
    if (!std::isfinite(v)) continue;
    if (first) {
      max_ = min_ = total_ = v;
      totalAbs_ = std::fabs(v);
      first = false;
      continue;
    }
    if (v < min_)
      min_ = v;
    else if (v > max_)
      max_ = v;
    total_ += v;
    totalAbs_ += std::fabs(v);
  }
  statsStale_ = false;
}

double TChartValueList::MaxValue() const
{
  if (statsStale_) RecalcStats();
  return max_;
}

double TChartValueList::MinValue() const
{
  if (statsStale_) RecalcStats();
  return min_;
}

double TChartValueList::Total() const
{
  if (statsStale_) RecalcStats();
  return total_;
}

double TChartValueList::TotalAbs() const
{
  if (statsStale_) RecalcStats();
  return totalAbs_;
}

void TChartValueList::SetCachedTotalAbs(double total) const
{
  if (statsStale_) RecalcStats();
  totalAbs_ = total;
}

void TChartValueList::SetDateTime(bool on) { owner_.SetBooleanProperty(dateTime_, on); }

void TChartValueList::SetMultiplier(double multiplier)
{
  if (multiplier == multiplier_) return;
  multiplier_ = multiplier;
  Changed();
  owner_.NotifyLinked(TSeriesNotification::Refresh, -1);
  owner_.Repaint();
}

void TChartValueList::SetValueSource(const QString& source)
{
  if (source == valueSource_) return;
  valueSource_ = source;
  owner_.CheckDataSource();
}

void TChartValueList::Assign(const TChartValueList& source)
{
  order_ = source.order_;
  dateTime_ = source.dateTime_;
  if (multiplier_ != source.multiplier_) {
    multiplier_ = source.multiplier_;
    Changed();
  }
  valueSource_ = source.valueSource_;
}

}  // namespace chart
