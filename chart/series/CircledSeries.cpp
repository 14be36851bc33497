#include "chart/series/CircledSeries.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
}  // namespace

TCircledSeries::TCircledSeries()
{
  XValues().SetName(QStringLiteral("Angle"));
  restrictToAxisRange_ = false;
}

TCircledSeries::~TCircledSeries() { SetParentProperties(true); }

bool TCircledSeries::IsInstanceOfClass(const TChartSeries& series) const
{
  return dynamic_cast<const TCircledSeries*>(&series) != nullptr;
}

template <class TField>
void TCircledSeries::ShareWithClass(TField TCircledSeries::*field, TField value)
{
  if (ParentChart() == nullptr) return;
  for (TChartSeries* series : ParentChart()->SeriesList()) {
    auto* other = dynamic_cast<TCircledSeries*>(series);
    if (other != nullptr && other->IsInstanceOfClass(*this)) other->*field = value;
  }
}

void TCircledSeries::SetCircled(bool on)
{
  SetBooleanProperty(circled_, on);
  ShareWithClass(&TCircledSeries::circled_, on);
}

void TCircledSeries::SetCustomXRadius(int pixels)
{
  SetIntegerProperty(customXRadius_, pixels);
  ShareWithClass(&TCircledSeries::customXRadius_, pixels);
}

void TCircledSeries::SetCustomYRadius(int pixels)
{
  SetIntegerProperty(customYRadius_, pixels);
  ShareWithClass(&TCircledSeries::customYRadius_, pixels);
}

void TCircledSeries::SetRotationAngle(int degrees)
{
  if (degrees < 0) throw PieException(FormatMessage(msg::AngleRange, {QString::fromLatin1(msg::Rotation)}));
  SetIntegerProperty(rotationAngle_, degrees % 360);
  rotationRadians_ = rotationAngle_ * std::numbers::pi / 180;
}

TColor TCircledSeries::EffectiveBackColor() const
{
  if (circleBackColor_ != platform::clDefault) return circleBackColor_;
  if (ParentChart() == nullptr) return platform::clDefault;
  // A chart without walls has no back wall colour: its own colour serves.
  const TColor wall = ParentChart()->BackWallColor();
  return wall != platform::clDefault ? wall : ParentChart()->Color();
}

void TCircledSeries::PrepareLegendCanvas(int /*legendIndex*/, TColor& backColor, platform::TBrushStyle& /*brushStyle*/)
{
  backColor = EffectiveBackColor();
}

platform::TPoint TCircledSeries::PolarToPixel(double radians, double xRadius, double yRadius) const
{
  const double a = radians + rotationRadians_;
  // Halves round to even, as the pixel conversions of the canvas do.
  return {platform::ClampCoord(static_cast<long long>(centerX_) + platform::SafeRound(std::cos(a) * xRadius)),
          platform::ClampCoord(static_cast<long long>(centerY_) - platform::SafeRound(std::sin(a) * yRadius))};
}

double TCircledSeries::PixelToAngle(int x, int y) const
{
  double angle = 0;
  if (x == centerX_)
    angle = y <= centerY_ ? std::numbers::pi / 2 : -std::numbers::pi / 2;
  else if (radiusX_ != 0 && radiusY_ != 0)
    angle = std::atan2(double(centerY_ - y) / radiusY_, double(x - centerX_) / radiusX_);
  if (angle < 0) angle += kTwoPi;
  angle -= rotationRadians_;
  if (angle < 0) angle += kTwoPi;
  return angle;
}

// The chart adapted to round series

void TCircledSeries::SetParentProperties(bool enableAxes)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr || chart->IsDestroying()) return;
  if (enableAxes) {
    // The last round series of a chart leaves it as it is.
    const TChartSeriesList& list = chart->SeriesList();
    if (std::all_of(list.begin(), list.end(), [](const TChartSeries* s) {
          return dynamic_cast<const TCircledSeries*>(s) != nullptr;
        }))
      return;
  }
  chart->SetClipPoints(enableAxes);
  chart->SetAxesAndWalls(enableAxes);
  if (chart->Canvas().CanRotateFreely()) return;
  TView3DOptions* view = chart->View3DToSet();
  if (view == nullptr) return;
  view->SetOrthogonal(false);
  view->SetRotation(360);
  view->SetElevation(315);
  view->SetPerspective(0);
  view->SetTilt(0);
}

void TCircledSeries::SetParentChart(TSeriesChart* chart)
{
  if (chart == nullptr) SetParentProperties(true);
  if (chart == ParentChart()) return;
  TChartSeries::SetParentChart(chart);
  if (ParentChart() != nullptr) SetParentProperties(false);
}

