// The colour pattern of colour selections and focus, kept while a selection or focus colour is
// set and rebuilt when the colour asked for changes; and the setters of those colours.

#include "grid/window/Grid.h"

namespace grid {

using platform::clBlack;
using platform::clNone;
using platform::TColor;

namespace {

constexpr int kPatternSize = 8;

}  // namespace

void TtsBaseGrid::CheckColorPattern(bool create)
{
  if (SelectionColor == clNone && FocusColor == clNone) {
    colorPattern_.reset();
    colorPatternRgb_ = clNone;
    return;
  }
  if (create && !colorPattern_)
    colorPattern_ = std::make_unique<platform::TBitmap>();
}

void TtsBaseGrid::UpdateColorPattern(TColor color)
{
  if (colorPattern_ && (colorPattern_->Empty() || platform::ColorToRGB(color) != colorPatternRgb_))
    BuildColorPattern(color);
}

void TtsBaseGrid::BuildColorPattern(TColor color)
{
  if (!colorPattern_)
    colorPattern_ = std::make_unique<platform::TBitmap>();
  platform::TBitmap& pattern = *colorPattern_;
  if (pattern.Width() != kPatternSize || pattern.Height() != kPatternSize)
    pattern.SetSize(kPatternSize, kPatternSize);
  const TColor rgb = platform::ColorToRGB(color);
  for (int y = 0; y < kPatternSize; ++y) {
    for (int x = 0; x < kPatternSize; ++x)
      pattern.Canvas().SetPixel(x, y, (x + y) % 2 == 0 ? rgb : clBlack);
  }
  colorPatternRgb_ = rgb;
}

const platform::TBitmap* TtsBaseGrid::ColorPatternIn(TColor color)
{
  CheckColorPattern(true);
  UpdateColorPattern(color);
  return colorPattern_.get();
}

void TtsBaseGrid::SetSelectionColor(TColor color)
{
  if (SelectionColor == color)
    return;
  SelectionColor = color;
  CheckColorPattern(false);
  Invalidate();
}

void TtsBaseGrid::SetFocusColor(TColor color)
{
  if (FocusColor == color)
    return;
  FocusColor = color;
  FocusSettingChanged(false);
}

void TtsBaseGrid::SetFocusFontColor(TColor color)
{
  if (FocusFontColor == color)
    return;
  FocusFontColor = color;
  FocusSettingChanged(false);
}

void TtsBaseGrid::SetFocusBorder(TtsFocusBorder border)
{
  if (FocusBorder == border)
    return;
  const bool wasFrame = FocusBorder == fbSingle || FocusBorder == fbDouble;
  FocusBorder = border;
  FocusSettingChanged(wasFrame);
}

}  // namespace grid
