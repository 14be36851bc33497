// Placement and drawing of cell pictures.
#include "grid/paint/CellPicture.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <cmath>

namespace grid {
namespace {

using platform::TRect;

// Nearest integer, ties to even.
int RoundEven(double value) { return int(std::nearbyint(value)); }

// One direction of a placement: [sourceFrom, sourceFrom + sourceSize) onto [targetFrom, targetFrom + targetSize).
struct TtsSpan {
  int SourceFrom = 0;
  int SourceSize = 0;
  int TargetFrom = 0;
  int TargetSize = 0;
};

// A picture longer than the target is cropped to it unless shrinking.
void Crop(TtsSpan& span, bool shrink, bool center)
{
  if (span.SourceSize > span.TargetSize && !shrink) {
    if (center)
      span.SourceFrom += RoundEven((span.SourceSize - span.TargetSize) / 2.0);
    span.SourceSize = span.TargetSize;
  }
}

// A target longer than the picture is reduced to it unless stretching.
void Reduce(TtsSpan& span, bool stretch, bool center)
{
  if (span.TargetSize > span.SourceSize && !stretch) {
    if (center)
      span.TargetFrom += RoundEven((span.TargetSize - span.SourceSize) / 2.0);
    span.TargetSize = span.SourceSize;
  }
}

// The target's side reduced to newSize, centred when asked.
void Narrow(TtsSpan& span, int newSize, bool center)
{
  if (center)
    span.TargetFrom += (span.TargetSize - newSize) / 2;
  span.TargetSize = newSize;
}

}  // namespace

TtsPicturePlacement PlacePicture(const TRect& rect, int pictureWidth, int pictureHeight, bool keepProportions,
                                 bool shrink, bool stretch, bool center)
{
  if (rect.IsEmpty() || pictureWidth <= 0 || pictureHeight <= 0)
    return {};
  TtsSpan across{0, pictureWidth, rect.Left, rect.Width()};
  TtsSpan down{0, pictureHeight, rect.Top, rect.Height()};
  Crop(across, shrink, center);
  Crop(down, shrink, center);
  Reduce(across, stretch, center);
  Reduce(down, stretch, center);
  if (keepProportions) {
    const double ratio = double(across.SourceSize) / down.SourceSize;
    if (ratio > double(across.TargetSize) / down.TargetSize)
      Narrow(down, RoundEven(across.TargetSize / ratio), center);
    else
      Narrow(across, RoundEven(down.TargetSize * ratio), center);
  }
  if (across.TargetSize <= 0 || down.TargetSize <= 0)
    return {};
  return {{across.SourceFrom, down.SourceFrom, across.SourceFrom + across.SourceSize, down.SourceFrom + down.SourceSize},
          {across.TargetFrom, down.TargetFrom, across.TargetFrom + across.TargetSize, down.TargetFrom + down.TargetSize}};
}

void DrawPicture(platform::TCanvas& canvas, const TRect& rect, const platform::TGraphic* picture, bool keepProportions,
                 bool shrink, bool stretch, bool center, platform::TColor transparentColor)
{
  canvas.FillRect(rect);
  if (!picture || picture->Empty())
    return;
  const TtsPicturePlacement placement =
      PlacePicture(rect, picture->Width(), picture->Height(), keepProportions, shrink, stretch, center);
  if (placement.Target.IsEmpty())
    return;
  // Metafiles are first drawn at their own size, so that they can be cropped like bitmaps.
  platform::TBitmap rendered;
  const auto* bitmap = dynamic_cast<const platform::TBitmap*>(picture);
  if (!bitmap) {
    rendered.SetSize(picture->Width(), picture->Height());
    picture->DrawOn(rendered.Canvas(), {0, 0, picture->Width(), picture->Height()});
    bitmap = &rendered;
  }
  if (transparentColor == kOpaquePicture)
    canvas.DrawImage(placement.Target, bitmap->Image(), placement.Source);
  else
    platform::BrushCopy(canvas, placement.Target, *bitmap, placement.Source, transparentColor);
}

}  // namespace grid
