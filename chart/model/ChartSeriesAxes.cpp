// A series' axes: which chart axes it uses, pixels of its values, and the points in view.
#include "chart/model/ChartAxis.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/support/NumberPicture.h"

namespace chart {

void TChartSeries::ResolveAxes()
{
  horizAxisResolved_ = vertAxisResolved_ = nullptr;
  if (parent_ == nullptr) return;
  horizAxisResolved_ = &parent_->BottomAxis();
  if (horizAxis_ == THorizAxis::aTopAxis)
    horizAxisResolved_ = &parent_->TopAxis();
  else if (horizAxis_ == THorizAxis::aCustomHorizAxis && customHorizAxis_ != nullptr)
    horizAxisResolved_ = customHorizAxis_;
  vertAxisResolved_ = &parent_->LeftAxis();
  if (vertAxis_ == TVertAxis::aRightAxis)
    vertAxisResolved_ = &parent_->RightAxis();
  else if (vertAxis_ == TVertAxis::aCustomVertAxis && customVertAxis_ != nullptr)
    vertAxisResolved_ = customVertAxis_;
}

bool TChartSeries::AssociatedToAxis(const TChartAxis& axis) const
{
  if (!UseAxis()) return false;
  if (axis.Horizontal()) return horizAxis_ == THorizAxis::aBothHorizAxis || &axis == horizAxisResolved_;
  return vertAxis_ == TVertAxis::aBothVertAxis || &axis == vertAxisResolved_;
}

// Without a chart a series has no axes: its pixels are 0.
int TChartSeries::XValueToPixel(double value) const
{
  return horizAxisResolved_ != nullptr ? horizAxisResolved_->PosOfValue(value) : 0;
}

double TChartSeries::XPixelToValue(int pixel) const
{
  return horizAxisResolved_ != nullptr ? horizAxisResolved_->ValueOfPos(pixel) : 0;
}

int TChartSeries::XSizeToPixels(double span) const
{
  return horizAxisResolved_ != nullptr ? horizAxisResolved_->SizeOfValue(span) : 0;
}

int TChartSeries::YValueToPixel(double value) const
{
  return vertAxisResolved_ != nullptr ? vertAxisResolved_->PosOfValue(value) : 0;
}

int TChartSeries::YSizeToPixels(double span) const
{
  return vertAxisResolved_ != nullptr ? vertAxisResolved_->SizeOfValue(span) : 0;
}

int TChartSeries::MandatoryValueToPixel(double value) const
{
  return YMandatory() ? YValueToPixel(value) : XValueToPixel(value);
}

int TChartSeries::CalcXPos(int valueIndex) const { return XValueToPixel(XValueAt(valueIndex)); }

int TChartSeries::CalcYPos(int valueIndex) const { return YValueToPixel(YValueAt(valueIndex)); }

QString TChartSeries::XValueText(int valueIndex) const
{
  const double x = XValueAt(valueIndex);
  return horizAxisResolved_ != nullptr ? horizAxisResolved_->LabelValue(x) : FormatFloatPicture(valueFormat_, x);
}

void TChartSeries::CalcVisibleRange()
{
  firstVisible_ = lastVisible_ = -1;
  const int count = Count();
  if (count == 0) return;
  const bool yMandatory = YMandatory();
  const TChartValueList& list = yMandatory ? *xValues_ : *yValues_;
  const TChartAxis* axis = yMandatory ? horizAxisResolved_ : vertAxisResolved_;
  if (!restrictToAxisRange_ || list.Order() == TChartListOrder::loNone || axis == nullptr || parent_ == nullptr) {
    firstVisible_ = 0;
    lastVisible_ = count - 1;
    return;
  }
  // The values at the two edges of the plot rectangle along the axis.
  const platform::TRect r = parent_->ChartRect();
  const int start = axis->Horizontal() ? (axis->Inverted() ? r.Right : r.Left) : (axis->Inverted() ? r.Top : r.Bottom);
  const int end = axis->Horizontal() ? (axis->Inverted() ? r.Left : r.Right) : (axis->Inverted() ? r.Bottom : r.Top);
  const double low = axis->ValueOfPos(start);
  const double high = axis->ValueOfPos(end);

  int first = 0;
  while (first < count && list.GetValue(first) < low) ++first;
  if (first == count) return;
  firstVisible_ = first;
  if (list.GetValue(count - 1) <= high) {
    lastVisible_ = count - 1;
    return;
  }
  int last = first;
  while (last < count && list.GetValue(last) < high) ++last;
  if (last == count) last = count - 1;
  if (!includeNextPoint_ && list.GetValue(last) > high) --last;
  lastVisible_ = last;
}

}  // namespace chart
