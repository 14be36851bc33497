// Pie drawing: slice angles, explosion, flat and 3-D slices, back-to-front order, marks and the
// hit test.
#include "chart/series/PieSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/NotReadyScope.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/Palette.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace chart {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kHalfPi = std::numbers::pi / 2;

}  // namespace

double TPieSeries::SliceValue(int valueIndex) const
{
  if (IsMergedSlice(valueIndex) || IsNull(valueIndex)) return 0;
  return std::fabs(PieValues().GetValue(valueIndex));
}

void TPieSeries::CalcAngles()
{
  // The total of the slices drawn, summed in the same order as below, so the last slice that
  // has a size ends at exactly 2 pi whatever the merged points held.
  const int count = Count();
  double total = 0;
  for (int i = 0; i < count; ++i) total += SliceValue(i);
  const double perUnit = total != 0 ? kTwoPi / total : 0;
  angles_.assign(std::size_t(count), {});
  double sum = 0;
  double previousEnd = 0;
  for (int i = 0; i < count; ++i) {
    TPieAngle& angle = angles_[std::size_t(i)];
    angle.StartAngle = previousEnd;
    if (IsMergedSlice(i)) {
      angle.EndAngle = angle.StartAngle;
    } else if (total == 0) {
      angle.EndAngle = kTwoPi;
    } else {
      sum += SliceValue(i);
      angle.EndAngle = sum == total ? kTwoPi : sum * perUnit;
      if (angle.EndAngle - angle.StartAngle > kTwoPi) angle.EndAngle = angle.StartAngle + kTwoPi;
    }
    angle.MidAngle = (angle.StartAngle + angle.EndAngle) / 2;
    previousEnd = angle.EndAngle;
  }
}

platform::TPoint TPieSeries::ExplodeOffset(int valueIndex) const
{
  if (!isExploded_ || valueIndex < 0 || std::size_t(valueIndex) >= angles_.size()) return {0, 0};
  const int percent = exploded_.Percent(valueIndex);
  if (percent <= 0) return {0, 0};
  const double a = angles_[std::size_t(valueIndex)].MidAngle + RotationRadians();
  return {platform::SafeRound(std::cos(a) * RadiusX() * percent * 0.01),
          platform::SafeRound(std::sin(a) * RadiusY() * percent * 0.01)};
}

platform::TPoint TPieSeries::ExplodedRadii(int valueIndex) const
{
  const double grow = 1 + exploded_.Percent(valueIndex) * 0.01;
  return {platform::SafeRound(RadiusX() * grow), platform::SafeRound(RadiusY() * grow)};
}

double TPieSeries::SliceDistance(int valueIndex) const
{
  double c = angles_.at(std::size_t(valueIndex)).MidAngle + RotationRadians();
  if (c > kTwoPi) c -= kTwoPi;
  if (c <= kHalfPi) return kHalfPi - c;
  const double r = c - kHalfPi;
  return r <= std::numbers::pi ? r : kTwoPi - r;
}

std::vector<int> TPieSeries::BackToFrontOrder() const
{
  const int count = Count();
  std::vector<double> distance(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) distance[std::size_t(i)] = SliceDistance(i);
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&distance](int a, int b) { return distance[std::size_t(a)] < distance[std::size_t(b)]; });
  return order;
}

void TPieSeries::DrawAllValues()
{
  const int count = Count();
  if (explodeBiggest_ > 0 && count > 0) {
    const TNotReadyScope quiet(ParentChart());
    exploded_.SetPercent(PieValues().Locate(PieValues().MaxValue()), explodeBiggest_);
  }
  int widest = -1;
  for (int i = 0; i < count; ++i)
    if (exploded_.Percent(i) > 0 && (widest == -1 || exploded_.Percent(i) > exploded_.Percent(widest))) widest = i;
  isExploded_ = widest != -1;
  CalcAngles();
  if (isExploded_) {
    // The pie shrinks so the farthest slice stays about as far out as the whole pie reached.
    const platform::TPoint offset = ExplodeOffset(widest);
    platform::TRect r = CircleBounds();
    const int dx = std::abs(offset.X) / 2;
    const int dy = std::abs(offset.Y) / 2;
    r.Left += dx;
    r.Right -= dx;
    r.Top += dy;
    r.Bottom -= dy;
    SetCircleBounds(r);
    CalcRadius();
  }
  edgePixel_ = PolarToPixel(0, RadiusX(), RadiusY());
  if (ParentChart() == nullptr || !ParentChart()->View3D() || !isExploded_) {
    TCircledSeries::DrawAllValues();
    return;
  }
  for (const int i : BackToFrontOrder()) DrawValue(i);
}

