// The bar kinds' settings, slot maths, stacking, canvas set-up, legend and clicks.
#include "chart/series/CustomBarSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/HitTests.h"
#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace chart {

TCustomBarSeries::TCustomBarSeries() : barPen_(CreateChartPen()), barBrush_([this] { Repaint(); })
{
  Marks().SetVisible(true);
  Marks().SetArrowLength(20);
}

TCustomBarSeries::~TCustomBarSeries() = default;

void TCustomBarSeries::SetBarWidthPercent(int percent)
{
  if (percent < 1 || percent > 100) throw BarException(QString::fromLatin1(msg::BarWidthPercent));
  SetIntegerProperty(barWidthPercent_, percent);
}

void TCustomBarSeries::SetOffsetPercent(int percent)
{
  if (percent < -100 || percent > 100) throw BarException(QString::fromLatin1(msg::BarOffsetPercent));
  SetIntegerProperty(offsetPercent_, percent);
}

void TCustomBarSeries::SetBarStyle(TBarStyle style)
{
  if (barStyle_ == style) return;
  barStyle_ = style;
  Repaint();
}

bool TCustomBarSeries::IsBarSeries(const TChartSeries& other) const
{
  return dynamic_cast<const TCustomBarSeries*>(&other) != nullptr && SameClass(other);
}

void TCustomBarSeries::SetMultiBar(TMultiBar value)
{
  if (multiBar_ == value) return;
  multiBar_ = value;
  if (TSeriesChart* chart = ParentChart())
    for (TChartSeries* other : chart->SeriesList())
      if (IsBarSeries(*other)) static_cast<TCustomBarSeries*>(other)->multiBar_ = value;
  Repaint();
}

void TCustomBarSeries::SetSideMargins(bool on)
{
  SetBooleanProperty(sideMargins_, on);
  if (TSeriesChart* chart = ParentChart())
    for (TChartSeries* other : chart->SeriesList())
      if (IsBarSeries(*other)) static_cast<TCustomBarSeries*>(other)->sideMargins_ = on;
}

void TCustomBarSeries::SetBarPen(const TChartPen& pen) { barPen_->Assign(pen); }

void TCustomBarSeries::SetBarBrush(const platform::TBrush& brush) { barBrush_.Assign(brush); }

void TCustomBarSeries::Assign(const TCustomBarSeries& source)
{
  if (&source == this) return;
  barPen_->Assign(*source.barPen_);
  barBrush_.Assign(source.barBrush_);
  barWidthPercent_ = source.barWidthPercent_;
  offsetPercent_ = source.offsetPercent_;
  barStyle_ = source.barStyle_;
  multiBar_ = source.multiBar_;
  sideMargins_ = source.sideMargins_;
  useYOrigin_ = source.useYOrigin_;
  yOrigin_ = source.yOrigin_;
  autoBarSize_ = source.autoBarSize_;
  autoMarkPosition_ = source.autoMarkPosition_;
  dark3D_ = source.dark3D_;
  customBarSize_ = source.customBarSize_;
  OnGetBarStyle = source.OnGetBarStyle;
  Repaint();
}

void TCustomBarSeries::PrepareForGallery(bool isEnabled)
{
  TChartSeries::PrepareForGallery(isEnabled);
  barWidthPercent_ = 85;
  multiBar_ = TMultiBar::mbNone;
}

const TChartAxis* TCustomBarSeries::SpacingAxis() const
{
  return BarsHorizontal() ? ResolvedVertAxis() : ResolvedHorizAxis();
}

const TChartAxis* TCustomBarSeries::ValueAxis() const
{
  return BarsHorizontal() ? ResolvedHorizAxis() : ResolvedVertAxis();
}

int TCustomBarSeries::ValuePixel(double value) const
{
  return BarsHorizontal() ? XValueToPixel(value) : YValueToPixel(value);
}

int TCustomBarSeries::PositionPixel(int valueIndex) const
{
  return BarsHorizontal() ? YValueToPixel(YValueAt(valueIndex)) : XValueToPixel(XValueAt(valueIndex));
}

int TCustomBarSeries::SeriesOrder() const
{
  int order = 1;
  if (TSeriesChart* chart = ParentChart())
    for (TChartSeries* other : chart->SeriesList()) {
      if (other == this) break;
      if (other->Active() && IsBarSeries(*other)) ++order;
    }
  return order;
}

int TCustomBarSeries::NumSideSeries() const
{
  TSeriesChart* chart = ParentChart();
  if (multiBar_ != TMultiBar::mbSide || chart == nullptr) return 1;
  int count = 0;
  for (TChartSeries* other : chart->SeriesList())
    if (other->Active() && IsBarSeries(*other)) ++count;
  return std::max(count, 1);
}

