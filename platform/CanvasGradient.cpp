#include "platform/CanvasGradient.h"

#include "platform/Canvas.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace platform {

namespace {

int Red(TColor c) { return int(c & 0xFF); }
int Green(TColor c) { return int((c >> 8) & 0xFF); }
int Blue(TColor c) { return int((c >> 16) & 0xFF); }

TColor FromChannels(int r, int g, int b)
{
  const auto byte = [](int v) { return TColor(std::clamp(v, 0, 255)); };
  return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}

}  // namespace

void FillBands(TCanvas& canvas, const TRect& r, bool horizontal, int maxBands, const TBandColor& colorOf)
{
  const int n = horizontal ? r.Right - r.Left : r.Bottom - r.Top;
  if (n <= 0 || r.IsEmpty() || maxBands <= 0)
    return;
  const int bands = std::min(n, maxBands);
  const TBrushData saved = canvas.Brush().Data();
  for (int i = 0; i < bands; ++i) {
    canvas.Brush().SetColor(colorOf(i, bands));
    const int from = MulDiv(i + 1, n, bands);
    const int to = MulDiv(i, n, bands);
    const TRect band = horizontal ? TRect{r.Right - from, r.Top, r.Right - to, r.Bottom}
                                  : TRect{r.Left, r.Bottom - from, r.Right, r.Bottom - to};
    canvas.PatBlt(band, cmPatCopy);
  }
  canvas.Brush().SetData(saved);
}

TColor BlendBand(TColor nearColor, TColor farColor, int band, int bands)
{
  const TColor a = ColorToRGB(nearColor);
  if (bands <= 1)
    return a;
  const TColor b = ColorToRGB(farColor);
  const auto channel = [&](int from, int to) { return from + MulDiv(band, to - from, bands - 1); };
  return FromChannels(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}

void FillGradient(TCanvas& canvas, const TRect& r, TColor nearColor, TColor farColor, bool horizontal)
{
  FillBands(canvas, r, horizontal, 256,
            [nearColor, farColor](int band, int bands) { return BlendBand(nearColor, farColor, band, bands); });
}

TColor LighterColor(TColor color, int amount)
{
  const TColor c = ColorToRGB(color);
  return FromChannels(Red(c) + amount, Green(c) + amount, Blue(c) + amount);
}

TColor DarkerColor(TColor color, int amount)
{
  return LighterColor(color, -amount);
}

}  // namespace platform
