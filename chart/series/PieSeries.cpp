// Pie settings, the explode list, the "Other" slice, legend items, samples, gallery and copies.
#include "chart/series/PieSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/NotReadyScope.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/Messages.h"
#include "chart/support/Palette.h"

#include <cmath>
#include <utility>

namespace chart {

// The "Other" slice

TPieOtherSlice::TPieOtherSlice(std::function<void()> changed)
    : changed_(std::move(changed)), text_(QString::fromLatin1(msg::PieOther))
{
}

void TPieOtherSlice::SetStyle(TPieOtherStyle style)
{
  if (style == style_) return;
  style_ = style;
  if (changed_) changed_();
}

void TPieOtherSlice::SetText(const QString& text)
{
  if (text == text_) return;
  text_ = text;
  if (changed_) changed_();
}

void TPieOtherSlice::SetValue(double value)
{
  if (value == value_) return;
  value_ = value;
  if (changed_) changed_();
}

void TPieOtherSlice::Assign(const TPieOtherSlice& source)
{
  style_ = source.style_;
  text_ = source.text_;
  value_ = source.value_;
}

// The explode list

int TExplodedSlices::Percent(int index) const
{
  return index >= 0 && index < Count() ? percents_[std::size_t(index)] : 0;
}

void TExplodedSlices::GrowTo(int count)
{
  if (count > Count()) percents_.resize(std::size_t(count), 0);
}

void TExplodedSlices::SetPercent(int index, int percent)
{
  if (index < 0) return;
  GrowTo(index + 1);
  int& stored = percents_[std::size_t(index)];
  if (stored == percent) return;
  stored = percent;
  if (changed_) changed_();
}

void TExplodedSlices::Exchange(int a, int b)
{
  if (a < 0 || b < 0) return;
  GrowTo(std::max(a, b) + 1);
  std::swap(percents_[std::size_t(a)], percents_[std::size_t(b)]);
}

// The series

TPieSeries::TPieSeries()
    : piePen_(CreateChartPen()), otherSlice_([this] { Repaint(); }), exploded_([this] { Repaint(); })
{
  XValues().SetName({});
  YValues().SetName(QStringLiteral("Pie"));
  Marks().SetVisible(true);
  Marks().SetArrowLength(8);
  SetColorEachPoint(true);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::SetPiePen(const TChartPen& pen) { piePen_->Assign(pen); }

void TPieSeries::SetOtherSlice(const TPieOtherSlice& other)
{
  otherSlice_.Assign(other);
  Repaint();
}

void TPieSeries::SetExplodeBiggest(int percent)
{
  SetIntegerProperty(explodeBiggest_, percent);
  if (Count() > 0) exploded_.SetPercent(YValues().Locate(YValues().MaxValue()), percent);
}

bool TPieSeries::IsMergedSlice(int valueIndex) const { return XValues().GetValue(valueIndex) == kMergedX; }

bool TPieSeries::IsOtherSlice(int valueIndex) const { return XValues().GetValue(valueIndex) == kOtherSliceX; }

void TPieSeries::ClearLists()
{
  TCircledSeries::ClearLists();
  exploded_.Clear();
}

void TPieSeries::SwapValueIndex(int a, int b)
{
  TCircledSeries::SwapValueIndex(a, b);
  exploded_.GrowTo(Count());
  exploded_.Exchange(a, b);
}

int TPieSeries::CalcXPos(int valueIndex) const
{
  return IsOtherSlice(valueIndex) ? 0 : TCircledSeries::CalcXPos(valueIndex);
}

// A pie never widens the axes' automatic ranges: it answers their current ones.
double TPieSeries::MaxXValue() const { return ResolvedHorizAxis() != nullptr ? ResolvedHorizAxis()->Maximum() : 0; }
double TPieSeries::MinXValue() const { return ResolvedHorizAxis() != nullptr ? ResolvedHorizAxis()->Minimum() : 0; }
double TPieSeries::MaxYValue() const { return ResolvedVertAxis() != nullptr ? ResolvedVertAxis()->Maximum() : 0; }
double TPieSeries::MinYValue() const { return ResolvedVertAxis() != nullptr ? ResolvedVertAxis()->Minimum() : 0; }

// Before each drawing the "Other" slice of the last one goes, the X values are renumbered and
// the small points are merged anew.
void TPieSeries::DoBeforeDrawChart()
{
  const TNotReadyScope quiet(ParentChart());
  if (PieValues().Order() != TChartListOrder::loNone) PieValues().Sort();
  const int other = XValues().Locate(kOtherSliceX);
  if (other != -1) Delete(other);
  XValues().FillSequence();
  if (otherSlice_.Style() != TPieOtherStyle::poNone) MergeOtherSlice();
}

void TPieSeries::MergeOtherSlice()
{
  // A slice's size is its absolute value, so the threshold compares sizes; with a total of 0
  // no point has a share and none is merged.
  const bool byPercent = otherSlice_.Style() == TPieOtherStyle::poBelowPercent;
  const double total = PieValues().TotalAbs();
  if (byPercent && total == 0) return;
  double sum = 0;
  double drawnTotal = 0;
  bool merged = false;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    const double value = PieValues().GetValue(i);
    if (!std::isfinite(value)) continue;
    const double size = byPercent ? std::fabs(value) * 100 / total : std::fabs(value);
    if (size < otherSlice_.Value()) {
      sum += value;
      merged = true;
      XValues().SetValue(i, kMergedX);
    } else {
      drawnTotal += std::fabs(value);
    }
  }
  if (!merged) return;
  if (sum != 0) AddXY(kOtherSliceX, sum, otherSlice_.Text(), platform::clDefault);
  // Percent marks count the merged points once, in the new slice.
  PieValues().SetCachedTotalAbs(drawnTotal + std::fabs(sum));
}

// Legend

int TPieSeries::CountLegendItems() const
{
  int count = 0;
  for (int i = 0; i < Count(); ++i)
    if (!IsMergedSlice(i)) ++count;
  return count;
}

int TPieSeries::LegendToValueIndex(int legendIndex) const
{
  int k = legendIndex;
  for (int i = 0; i < Count(); ++i) {
    if (IsMergedSlice(i)) continue;
    if (k == 0) return i;
    --k;
  }
  return legendIndex;
}

TColor TPieSeries::LegendItemColor(int legendIndex) const
{
  return ValueColor(LegendToValueIndex(legendIndex));
}

void TPieSeries::PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle)
{
  TCircledSeries::PrepareLegendCanvas(legendIndex, backColor, brushStyle);
  if (usePatterns_) brushStyle = PatternBrushStyle(LegendToValueIndex(legendIndex));
}

