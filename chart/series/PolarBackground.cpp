// What a polar series draws behind its points: the outer ring, radial lines and angle labels,
// radius rings and the radius scales.
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/series/CustomPolarSeries.h"
#include "platform/CanvasRecord.h"
#include "platform/CanvasRounding.h"

#include <cmath>
#include <numbers>

namespace chart {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// Finer angle steps would draw more lines than pixels round any ring.
constexpr double kSmallestAngleStep = 0.1;

// Runs action for 360, 360 - step, ... down to 0; the steps are counted, not summed, so no
// angle drifts, and a step dividing 360 gives exact multiples of itself.
template <class F>
void ForEachAngleDown(double step, F action)
{
  const long long count = static_cast<long long>(std::floor(360 / step + 1e-9));
  const bool divides = std::fabs(count * step - 360) <= 1e-9 * 360;
  for (long long k = 0; k <= count; ++k) {
    if (divides)
      action(k == 0 ? 360.0 : double(count - k) * step);
    else
      action(360 - double(k) * step);
  }
}

}  // namespace

void TCustomPolarSeries::DoBeforeDrawValues()
{
  TCircledSeries::DoBeforeDrawValues();
  if (ParentChart() == nullptr) return;
  DrawBackground();
}

void TCustomPolarSeries::DrawBackground()
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  if (CircleBackColor() == platform::clDefault) {
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  } else {
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(EffectiveBackColor());
  }
  canvas.ApplyChartPen(*circlePen_);
  DrawRing(BoundsWidth() / 2, BoundsHeight() / 2, DepthEnd);
  DrawRadialLines();
  DrawRadiusRings();
  DrawRadiusScales();
}

void TCustomPolarSeries::PrepareGridPen(const TChartPen& gridPen)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  canvas.ApplyChartPen(gridPen);
  ParentChart()->CheckPenWidth(canvas.Pen());
  if (gridPen.Color() == platform::clDefault) canvas.Pen().SetColor(0x808080);
}

void TCustomPolarSeries::DrawRing(int halfWidth, int halfHeight, int z)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  if (sideCount_ == 0) {
    canvas.Ellipse3D(CenterX() - halfWidth, CenterY() - halfHeight, CenterX() + halfWidth, CenterY() + halfHeight, z);
    return;
  }
  const double step = 2 * std::numbers::pi / sideCount_;
  const bool filled = canvas.Brush().Style() != platform::TBrushStyle::bsClear;
  platform::TPoint previous = PolarToPixel(0, halfWidth, halfHeight);
  canvas.MoveToPoint3D(previous.X, previous.Y, z);
  for (int k = 0; k <= sideCount_; ++k) {
    const platform::TPoint p = PolarToPixel(k * step, halfWidth, halfHeight);
    if (filled) {
      FillSector(previous, p, z);
      canvas.MoveToPoint3D(previous.X, previous.Y, z);
    }
    canvas.LineToPoint3D(p.X, p.Y, z);
    previous = p;
  }
}

void TCustomPolarSeries::DrawRadialLines()
{
  const TChartAxis* axis = ResolvedHorizAxis();
  if (axis == nullptr) return;
  const bool grid = axis->Grid().Visible();
  if (!grid && !circleLabels_) return;
  double step = axis->Increment();
  if (step <= 0) step = 10;
  step = std::max(step, kSmallestAngleStep);
  PrepareGridPen(axis->Grid());
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  ForEachAngleDown(step, [&](double a) {
    if (circleLabels_) DrawAngleLabel(a);
    if (!grid) return;
    const platform::TPoint p = PolarToPixel(a * kDegree, RadiusX(), RadiusY());
    canvas.Line3D(CenterX(), CenterY(), p.X, p.Y, DepthEnd);
  });
}

