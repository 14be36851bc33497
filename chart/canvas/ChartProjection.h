#pragma once
// Chart coordinates (x, y in pixels of the unrotated chart, z the depth from the front) to pixels:
// the oblique projection (depth shifts right and up), the rotated one with perspective, or none.
// The coefficients are computed once per picture; projecting allocates nothing.

#include "platform/CanvasRounding.h"
#include "platform/CanvasTypes.h"

namespace chart {

class TView3DOptions;

class TChartProjection {
public:
  // The scale coefficients closer to zero than this move to it (keeping their sign), so the
  // inverse stays defined.
  static constexpr double kMinScale = 1e-5;

  // The view of one picture: orthogonal flag, zoom, angles (when rotated). No options: a flat view.
  void Begin(const TView3DOptions* options, bool is3D);
  // Centre of the chart rectangle and depth, plus the view's offsets and perspective.
  void SetProjection(const TView3DOptions* options, int maxDepth, const platform::TRect& rect);

  bool Is3D() const { return is3D_; }
  void SetIs3D(bool on) { is3D_ = on; }
  bool Orthogonal() const { return orthogonal_; }
  double ZoomFactor() const { return zoom_; }
  double PerspectiveFactor() const { return perspective_; }

  void ProjectXYZ(int& x, int& y, int z) const
  {
    if (orthogonal_) {
      x = platform::ToPixel((double(x) - cx_ + z) * zoom_) + px_;
      y = platform::ToPixel((double(y) - cy_ - z) * zoom_) + py_;
      return;
    }
    if (!is3D_)
      return;
    const double dx = double(x) - cx_;
    const double dy = double(y) - cy_;
    const double dz = double(z) - cz_;
    double s = zoom_;
    if (perspective_ > 0)
      s = zoom_ * (1 - perspective_ * (dx * m2_ - dy * m1_ + dz * m5_));
    x = platform::ToPixel((dx * m6_ + dy * m3_ + dz * m8_) * s) + px_;
    y = platform::ToPixel((dx * m7_ + dy * m4_ + dz * m9_) * s) + py_;
  }
  platform::TPoint Project(int x, int y, int z) const
  {
    ProjectXYZ(x, y, z);
    return {x, y};
  }
  // The chart point at depth z that projects onto the pixel (perspective left out).
  void ScreenToChart(int& x, int& y, int z) const;

private:
  bool is3D_ = false;
  bool orthogonal_ = false;
  double zoom_ = 1.0;
  double perspective_ = 0;
  int cx_ = 0, cy_ = 0, cz_ = 0;  // centre of the chart rectangle and depth
  int px_ = 0, py_ = 0;           // the centre on screen, offsets added
  // sin E; cos E sin R; cos E sin T; cos E cos T; cos R cos E; sin R sin E sin T + cos R cos T;
  // cos T sin R sin E - cos R sin T; cos R sin E sin T - cos T sin R; cos R cos T sin E + sin R sin T.
  double m1_ = 0, m2_ = 0, m3_ = 0, m4_ = 1, m5_ = 0, m6_ = 1, m7_ = 0, m8_ = 0, m9_ = 0;
};

}  // namespace chart
