#pragma once
// The small pictures the grid paints: row-bar indicators, cell-button glyphs, sort and spin arrows,
// drawn pixel by pixel so that they stay crisp, and the checkerboard of dithered highlights.

#include "platform/Bitmap.h"

namespace grid {

enum class TtsGlyph {
  DotArrowRight,  // the current row
  InsertRow,
  ChangedRow,
  ArrowCombo,
  ButDetail,
  SortUp,
  SortDown,
  SortBullet,
  SpinUp,
  SpinDown,
  SpinLeft,
  SpinRight,
};

inline constexpr int kGlyphCount = int(TtsGlyph::SpinRight) + 1;

// The resource name the glyph is known by, e.g. "TSSORTUP".
const char* GlyphName(TtsGlyph glyph);
// A new bitmap of the glyph: black, white, grey 0x808080 and silver 0xC0C0C0 pixels.
platform::TBitmap MakeGlyph(TtsGlyph glyph);
// 8 x 8, white where the sum of the coordinates is odd, else black.
platform::TBitmap MakeCheckerboard();

}  // namespace grid