// Samples and gallery

void TPieSeries::FillSampleValues(int numValues)
{
  static constexpr const char* kLabels[] = {"Cars", "Phones", "Tables", "Monitors",
                                            "Lamps", "Keyboards", "Bikes", "Chairs"};
  Clear();
  {
    const TNotReadyScope quiet(ParentChart());
    for (int i = 0; i < numValues; ++i) Add(RandomInt(1000) + 1, QString::fromLatin1(kLabels[i % 8]), platform::clDefault);
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
  Repaint();
}

void TPieSeries::SetPieView()
{
  if (ParentChart() == nullptr) return;
  TView3DOptions* view = ParentChart()->View3DToSet();
  if (view == nullptr) return;
  view->SetOrthogonal(false);
  view->SetRotation(0);
  view->SetElevation(305);
}

void TPieSeries::PrepareForGallery(bool isEnabled)
{
  TCircledSeries::PrepareForGallery(isEnabled);
  FillSampleValues(8);
  if (TSeriesChart* chart = ParentChart()) {
    chart->SetSeriesDepthPercent(75);
    SetCircled(!chart->View3D());
  }
  SetPieView();
  SetColorEachPoint(isEnabled);
}

void TPieSeries::GalleryChanged3D(bool is3D)
{
  TCircledSeries::GalleryChanged3D(is3D);
  SetPieView();
}

void TPieSeries::Assign(const TChartSeries& source)
{
  const auto* other = dynamic_cast<const TPieSeries*>(&source);
  if (other != nullptr && other != this) {
    dark3D_ = other->dark3D_;
    usePatterns_ = other->usePatterns_;
    piePen_->Assign(*other->piePen_);
    explodeBiggest_ = other->explodeBiggest_;
    otherSlice_.Assign(other->otherSlice_);
  }
  TCircledSeries::Assign(source);
  SetColorEachPoint(true);
}

}  // namespace chart
