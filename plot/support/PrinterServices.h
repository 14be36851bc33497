#pragma once
// The printer services of the plotting library: a bitmap onto the page, the device capabilities of
// a printer, and the error sound.

#include "platform/CanvasTypes.h"

namespace platform {
class TBitmap;
}

namespace plot {

// Stretches the whole bitmap onto the printer's page into r; false when nothing was printed (no
// job running, an empty bitmap or rectangle).
bool PrintBitmap(const platform::TRect& r, const platform::TBitmap& bitmap);

// Device capability numbers of GetPrinterCaps.
inline constexpr int HORZSIZE = 4;   // page width in millimetres
inline constexpr int VERTSIZE = 6;   // page height in millimetres
inline constexpr int HORZRES = 8;    // page width in dots
inline constexpr int VERTRES = 10;   // page height in dots
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;

// A device capability of the printer at printerIndex (-1: the selected one) as it is set up for
// printing; 0 for an index out of range or an unknown capability.
int GetPrinterCaps(int printerIndex, int capability);

// The error sound.
void ErrorBeep();

}  // namespace plot
