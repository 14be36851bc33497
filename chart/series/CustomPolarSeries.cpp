// Polar points: settings, pixels, the line and sectors between them, symbols, clicks, legend.
#include "chart/series/CustomPolarSeries.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/ChartFont.h"
#include "chart/support/NumberPicture.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace chart {

TCustomPolarSeries::TCustomPolarSeries()
    : pointer_(*this),
      pen_(CreateChartPen()),
      circlePen_(CreateChartPen()),
      brush_([this] { Repaint(); }),
      circleLabelsFont_(NewChartFont([this] { Repaint(); }))
{
  YValues().SetName(QStringLiteral("Radius"));
  brush_.SetStyle(platform::TBrushStyle::bsClear);
}

TCustomPolarSeries::~TCustomPolarSeries() = default;

bool TCustomPolarSeries::IsInstanceOfClass(const TChartSeries& series) const
{
  return dynamic_cast<const TCustomPolarSeries*>(&series) != nullptr;
}

bool TCustomPolarSeries::IsRadiusValuesStored() const
{
  const TChartValueList& list = YValues();
  return list.Name() != QLatin1String("Radius") || list.DateTime() || list.Multiplier() != 1 ||
         list.Order() != TChartListOrder::loNone || !list.ValueSource().isEmpty();
}

bool TCustomPolarSeries::IsCircleLabelsFontStored() const { return !IsStandardFont(*circleLabelsFont_); }

double TCustomPolarSeries::AngleIncrement() const
{
  if (ParentChart() == nullptr || ResolvedHorizAxis() == nullptr) return 10;
  const double increment = ResolvedHorizAxis()->Increment();
  return increment != 0 ? increment : 10;
}

void TCustomPolarSeries::SetAngleIncrement(double degrees)
{
  if (ParentChart() != nullptr && ResolvedHorizAxis() != nullptr) ResolvedHorizAxis()->SetIncrement(degrees);
}

double TCustomPolarSeries::RadiusIncrement() const
{
  if (ParentChart() == nullptr || ResolvedVertAxis() == nullptr) return 0;
  return ResolvedVertAxis()->Increment();
}

void TCustomPolarSeries::SetRadiusIncrement(double value)
{
  if (ParentChart() != nullptr && ResolvedVertAxis() != nullptr) ResolvedVertAxis()->SetIncrement(value);
}

int TCustomPolarSeries::AddPolar(double degrees, double radius, const QString& label, TColor color)
{
  return AddXY(degrees, radius, label, color);
}

QString TCustomPolarSeries::GetCircleLabel(double degrees) const
{
  return FormatFloatGeneral(degrees) + QChar(0xBA);
}

void TCustomPolarSeries::SetSeriesColor(TColor color)
{
  TCircledSeries::SetSeriesColor(color);
  pen_->SetColor(color);
}

void TCustomPolarSeries::Assign(const TChartSeries& source)
{
  const auto* other = dynamic_cast<const TCustomPolarSeries*>(&source);
  if (other != nullptr && other != this) {
    pen_->Assign(*other->pen_);
    circlePen_->Assign(*other->circlePen_);
    brush_.Assign(other->brush_);
    circleLabelsFont_->Assign(*other->circleLabelsFont_);
    circleLabels_ = other->circleLabels_;
    circleLabelsRotated_ = other->circleLabelsRotated_;
    closeCircle_ = other->closeCircle_;
    pointer_.Assign(other->pointer_);
  }
  TCircledSeries::Assign(source);
}

void TCustomPolarSeries::PrepareForGallery(bool isEnabled)
{
  TCircledSeries::PrepareForGallery(isEnabled);
  SetCircled(true);
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  chart->RightAxis().SetLabels(false);
  chart->TopAxis().SetLabels(false);
  if (TView3DOptions* view = chart->View3DToSet()) {
    view->SetOrthogonal(false);
    view->SetElevation(360);
    view->SetZoom(90);
  }
}

// Pixels

platform::TPoint TCustomPolarSeries::CalcPointPixel(int valueIndex, int xRadius, int yRadius) const
{
  const TChartAxis* axis = ResolvedVertAxis();
  const double minimum = axis != nullptr ? axis->RangeMin() : 0;
  const double range = axis != nullptr ? axis->RangeMax() - minimum : 0;
  // A radius axis without a range puts every point at the centre.
  if (range == 0 || !std::isfinite(range)) return {CenterX(), CenterY()};
  const double along = (YValueAt(valueIndex) - minimum) / range;
  return PolarToPixel(XValueAt(valueIndex) * std::numbers::pi / 180, along * xRadius, along * yRadius);
}

int TCustomPolarSeries::CalcXPos(int valueIndex) const { return CalcPointPixel(valueIndex, RadiusX(), RadiusY()).X; }

int TCustomPolarSeries::CalcYPos(int valueIndex) const { return CalcPointPixel(valueIndex, RadiusX(), RadiusY()).Y; }

// The line and the symbols

void TCustomPolarSeries::FillSector(platform::TPoint a, platform::TPoint b, int z)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  const platform::TPenData pen = canvas.Pen().Data();
  canvas.Pen().SetStyle(platform::TPenStyle::psClear);
  canvas.Triangle3D(a, b, {CenterX(), CenterY()}, z);
  canvas.Pen().SetData(pen);
}

