#pragma once
// The glyphs of check-box cells, shared by every grid: one bitmap 13 pixels wide of eighteen 13 by 13
// cells; for each style checked, unchecked and grayed (cross 0..2, check 3..5, flat 6..8), and the
// pressed look of cell i at i + 9.

#include "platform/Bitmap.h"
#include "platform/CanvasRecord.h"

namespace grid {

enum TtsCheckBoxStyle : std::uint8_t { stFlat, stCheck, stCross };

inline constexpr int kCheckGlyphSize = 13;
inline constexpr int kCheckGlyphCells = 18;
inline constexpr int kPressedGlyphShift = 9;

// Built on first use, lives as long as the program.
const platform::TBitmap& CheckGlyphBitmap();
// The first cell (checked) of a style.
int CheckGlyphBase(TtsCheckBoxStyle style);
// Flat glyphs take on the cell's brush.
platform::TCopyMode CheckGlyphRop(int cell);

}  // namespace grid
