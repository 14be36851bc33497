#pragma once
// The pictures of the plot windows: their tool buttons' glyphs and the three cursors the windows
// register ("ZOOMIN", "AIM" and "ERAZE").

#include "platform/Bitmap.h"
#include "platform/Cursors.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace tools {

inline constexpr platform::TCursor crZoomIn = 10;
inline constexpr platform::TCursor crAim = 11;
inline constexpr platform::TCursor crEraze = 12;

// The 16 x 16 glyph of a tool button by the button's name ("sbPrint", "sbZoomIn", ...); its
// bottom-left pixel is the transparent colour. Empty for a name without a picture.
platform::TBitmap ToolButtonGlyph(const QString& buttonName);

// The 16 x 16 black-and-white picture of one of the three cursors with its hot spot; a null image
// for another number.
QImage PlotWindowCursorImage(platform::TCursor number, QPoint* hotSpot = nullptr);
// Registers the three cursors under their numbers.
void RegisterPlotWindowCursors();

}  // namespace tools
