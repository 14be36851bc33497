#pragma once
// The grid's own settings in a whole-grid stream (the "Grid" block): every published setting, its
// fonts, the image-list names, the name of its date-time definition, and the older settings a
// stream may still hold ("ColWidths", "RowHeights", "EditMode", "HeadingAlignment"), which are
// read but never written.

#include "grid/model/GridStreamFormat.h"

namespace grid {

class TtsBaseGrid;

TtsStreamItem GridSettingsItem(TtsBaseGrid& grid);
// Applies the settings of a block in order; "Cols" only when columns match by data column.
// EReadError for a value of the wrong form or out of range.
void ApplyGridSettings(TtsBaseGrid& grid, const TtsStreamItem& settings, bool applyCols);

}  // namespace grid
