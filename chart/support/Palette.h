#pragma once
// The default series colours, the hatches of patterned points and the angle check.

#include "platform/Brush.h"
#include "platform/Color.h"

#include <QString>
#include <array>

namespace chart {

inline constexpr std::array<platform::TColor, 16> kDefaultPalette = {
    0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF, 0x808000,
    0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0, 0xFFFF00, 0x000000};

// The palette entry of index mod 16 (a negative index counts as its magnitude).
platform::TColor PaletteColor(int index);
// Horizontal, vertical, forward and backward diagonal, cross, diagonal cross for index mod 6.
platform::TBrushStyle PatternBrushStyle(int index);
// Raises ChartException "<description> Angle must be between 0 and 359 degrees" outside 0..359.
void CheckAngle(int value, const QString& description);

}  // namespace chart