void TCustomPolarSeries::DrawAngleLabel(double degrees)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.AssignFont(*circleLabelsFont_);
  double a = degrees;
  if (a >= 360) a -= 360;
  double position = a;
  if (circleLabelsRotated_) position = (a <= 90 || a >= 270) ? a + 2 : a - 3;
  platform::TPoint anchor = PolarToPixel(position * kDegree, RadiusX() + 2, RadiusY() + 2);
  const QString text = GetCircleLabel(a);
  double s = a + RotationAngle();
  if (s >= 360) s -= 360;
  if (circleLabelsRotated_) {
    unsigned align = platform::TA_LEFT;
    if (s > 90 && s < 270) {
      align = platform::TA_RIGHT;
      s += 180;
    }
    canvas.SetTextAlignment(align | platform::TA_TOP);
    canvas.RotatedText3D(anchor.X, anchor.Y, DepthEnd, text, platform::SafeRound(s));
    return;
  }
  const int height = canvas.FontHeight();
  if (s > 0 && s < 180)
    anchor.Y -= height;
  else if (s == 0 || s == 180)
    anchor.Y -= height / 2;
  unsigned align = platform::TA_LEFT;
  if (s == 90 || s == 270)
    align = platform::TA_CENTER;
  else if (s > 90 && s < 270)
    align = platform::TA_RIGHT;
  const int halfZero = canvas.TextWidthOf(QStringLiteral("0")) / 2;
  if (s == 0) anchor.X += halfZero;
  if (s == 180) anchor.X -= halfZero;
  canvas.SetTextAlignment(align | platform::TA_TOP);
  canvas.WriteText3D(anchor.X, anchor.Y, DepthEnd, text);
}

void TCustomPolarSeries::DrawRadiusRings()
{
  TChartAxis* axis = ResolvedVertAxis();
  if (axis == nullptr || !axis->Grid().Visible()) return;
  const double step = axis->CalcIncrement();
  if (!(step > 0)) return;
  const double minimum = axis->RangeMin();
  const double maximum = axis->RangeMax();
  const double range = maximum - minimum;
  double v = maximum / step;
  if (!(std::fabs(v) < 2147483647.0) || !(std::fabs(range / step) < 10000)) return;
  PrepareGridPen(axis->Grid());
  v = axis->RoundFirstLabel() ? std::trunc(v) * step : maximum;
  auto ring = [&](double value) {
    if (range == 0) return;
    const double t = (value - minimum) / range;
    DrawRing(platform::SafeRound(t * RadiusX()), platform::SafeRound(t * RadiusY()), DepthEnd);
  };
  if (axis->LabelsOnAxis()) {
    while (v > maximum) v -= step;
    for (; v >= minimum; v -= step) ring(v);
    return;
  }
  while (v >= maximum) v -= step;
  for (; v > minimum; v -= step) ring(v);
}

void TCustomPolarSeries::DrawRadiusScales()
{
  TSeriesChart& chart = *ParentChart();
  TChartAxis& left = chart.LeftAxis();
  const double minimum = left.RangeMin();
  const double maximum = left.RangeMax();
  const double increment = left.Increment();
  // Labels beside the line by the tick size, the title beyond them.
  auto draw = [&](TChartAxis& axis, int posAxis, int outward, bool ownRange, int startPos, int endPos) {
    const int posLabels = posAxis + outward * axis.TickLength();
    const int posTitle = posLabels + outward * axis.SizeLabels();
    if (ownRange)
      axis.CustomDraw(posLabels, posTitle, posAxis, false, startPos, endPos);
    else
      axis.CustomDrawMinMax(posLabels, posTitle, posAxis, false, minimum, maximum, increment, startPos, endPos);
  };
  auto drawInverted = [&](TChartAxis& axis, int posAxis, int outward, bool ownRange, int startPos, int endPos) {
    const bool wasInverted = axis.Inverted();
    axis.SetInvertedField(true);
    draw(axis, posAxis, outward, ownRange, startPos, endPos);
    axis.SetInvertedField(wasInverted);
  };
  if (chart.RightAxis().Visible())
    draw(chart.RightAxis(), CenterX(), 1, false, CenterY() - RadiusY(), CenterY());
  if (!DrawsSideScales()) return;
  if (left.Visible()) drawInverted(left, CenterX(), -1, true, CenterY(), CenterY() + RadiusY());
  if (chart.TopAxis().Visible())
    drawInverted(chart.TopAxis(), CenterY(), -1, false, CenterX() - RadiusX(), CenterX());
  if (chart.BottomAxis().Visible())
    draw(chart.BottomAxis(), CenterY(), 1, false, CenterX(), CenterX() + RadiusX());
}

}  // namespace chart