void TCustomPolarSeries::DrawValue(int valueIndex)
{
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  const platform::TPoint p = CalcPointPixel(valueIndex, RadiusX(), RadiusY());
  const TColor color = ValueColor(valueIndex);
  // The pen is set up at the first point; later points change only its colour, and only when
  // it differs.
  if (valueIndex == FirstVisibleIndex()) {
    canvas.ApplyChartPen(*pen_);
    canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  }
  if (pen_->Visible() && canvas.Pen().Color() != color) canvas.Pen().SetColor(color);
  const bool filled = brush_.Style() != platform::TBrushStyle::bsClear;
  auto applyBrush = [&](TColor pointColor) {
    platform::TBrushData brush = brush_.Data();
    if (brush.Color == platform::clDefault) brush.Color = pointColor;
    canvas.Brush().SetData(brush);
  };
  if (valueIndex == FirstVisibleIndex()) {
    canvas.MoveToPoint3D(p.X, p.Y, DepthStart);
    previousPoint_ = p;
    return;
  }
  if (p.X != previousPoint_.X || p.Y != previousPoint_.Y) {
    if (filled) {
      applyBrush(color);
      FillSector(previousPoint_, p, DepthStart);
    }
    canvas.LineToPoint3D(p.X, p.Y, DepthStart);
  }
  if (valueIndex == LastVisibleIndex() && closeCircle_) {
    const TColor first = ValueColor(0);
    if (pen_->Visible()) canvas.Pen().SetColor(first);
    const platform::TPoint p0 = CalcPointPixel(0, RadiusX(), RadiusY());
    if (filled) {
      applyBrush(first);
      FillSector(p, p0, DepthStart);
    }
    canvas.LineToPoint3D(p0.X, p0.Y, DepthStart);
  }
  previousPoint_ = p;
}

void TCustomPolarSeries::DrawAllValues()
{
  TCircledSeries::DrawAllValues();
  if (!pointer_.Visible() || FirstVisibleIndex() < 0) return;
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    const TColor color = ValueColor(i);
    const platform::TPoint p = CalcPointPixel(i, RadiusX(), RadiusY());
    pointer_.PrepareCanvas(color);
    pointer_.Draw(p.X, p.Y, color, pointer_.Style());
  }
}

int TCustomPolarSeries::Clicked(int x, int y)
{
  if (ParentChart() != nullptr) ParentChart()->Canvas().ScreenToChart(x, y, DepthStart);
  const int inherited = TCircledSeries::Clicked(x, y);
  if (inherited != -1) return inherited;
  if (!pointer_.Visible() || FirstVisibleIndex() < 0) return -1;
  for (int i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
    const platform::TPoint p = CalcPointPixel(i, RadiusX(), RadiusY());
    if (std::abs(static_cast<long long>(p.X) - x) < pointer_.HorizSize() &&
        std::abs(static_cast<long long>(p.Y) - y) < pointer_.VertSize())
      return i;
  }
  return -1;
}

void TCustomPolarSeries::DrawLegendShape(int legendIndex, const platform::TRect& rect)
{
  const TColor color = legendIndex == -1 ? SeriesColor() : ValueColor(legendIndex);
  if (!pen_->Visible() && !pointer_.Visible()) {
    TCircledSeries::DrawLegendShape(legendIndex, rect);
    return;
  }
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  if (pen_->Visible()) {
    canvas.ApplyChartPen(*pen_);
    canvas.Pen().SetColor(color);
    canvas.HorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
  }
  if (pointer_.Visible()) pointer_.DrawLegendSymbol(color, rect, pen_->Visible());
}

// Radii shared by the series of one class

const TCustomPolarSeries* TCustomPolarSeries::FirstOfClass() const
{
  if (ParentChart() == nullptr) return nullptr;
  for (const TChartSeries* series : ParentChart()->SeriesList())
    if (series->Active() && IsInstanceOfClass(*series)) return static_cast<const TCustomPolarSeries*>(series);
  return nullptr;
}

bool TCustomPolarSeries::SharedRadii(int& xRadius, int& yRadius) const
{
  // Every series of the class draws at the radii of the first one in this drawing, so their
  // rings agree and still follow the chart's size.
  const TCustomPolarSeries* first = FirstOfClass();
  if (first == nullptr || first == this || first->RadiusX() == 0 || first->RadiusY() == 0) return false;
  xRadius = first->RadiusX();
  yRadius = first->RadiusY();
  return true;
}

platform::TRect TCustomPolarSeries::PlotBounds() const
{
  platform::TRect bounds = TCircledSeries::PlotBounds();
  if (!circleLabels_ || FirstOfClass() != this) return bounds;
  // Room for the angle labels round the first series' rings.
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.AssignFont(*circleLabelsFont_);
  const int h = canvas.FontHeight() + 2;
  const int w = canvas.TextWidthOf(QStringLiteral("360"));
  bounds.Top += h;
  bounds.Bottom -= h;
  bounds.Left += w;
  bounds.Right -= w;
  return bounds;
}

}  // namespace chart