int TCustomBarSeries::CalcBarWidth() const
{
  if (customBarSize_ != 0) return customBarSize_;
  int points = Count();
  int shared = 1;
  TSeriesChart* chart = ParentChart();
  if (chart != nullptr && multiBar_ == TMultiBar::mbSide) {
    points = 0;
    shared = 0;
    for (TChartSeries* other : chart->SeriesList())
      if (other->Active() && IsBarSeries(*other)) {
        points = std::max(points, other->Count());
        ++shared;
      }
    shared = std::max(shared, 1);
  }
  if (chart != nullptr && chart->MaxPointsPerPage() > 0) points = chart->MaxPointsPerPage();
  const TChartAxis* axis = SpacingAxis();
  if (points <= 0 || axis == nullptr) return 0;
  int slot = 0;
  if (autoBarSize_) {
    const double span = axis->RangeMax() + 2 - axis->RangeMin();
    slot = span > 0 ? platform::SafeRound(axis->SizePixels() / span) : 0;
  } else {
    slot = axis->SizePixels() / (points + (sideMargins_ ? 1 : 0));
  }
  int width = platform::SafeRound(barWidthPercent_ * 0.01 * slot) / shared;
  if (width > 0 && width % 2 != 0) ++width;
  return width;
}

int TCustomBarSeries::BarStartPixel(int valueIndex) const
{
  const int width = CalcBarWidth();
  long long start = PositionPixel(valueIndex);
  if (multiBar_ == TMultiBar::mbSide) {
    const double k = NumSideSeries();
    const double s = SeriesOrder();
    const double shift = BarsHorizontal() ? (k * 0.5 - s) * width : (s - k * 0.5 - 1) * width;
    start += platform::SafeRound(shift);
  } else {
    start -= width / 2;
  }
  if (offsetPercent_ != 0) start += platform::SafeRound(offsetPercent_ * width * 0.01);
  return int(std::clamp<long long>(start, -platform::kMaxCoord, platform::kMaxCoord));
}

double TCustomBarSeries::StackBelow(int valueIndex) const
{
  const double below = PointOrigin(valueIndex, false);
  if (multiBar_ != TMultiBar::mbStacked100) return below;
  const double total = PointOrigin(valueIndex, true);
  return total == 0 ? 0 : below * 100 / total;
}

bool TCustomBarSeries::IsEmptyShare(int valueIndex) const
{
  return multiBar_ == TMultiBar::mbStacked100 && PointOrigin(valueIndex, true) == 0;
}

int TCustomBarSeries::BarValuePixel(int valueIndex) const
{
  const double value = MandatoryValueList().GetValue(valueIndex);
  switch (multiBar_) {
  case TMultiBar::mbStacked:
    return ValuePixel(value + PointOrigin(valueIndex, false));
  case TMultiBar::mbStacked100: {
    // A zero total has no shares: the bar lies at value 0.
    const double total = PointOrigin(valueIndex, true);
    return ValuePixel(total == 0 ? 0 : (value + PointOrigin(valueIndex, false)) * 100 / total);
  }
  default:
    return ValuePixel(value);
  }
}

int TCustomBarSeries::BarOriginPixel(int valueIndex) const
{
  if (multiBar_ == TMultiBar::mbStacked || multiBar_ == TMultiBar::mbStacked100)
    return ValuePixel(StackBelow(valueIndex));
  if (useYOrigin_) return ValuePixel(yOrigin_);
  const TChartAxis* axis = ValueAxis();
  if (axis == nullptr) return 0;
  return BarsHorizontal() ? axis->StartPixel() : axis->EndPixel();
}

double TCustomBarSeries::MaxBarValue(double inherited) const
{
  double result = inherited;
  if (multiBar_ == TMultiBar::mbStacked100) {
    result = 100;
  } else if (multiBar_ == TMultiBar::mbStacked) {
    for (int i = 0; i < Count(); ++i)
      result = std::max(result, MandatoryValueList().GetValue(i) + PointOrigin(i, false));
  }
  return useYOrigin_ ? std::max(result, yOrigin_) : result;
}

double TCustomBarSeries::MinBarValue(double inherited) const
{
  if (multiBar_ == TMultiBar::mbStacked100) return 0;
  return useYOrigin_ ? std::min(inherited, yOrigin_) : inherited;
}

bool TCustomBarSeries::AnyValueBelowOrigin() const
{
  for (int i = 0; i < Count(); ++i)
    if (MandatoryValueList().GetValue(i) < yOrigin_) return true;
  return false;
}

bool TCustomBarSeries::AnyValueAboveOrigin() const
{
  for (int i = 0; i < Count(); ++i)
    if (MandatoryValueList().GetValue(i) > yOrigin_) return true;
  return false;
}

TBarStyle TCustomBarSeries::PointBarStyle(int valueIndex)
{
  TBarStyle style = barStyle_;
  if (OnGetBarStyle) OnGetBarStyle(*this, valueIndex, style);
  const int bits = int(style) & 0x7F;
  return bits <= int(TBarStyle::bsRectGradient) ? TBarStyle(bits) : TBarStyle::bsRectangle;
}

void TCustomBarSeries::DrawValue(int valueIndex)
{
  const TColor color = ValueColor(valueIndex);
  if (color == platform::clNone || ParentChart() == nullptr || IsEmptyShare(valueIndex)) return;
  barColor_ = color;
  const int value = BarValuePixel(valueIndex);
  const int origin = BarOriginPixel(valueIndex);
  DrawBar(valueIndex, std::min(value, origin), std::max(value, origin));
}

