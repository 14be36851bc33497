#pragma once
// Cursors by number: the standard ones (negative numbers) and the ones the program registers.

#include <QCursor>

namespace platform {

using TCursor = int;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// Registers the cursor shown for a number (the Parts fill their own numbers, e.g. 100..119).
void RegisterCursor(TCursor number, const QCursor& cursor);
// The cursor of a number; an unknown number gives the arrow.
QCursor CursorFor(TCursor number);
bool IsCursorRegistered(TCursor number);
// A black-and-white cursor from a picture: black and white pixels shown, transparent ones not.
QCursor MonochromeCursor(const QImage& picture, int hotX, int hotY);

}  // namespace platform