void TPieSeries::SetSliceBrush(int valueIndex)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  const platform::TBrushStyle style = usePatterns_ ? PatternBrushStyle(valueIndex) : platform::TBrushStyle::bsSolid;
  const TColor back = EffectiveBackColor();
  TColor color = ValueColor(valueIndex);
  // A hatch in the back colour would not show: it takes black, or white over black.
  if (style != platform::TBrushStyle::bsSolid && color == back)
    color = back == platform::clBlack ? platform::clWhite : platform::clBlack;
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(style);
  if (style == platform::TBrushStyle::bsSolid) {
    canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
    return;
  }
  canvas.SetBackgroundMode(platform::TBkMode::bmOpaque);
  canvas.SetBackgroundColor(platform::ColorToRGB(back));
}

void TPieSeries::DrawValue(int valueIndex)
{
  if (BoundsWidth() < 5 || BoundsHeight() < 5) return;
  if (valueIndex < 0 || std::size_t(valueIndex) >= angles_.size() || IsMergedSlice(valueIndex)) return;
  if (ValueColor(valueIndex) == platform::clNone) return;
  SetSliceBrush(valueIndex);
  DrawPie(valueIndex);
}

void TPieSeries::DrawPie(int valueIndex)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.ApplyChartPen(*piePen_);
  const platform::TPoint offset = ExplodeOffset(valueIndex);
  const TPieAngle& angle = angles_[std::size_t(valueIndex)];
  if (ParentChart()->View3D()) {
    const int ox = canvas.CanRotateFreely() ? -offset.X : offset.X;
    canvas.PieSlice3D(CenterX() + ox, CenterY() - offset.Y, RadiusX(), RadiusY(), DepthStart, DepthEnd,
                      angle.StartAngle + RotationRadians(), angle.EndAngle + RotationRadians(), dark3D_, isExploded_);
    return;
  }
  // A slice that ends on the pixel where it starts and is not wider than one radian is left out;
  // the next one starts where it would have.
  const platform::TPoint end = PolarToPixel(angle.EndAngle, RadiusX(), RadiusY());
  const bool wide = Count() > 1 && angle.EndAngle - angle.StartAngle > 1;
  if (end == edgePixel_ && Count() != 1 && !wide) return;
  const platform::TRect& r = CircleBounds();
  const int ox = offset.X;
  const int oy = -offset.Y;
  canvas.DrawPie(r.Left + ox, r.Top + oy, r.Right + ox, r.Bottom + oy, edgePixel_.X + ox, edgePixel_.Y + oy,
                 end.X + ox, end.Y + oy);
  edgePixel_ = end;
}

void TPieSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  if (IsMergedSlice(valueIndex) || std::size_t(valueIndex) >= angles_.size()) return;
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  const platform::TPoint radii = ExplodedRadii(valueIndex);
  const int w = canvas.TextWidthOf(QStringLiteral("W"));
  const int h = canvas.FontHeight();
  const int length = Marks().ArrowLength();
  const double mid = angles_[std::size_t(valueIndex)].MidAngle;
  position.ArrowEnd = PolarToPixel(mid, radii.X + w + length, radii.Y + h + length);
  position.ArrowStart = PolarToPixel(mid, radii.X, radii.Y);
  position.TopLeft.X = position.ArrowEnd.X > CenterX() ? position.ArrowEnd.X : position.ArrowEnd.X - position.Width;
  position.TopLeft.Y = position.ArrowEnd.Y > CenterY() ? position.ArrowEnd.Y : position.ArrowEnd.Y - position.Height;
  Marks().SetZPosition(DepthEnd);
  TCircledSeries::DrawMark(valueIndex, text, position);
}

int TPieSeries::Clicked(int x, int y)
{
  const int inherited = TCircledSeries::Clicked(x, y);
  return inherited != -1 ? inherited : SliceAtPixel(x, y);
}

int TPieSeries::SliceAtPixel(int x, int y) const
{
  if (ParentChart() != nullptr) ParentChart()->Canvas().ScreenToChart(x, y, 0);
  if (RadiusX() <= 0 || RadiusY() <= 0) return -1;
  for (int i = 0; i < int(angles_.size()) && i < Count(); ++i) {
    if (IsMergedSlice(i)) continue;
    // Each slice is tested round its own centre, moved as it is drawn.
    const platform::TPoint offset = ExplodeOffset(i);
    const double dx = double(x - (static_cast<long long>(CenterX()) + offset.X)) / RadiusX();
    const double dy = double((static_cast<long long>(CenterY()) - offset.Y) - y) / RadiusY();
    if (dx * dx + dy * dy > 1) continue;
    double a = dx == 0 && dy == 0 ? 0 : std::atan2(dy, dx);
    if (a < 0) a += kTwoPi;
    a -= RotationRadians();
    if (a < 0) a += kTwoPi;
    const TPieAngle& angle = angles_[std::size_t(i)];
    if (angle.StartAngle <= a && a <= angle.EndAngle) return i;
  }
  return -1;
}

}  // namespace chart
