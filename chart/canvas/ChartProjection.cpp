#include "chart/canvas/ChartProjection.h"

#include "chart/canvas/View3DOptions.h"

#include <cmath>
#include <numbers>

namespace chart {

namespace {
// Values within kMinScale of zero move to +-kMinScale, keeping their sign (zero goes up).
double AwayFromZero(double value)
{
  if (std::fabs(value) >= TChartProjection::kMinScale)
    return value;
  return value < 0 ? -TChartProjection::kMinScale : TChartProjection::kMinScale;
}
}  // namespace

void TChartProjection::Begin(const TView3DOptions* options, bool is3D)
{
  is3D_ = is3D;
  orthogonal_ = false;
  zoom_ = 1.0;
  if (!is3D)
    return;
  if (options) {
    orthogonal_ = options->Orthogonal();
    zoom_ = options->Zoom() * 0.01;
  }
  if (orthogonal_)
    return;
  perspective_ = 0;
  constexpr double kRadians = std::numbers::pi / 180;
  const double r = options ? options->Rotation() * kRadians : 0;
  const double e = options ? options->Elevation() * kRadians : 0;
  const double t = options ? options->Tilt() * kRadians : 0;
  const double sinR = std::sin(r), cosR = std::cos(r);
  const double sinE = std::sin(e), cosE = std::cos(e);
  const double sinT = std::sin(t), cosT = std::cos(t);
  m1_ = sinE;
  m2_ = cosE * sinR;
  m3_ = cosE * sinT;
  m4_ = AwayFromZero(cosE * cosT);
  m5_ = cosR * cosE;
  m6_ = AwayFromZero(sinR * sinE * sinT + cosR * cosT);
  m7_ = cosT * sinR * sinE - cosR * sinT;
  m8_ = cosR * sinE * sinT - cosT * sinR;
  m9_ = cosR * cosT * sinE + sinR * sinT;
}

void TChartProjection::SetProjection(const TView3DOptions* options, int maxDepth, const platform::TRect& rect)
{
  cx_ = int((static_cast<long long>(rect.Left) + rect.Right) / 2);
  cy_ = int((static_cast<long long>(rect.Top) + rect.Bottom) / 2);
  cz_ = maxDepth / 2;
  px_ = cx_;
  py_ = cy_;
  if (!options)
    return;
  px_ = platform::ClampCoord(static_cast<long long>(px_) + options->HorizOffset());
  py_ = platform::ClampCoord(static_cast<long long>(py_) + options->VertOffset());
  if (options->Perspective() > 0)
    perspective_ = options->Perspective() / 35000.0;
}

void TChartProjection::ScreenToChart(int& x, int& y, int z) const
{
  if (zoom_ == 0)
    return;
  if (orthogonal_) {
    x = platform::ToPixel((double(x) - px_) / zoom_) - z + cx_;
    y = platform::ToPixel((double(y) - py_) / zoom_) + z + cy_;
    return;
  }
  if (!is3D_)
    return;
  // Solve the two projection equations for dx, dy at the given depth.
  const double dz = double(z) - cz_;
  const double a = (double(x) - px_) / zoom_ - dz * m8_;
  const double b = (double(y) - py_) / zoom_ - dz * m9_;
  const double det = m6_ * m4_ - m3_ * m7_;
  if (det == 0)
    return;
  x = platform::ToPixel((a * m4_ - m3_ * b) / det) + cx_;
  y = platform::ToPixel((m6_ * b - m7_ * a) / det) + cy_;
}

}  // namespace chart