bool TCustomBarSeries::DrawValuesForward() const
{
  const TChartAxis* axis = SpacingAxis();
  return axis == nullptr || !axis->Inverted();
}

bool TCustomBarSeries::DrawValueForward(int valueIndex) const
{
  const TChartAxis* axis = ValueAxis();
  const bool inverted = axis != nullptr && axis->Inverted();
  const bool stacked = multiBar_ == TMultiBar::mbStacked || multiBar_ == TMultiBar::mbStacked100;
  if (stacked && MandatoryValueList().GetValue(valueIndex) < 0) return inverted;
  return !inverted;
}

void TCustomBarSeries::CalcZOrder()
{
  TSeriesChart* chart = ParentChart();
  if (multiBar_ != TMultiBar::mbNone && chart != nullptr && chart->View3D()) {
    // Side-by-side and stacked bars share the depth of the first of them.
    for (TChartSeries* other : chart->SeriesList()) {
      if (other == this) break;
      if (other->Active() && IsBarSeries(*other)) {
        SetZOrder(other->ZOrder());
        return;
      }
    }
  }
  TChartSeries::CalcZOrder();
}

void TCustomBarSeries::PrepareBarCanvas(TColor color)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.ApplyChartPen(*barPen_);
  if (barBrush_.HasBitmap()) {
    canvas.Brush().Assign(barBrush_);
    return;
  }
  const TColor back = barBrush_.Color() == platform::clDefault ? ParentChart()->Color() : barBrush_.Color();
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(barBrush_.Style());
  if (barBrush_.Style() == platform::TBrushStyle::bsSolid) {
    canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
    return;
  }
  canvas.SetBackgroundMode(platform::TBkMode::bmOpaque);
  canvas.SetBackgroundColor(back);
}

void TCustomBarSeries::DrawBarRectangle(int left, int top, int right, int bottom)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  if (barBrush_.Style() == platform::TBrushStyle::bsSolid) {
    const TColor fill = canvas.Brush().Color();
    if (right == left || bottom == top) {
      if (canvas.Pen().Style() == platform::TPenStyle::psClear) canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
      canvas.Pen().SetColor(fill);
      canvas.DrawLine(left, top, right, bottom);
      return;
    }
    const int penWidth = barPen_->Visible() ? canvas.Pen().Width() : 0;
    if (right - left < penWidth || bottom - top < penWidth) {
      canvas.Pen().SetColor(fill);
      canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    }
  }
  canvas.DrawRectangle(left, top, right, bottom);
}

bool TCustomBarSeries::IsPointInBar(int /*valueIndex*/, int /*x*/, int /*y*/) const { return false; }

int TCustomBarSeries::Clicked(int x, int y)
{
  TSeriesChart* chart = ParentChart();
  if (chart != nullptr) chart->Canvas().ScreenToChart(x, y, DepthStart);
  const int inherited = TChartSeries::Clicked(x, y);
  if (inherited != -1 || chart == nullptr || FirstVisibleIndex() < 0) return inherited;
  const int width = CalcBarWidth();
  const bool horizontal = BarsHorizontal();
  const platform::TPoint at{x, y};
  const int across = horizontal ? y : x;
  const int along = horizontal ? x : y;
  const int last = std::min(LastVisibleIndex(), Count() - 1);
  for (int i = FirstVisibleIndex(); i <= last; ++i) {
    if (ValueColor(i) == platform::clNone || IsEmptyShare(i)) continue;
    const int start = BarStartPixel(i);
    if (across < start || across > start + width) continue;
    const int value = BarValuePixel(i);
    const int origin = BarOriginPixel(i);
    const int s = std::min(value, origin);
    const int e = std::max(value, origin);
    bool inside = false;
    switch (barStyle_) {
    case TBarStyle::bsPyramid:
      inside = horizontal ? IsInsideSideTriangle(at, start, start + width, s, e)
                          : IsInsideTriangle(at, start, start + width, e, s);
      break;
    case TBarStyle::bsInvPyramid:
      inside = horizontal ? IsInsideSideTriangle(at, start, start + width, e, s)
                          : IsInsideTriangle(at, start, start + width, s, e);
      break;
    case TBarStyle::bsEllipse:
      inside = IsInsideEllipse(at, horizontal ? platform::TRect{s, start, e, start + width}
                                              : platform::TRect{start, s, start + width, e});
      break;
    default:
      inside = along >= s && along <= e;
      break;
    }
    if (inside) return i;
  }
  return -1;
}

void TCustomBarSeries::PrepareLegendCanvas(int /*legendIndex*/, TColor& backColor, platform::TBrushStyle& brushStyle)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  if (barBrush_.HasBitmap()) canvas.Brush().Assign(barBrush_);
  canvas.ApplyChartPen(*barPen_);
  brushStyle = barBrush_.Style();
  backColor = barBrush_.Color() == platform::clDefault ? chart->Color() : barBrush_.Color();
}

}  // namespace chart
