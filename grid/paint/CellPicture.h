#pragma once
// A picture drawn into a cell: cropped, shrunk, stretched, kept in proportion or centred, and
// optionally with one colour transparent.

#include "platform/CanvasTypes.h"
#include "platform/Color.h"

namespace platform {
class TCanvas;
class TGraphic;
}  // namespace platform

namespace grid {

// The transparent colour that means "draw opaque".
inline constexpr platform::TColor kOpaquePicture = platform::clNone;

struct TtsPicturePlacement {
  platform::TRect Source;  // part of the picture
  platform::TRect Target;  // where it goes in the cell
};

// Where a picture of the given size lands in rect; an empty Target when nothing is drawn.
TtsPicturePlacement PlacePicture(const platform::TRect& rect, int pictureWidth, int pictureHeight, bool keepProportions,
                                 bool shrink, bool stretch, bool center);

// Fills rect with the canvas brush, then copies the picture's source part onto the target.
void DrawPicture(platform::TCanvas& canvas, const platform::TRect& rect, const platform::TGraphic* picture,
                 bool keepProportions, bool shrink, bool stretch, bool center,
                 platform::TColor transparentColor = kOpaquePicture);

}  // namespace grid
