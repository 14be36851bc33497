#pragma once
// Colour gradients drawn as bands, as the plot and chart backgrounds and shaded bars use them, and
// the lighter and darker tones of 3-D faces.

#include "platform/CanvasTypes.h"
#include "platform/Color.h"

#include <functional>

namespace platform {

class TCanvas;

// The colour of band `band` of `bands`.
using TBandColor = std::function<TColor(int band, int bands)>;

// Fills r with bands of colour: band 0 at the right edge (horizontal) or the bottom edge, the last
// band at the opposite edge. A span of n pixels gets min(n, maxBands) bands; band i covers from
// Right - MulDiv(i + 1, n, bands) to Right - MulDiv(i, n, bands) (rows likewise from Bottom). Each
// band is a pattern copy of a solid brush; the canvas brush is kept.
void FillBands(TCanvas& canvas, const TRect& r, bool horizontal, int maxBands, const TBandColor& colorOf);

// Channel by channel near + MulDiv(band, far - near, bands - 1); a single band is nearColor.
TColor BlendBand(TColor nearColor, TColor farColor, int band, int bands);

// A linear gradient of at most 256 bands from nearColor (right or bottom edge) to farColor.
void FillGradient(TCanvas& canvas, const TRect& r, TColor nearColor, TColor farColor, bool horizontal);

// The colour with each channel raised towards 255 (lighter) or lowered towards 0 (darker) by amount.
TColor LighterColor(TColor color, int amount);
TColor DarkerColor(TColor color, int amount);

}  // namespace platform