void TCircledSeries::SetActive(bool on)
{
  TChartSeries::SetActive(on);
  SetParentProperties(!Active());
}

void TCircledSeries::Assign(const TChartSeries& source)
{
  const auto* other = dynamic_cast<const TCircledSeries*>(&source);
  if (other == nullptr || other == this) return;
  circled_ = other->circled_;
  rotationAngle_ = other->rotationAngle_;
  rotationRadians_ = other->rotationRadians_;
  customXRadius_ = other->customXRadius_;
  customYRadius_ = other->customYRadius_;
  circleBackColor_ = other->circleBackColor_;
  Repaint();
}

// The circle's rectangle

platform::TRect TCircledSeries::PlotBounds() const
{
  return ParentChart() != nullptr ? ParentChart()->ChartRect() : platform::TRect{};
}

void TCircledSeries::SetCircleBounds(const platform::TRect& bounds)
{
  circleBounds_ = bounds;
  AdjustCircleBounds();
}

void TCircledSeries::AdjustCircleBounds()
{
  platform::TRect& r = circleBounds_;
  if (r.Width() % 2 != 0) --r.Right;
  if (r.Height() % 2 != 0) --r.Bottom;
  if (r.Width() < 4) r.Right = r.Left + 4;
  if (r.Height() < 4) r.Bottom = r.Top + 4;
  boundsWidth_ = r.Width();
  boundsHeight_ = r.Height();
  centerX_ = int((static_cast<long long>(r.Left) + r.Right) / 2);
  centerY_ = int((static_cast<long long>(r.Top) + r.Bottom) / 2);
}

void TCircledSeries::CalcRadius()
{
  int sharedX = 0, sharedY = 0;
  const bool shared = SharedRadii(sharedX, sharedY);
  if (customXRadius_ != 0) {
    radiusX_ = customXRadius_;
    boundsWidth_ = 2 * customXRadius_;
  } else {
    if (shared) boundsWidth_ = 2 * sharedX;
    radiusX_ = boundsWidth_ / 2;
  }
  if (customYRadius_ != 0) {
    radiusY_ = customYRadius_;
    boundsHeight_ = 2 * customYRadius_;
  } else {
    if (shared) boundsHeight_ = 2 * sharedY;
    radiusY_ = boundsHeight_ / 2;
  }
  circleBounds_ = {centerX_ - radiusX_, centerY_ - radiusY_, centerX_ + radiusX_, centerY_ + radiusY_};
}

double TCircledSeries::PixelAspect() const
{
  // The target's own resolutions across and down: a buffer or page shaped unlike the screen
  // keeps square pixels square. A page the chart is laid out on at another size (printing maps
  // the client's layout onto the page's rectangle) stretches each logical pixel by its mapping.
  const platform::TCanvas& device = ParentChart()->Canvas().ReferenceCanvas();
  const platform::TCanvasMapping& mapping = device.Mapping();
  const double across = device.DeviceCaps(platform::TDeviceCap::LogPixelsX) / mapping.ScaleX;
  const double down = device.DeviceCaps(platform::TDeviceCap::LogPixelsY) / mapping.ScaleY;
  return across > 0 && down > 0 && std::isfinite(across / down) ? across / down : 1.0;
}

void TCircledSeries::DoBeforeDrawValues()
{
  TChartSeries::DoBeforeDrawValues();
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  SetCircleBounds(PlotBounds());
  if (Marks().Visible()) {
    TTeeCanvas3D& canvas = chart->Canvas();
    int m = Marks().ArrowLength();
    if (Marks().Frame().Visible()) m += 2 * Marks().Frame().Width();
    canvas.AssignFont(Marks().Font());
    const int h = canvas.FontHeight();
    const int w = canvas.TextWidthOf(QStringLiteral("W")) + chart->MaxMarksWidth() + m;
    circleBounds_.Top += m + h;
    circleBounds_.Bottom -= m + h;
    circleBounds_.Left += w;
    circleBounds_.Right -= w;
    AdjustCircleBounds();
  }
  if (circled_) {
    const double ratio = PixelAspect();
    CalcRadius();
    const int scaledY = platform::SafeRound(radiusY_ * ratio);
    if (scaledY < radiusX_) {
      const int d = radiusX_ - scaledY;
      circleBounds_.Left += d;
      circleBounds_.Right -= d;
    } else {
      const int d = radiusY_ - platform::SafeRound(radiusX_ / ratio);
      circleBounds_.Top += d;
      circleBounds_.Bottom -= d;
    }
    AdjustCircleBounds();
  }
  CalcRadius();
}

}  // namespace chart
