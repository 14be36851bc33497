#pragma once
// A font like another one, turned by an angle.

#include "platform/Font.h"

namespace plot {

// The description of `font` turned by angle degrees counter-clockwise (escapement in tenths of a
// degree) with the given character set; style, face, height and pitch kept.
platform::TFontData CreateRotatedFont(const platform::TFont& font, int angle, int charset);

}  // namespace plot
