#pragma once
// The interior of a small polygon filled by spans, pixel for pixel as the painter's aliased
// even-odd fill does it: edges in 26.6 and 16.16 fixed point, sampled at the pixel centres of each
// row, a span from the left crossing's pixel up to (not including) the right one's.

#include "platform/CanvasTypes.h"

#include <QImage>
#include <span>

namespace platform {

inline constexpr std::size_t kMaxSpanFillPoints = 16;

// Fills when the polygon has 3 to kMaxSpanFillPoints points and lies within area (its right and
// bottom edges included), which must lie within the 32-bit image whose rows start at bits, stride
// bytes apart; false leaves the image as it was.
bool FillPolygonSpans(uchar* bits, qsizetype stride, std::span<const TPoint> points, QRgb color, const TRect& area);

}  // namespace platform
