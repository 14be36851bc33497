// The axis panel's answers about its axes: automatic ranges, pages, visibility and label facts.
#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>

namespace chart {

const TChartAxis* TCustomAxisPanel::AsSideAxis(const TCustomChartAxis& axis)
{
  return axis.IsDepth() ? nullptr : dynamic_cast<const TChartAxis*>(&axis);
}

double TCustomAxisPanel::AxisMinMax(const TCustomChartAxis& axis, bool isMin, bool isX) const
{
  if (axis.IsDepth())
    return DepthAxisMinMax(isMin);
  const TChartAxis* side = AsSideAxis(axis);
  if (side == nullptr)
    return 0;
  double value = 0;
  if (PagedRange(*side, isMin, isX, value))
    return value;
  double minimum = 0, maximum = 0;
  series_.ValueRangeOnAxis(axis, isX, minimum, maximum);
  return isMin ? minimum : maximum;
}

double TCustomAxisPanel::DepthAxisMinMax(bool isMin) const
{
  if (depth_->CalcLabelStyle() != TAxisLabelStyle::talValue)
    return isMin ? -0.5 : maxZOrder_ + 0.5;
  for (const TChartSeries* s : series_)
    if (s->Active())
      return isMin ? s->MinZValue() : s->MaxZValue();
  return 0;
}

// The range of the current page along the axis of the non-mandatory values; false when the axis
// does not page.
bool TCustomAxisPanel::PagedRange(const TChartAxis& axis, bool isMin, bool isX, double& value) const
{
  if (maxPointsPerPage_ <= 0)
    return false;
  const TChartSeries* s = FirstSeriesOnAxis(axis);
  const bool pages = (s == nullptr || s->YMandatory()) ? isX : !isX;
  if (!pages)
    return false;
  value = 0;
  if (s == nullptr || s->Count() == 0)
    return true;
  const int count = s->Count();
  const int perPage = maxPointsPerPage_;
  int first = perPage * (page_ - 1);
  // A page beyond the last (points deleted since it was chosen) shows the last page.
  if (first >= count)
    first = ((count - 1) / perPage) * perPage;
  const int last = std::min(first + perPage, count) - 1;
  const double low = s->GetXOrYValue(isX, first);
  const double high = s->GetXOrYValue(isX, last);
  if (isMin) {
    value = low;
    return true;
  }
  const int shown = last - first + 1;
  value = (shown < perPage && !scaleLastPage_) ? low + (high - low) * perPage / shown : high;
  return true;
}

int TCustomAxisPanel::MaxPointCountOnAxis(const TChartAxis& axis) const
{
  int result = 0;
  for (const TChartSeries* s : series_)
    if (s->Active() && s->AssociatedToAxis(axis))
      result = std::max(result, s->Count());
  return result;
}

int TCustomAxisPanel::NumPages() const
{
  if (maxPointsPerPage_ == 0 || series_.Count() == 0)
    return 1;
  const bool horizontal = series_[0].YMandatory();
  const auto pagesOn = [this](const TChartAxis& axis) {
    const int count = MaxPointCountOnAxis(axis);
    return count <= 0 ? 1 : (count + maxPointsPerPage_ - 1) / maxPointsPerPage_;
  };
  return horizontal ? std::max(pagesOn(*bottom_), pagesOn(*top_)) : std::max(pagesOn(*left_), pagesOn(*right_));
}

bool TCustomAxisPanel::IsAxisVisible(const TCustomChartAxis& axis) const
{
  if (!axisVisible_ || !axis.Visible())
    return false;
  if (axis.IsDepth())
    return View3D();
  const TChartAxis* side = AsSideAxis(axis);
  if (side == nullptr)
    return false;
  bool anyUsesAxes = false;
  for (const TChartSeries* s : series_) {
    if (!s->Active() || !s->UseAxis())
      continue;
    if (s->AssociatedToAxis(*side))
      return true;
    anyUsesAxes = true;
  }
  return !anyUsesAxes;
}

bool TCustomAxisPanel::IsAxisDateTime(const TCustomChartAxis& axis) const
{
  const TChartAxis* side = AsSideAxis(axis);
  const TChartSeries* s = side != nullptr ? FirstSeriesOnAxis(*side) : nullptr;
  if (s == nullptr)
    return false;
  return axis.Horizontal() ? s->XValues().DateTime() : s->YValues().DateTime();
}

bool TCustomAxisPanel::HasActiveSeriesOnAxis(const TCustomChartAxis& axis) const
{
  if (axis.IsDepth())
    return series_.CountActive() > 0;
  const TChartAxis* side = AsSideAxis(axis);
  return side != nullptr && FirstSeriesOnAxis(*side) != nullptr;
}

// Labels run along the axis of a series' non-mandatory values.
bool TCustomAxisPanel::HasPointLabelsOnAxis(const TCustomChartAxis& axis) const
{
  const TChartAxis* side = AsSideAxis(axis);
  if (side == nullptr)
    return false;
  for (const TChartSeries* s : series_) {
    if (!s->Active() || !s->AssociatedToAxis(*side) || s->YMandatory() != axis.Horizontal())
      continue;
    if (!s->PointLabels().empty() && !s->PointLabels().front().isEmpty())
      return true;
  }
  return false;
}

bool TCustomAxisPanel::HasDepthValues() const
{
  return std::any_of(series_.begin(), series_.end(), [](const TChartSeries* s) {
    return s->Active() && (s->HasZValues() || s->MinZValue() != s->MaxZValue());
  });
}

int TCustomAxisPanel::MaxMarksWidth() const
{
  int result = 0;
  for (const TChartSeries* s : series_)
    if (s->Active())
      result = std::max(result, s->MaxMarkWidth());
  return result;
}

int TCustomAxisPanel::MaxTextWidth() const
{
  int result = 0;
  for (const TChartSeries* s : series_)
    for (const QString& label : s->PointLabels()) {
      if (label.isEmpty())
        continue;
      int lines = 0;
      result = std::max(result, MultiLineTextWidth(label, lines));
    }
  return result;
}

// Text labels along a side axis: for each index over the labelled series' visible points, the
// first of them reaching it gives the text and the value.
std::vector<TAxisTextLabel> TCustomAxisPanel::AxisTextLabels(const TCustomChartAxis& axis, bool marks) const
{
  std::vector<TAxisTextLabel> labels;
  const TChartAxis* side = AsSideAxis(axis);
  if (side == nullptr)
    return labels;
  std::vector<TChartSeries*> labelled;
  int low = -1;
  int high = -1;
  for (TChartSeries* s : series_) {
    if (!s->Active() || !s->AssociatedToAxis(*side) || s->PointLabels().empty())
      continue;
    s->CalcVisibleRange();
    labelled.push_back(s);
    if (s->FirstVisibleIndex() == -1)
      continue;
    low = low == -1 ? s->FirstVisibleIndex() : std::min(low, s->FirstVisibleIndex());
    high = std::max(high, s->LastVisibleIndex());
  }
  if (low == -1)
    return labels;
  const bool isX = axis.Horizontal();
  for (int index = low; index <= high; ++index) {
    const auto reaches = [index](const TChartSeries* s) { return index < int(s->PointLabels().size()); };
    const auto it = std::find_if(labelled.begin(), labelled.end(), reaches);
    if (it == labelled.end())
      continue;
    const TChartSeries& s = **it;
    QString text = marks ? s.GetMarkText(index) : s.PointLabels()[std::size_t(index)];
    if (OnGetAxisLabel)
      OnGetAxisLabel(axis, &s, index, text);
    labels.push_back({text, s.GetXOrYValue(isX, index)});
  }
  return labels;
}

QString TCustomAxisPanel::DepthAxisLabel(const TCustomChartAxis& axis, int z) const
{
  QString text;
  int n = 0;
  for (const TChartSeries* s : series_) {
    if (!s->Active())
      continue;
    if (s->ZOrder() == maxZOrder_ - z) {
      text = SeriesTitle(*s, n);
      break;
    }
    ++n;
  }
  if (OnGetAxisLabel)
    OnGetAxisLabel(axis, nullptr, z, text);
  return text;
}

}  // namespace chart
