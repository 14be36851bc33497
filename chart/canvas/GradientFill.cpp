// Banded gradients of the chart canvas. Each band's colour is the start colour moved towards the
// end colour by step / divisor of the difference, every component clamped to 0..255; a divisor
// of 0 (one band) gives the start colour.
#include "chart/canvas/TeeCanvas3D.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {
using platform::MulDiv;

class TBandColors {
public:
  TBandColors(TColor start, TColor end)
  {
    const TColor a = platform::ColorToRGB(start);
    const TColor b = platform::ColorToRGB(end);
    r_ = platform::GetRValue(a);
    g_ = platform::GetGValue(a);
    b_ = platform::GetBValue(a);
    dr_ = int(platform::GetRValue(b)) - r_;
    dg_ = int(platform::GetGValue(b)) - g_;
    db_ = int(platform::GetBValue(b)) - b_;
  }
  TColor At(int step, int divisor) const
  {
    if (divisor == 0)
      return platform::RGB(std::uint8_t(r_), std::uint8_t(g_), std::uint8_t(b_));
    return platform::RGB(Part(r_, dr_, step, divisor), Part(g_, dg_, step, divisor), Part(b_, db_, step, divisor));
  }

private:
  static std::uint8_t Part(int start, int diff, int step, int divisor)
  {
    return std::uint8_t(std::clamp(start + MulDiv(step, diff, divisor), 0, 255));
  }
  int r_, g_, b_, dr_, dg_, db_;
};

// Fills with the brush set to each band's colour; the caller's brush is put back at the end.
class TBandPainter {
public:
  explicit TBandPainter(platform::TCanvas& canvas) : canvas_(canvas), saved_(canvas.Brush().Data()) {}
  ~TBandPainter() { canvas_.Brush().SetData(saved_); }
  void Fill(TColor color, const TRect& r)
  {
    if (!haveColor_ || color != color_) {
      canvas_.Brush().SetData({color, platform::TBrushStyle::bsSolid, {}});
      color_ = color;
      haveColor_ = true;
    }
    canvas_.FillRect(r);
  }

private:
  platform::TCanvas& canvas_;
  platform::TBrushData saved_;
  TColor color_ = 0;
  bool haveColor_ = false;
};
}  // namespace

void TTeeCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction)
{
  const TRect r = rect.Normalized();
  const TBandColors colors(startColor, endColor);
  TBandPainter bands(*target_);
  const int width = r.Width();
  const int height = r.Height();
  switch (direction) {
  case TGradientDirection::gdTopBottom:
  case TGradientDirection::gdBottomTop: {
    const int n = std::min(height, 256);
    for (int k = 0; k < n; ++k)
      bands.Fill(colors.At(k, n - 1), {r.Left, r.Bottom - MulDiv(k + 1, height, n), r.Right, r.Bottom - MulDiv(k, height, n)});
    break;
  }
  case TGradientDirection::gdLeftRight:
  case TGradientDirection::gdRightLeft: {
    const int n = std::min(width, 256);
    for (int k = 0; k < n; ++k)
      bands.Fill(colors.At(k, n - 1), {r.Right - MulDiv(k + 1, width, n), r.Top, r.Right - MulDiv(k, width, n), r.Bottom});
    break;
  }
  case TGradientDirection::gdFromCenter: {
    const int g = gradientPrecision_;
    const int divisor = width / 2 + height / 2;
    int a = 0;
    int b = 0;
    do {
      const TColor color = colors.At(a + b, divisor);
      bands.Fill(color, platform::Bounds(r.Left + b, r.Top + a, g, height - 2 * a));
      bands.Fill(color, platform::Bounds(r.Right - b - 1, r.Top + a, g, height - 2 * a));
      bands.Fill(color, platform::Bounds(r.Left + b, r.Top + a, width - 2 * b, g));
      bands.Fill(color, platform::Bounds(r.Left + b, r.Bottom - a - g, width - 2 * b, g));
      if (2 * a < height)
        a += g;
      if (2 * b < width)
        b += g;
    } while (2 * a < height || 2 * b < width);
    break;
  }
  case TGradientDirection::gdFromTopLeft:
  case TGradientDirection::gdFromBottomLeft: {
    const bool fromTop = direction == TGradientDirection::gdFromTopLeft;
    const int anchor = fromTop ? r.Top : r.Bottom;
    const int divisor = platform::SafeRound(std::sqrt(double(width) * width + double(height) * height));
    int q = anchor;
    int rows = 0;
    int j = 0;
    while (rows < height || j < width) {
      const TColor color = colors.At(j, divisor);
      bands.Fill(color, platform::Bounds(r.Left, q, j + 1, 1));
      bands.Fill(color, {r.Left + j, std::min(q, anchor), r.Left + j + 1, std::max(q, anchor) + 1});
      if (rows < height) {
        ++rows;
        q += fromTop ? 1 : -1;
      }
      if (j < width)
        ++j;
    }
    break;
  }
  }
}

}  // namespace chart
