#pragma once
// Where display cells are on screen: the start of a column or row, the rectangle of a cell, and
// whether a scroll bar is needed for a client extent. (0, 0, 0, 0) and -1 mean "not on screen".

#include "grid/window/Grid.h"
#include "platform/CanvasTypes.h"

namespace grid {

// The x of a display column's left edge (the y of a row's top), -1 when hidden, scrolled out to
// the left (top) or right of (below) the window.
int ColLeft(const TtsBaseGrid& grid, int displayCol);
int RowTop(const TtsBaseGrid& grid, int displayRow);
// The cell with its right and bottom lines, clipped to the client area.
platform::TRect CellRectRaw(const TtsBaseGrid& grid, int displayCol, int displayRow);
// The cell without its lines, except where the window edge cuts it.
platform::TRect CellRect(const TtsBaseGrid& grid, int displayCol, int displayRow);
// The cell box of display columns left..right and rows top..bottom; (0, 0, 0, 0) off screen.
platform::TRect RangeRect(const TtsBaseGrid& grid, int left, int top, int right, int bottom);
// Whether a clip rectangle reaches a cell rectangle drawn with the grid's lines.
bool IntersectsClip(const TtsBaseGrid& grid, const platform::TRect& clip, const platform::TRect& rect);
// The display column at x (row at y), -1 outside the client area; the clamped form answers the
// last display column (row) past the far edge and 0 before the near one.
int ColAtX(const TtsBaseGrid& grid, int x);
int RowAtY(const TtsBaseGrid& grid, int y);
platform::TPoint CellAtPoint(const TtsBaseGrid& grid, int x, int y);
platform::TPoint CellAtPointClamped(const TtsBaseGrid& grid, int x, int y);
// Whether the columns (rows) from the fixed ones on overflow the width (height) given.
bool NeedsHorzScrollBar(const TtsBaseGrid& grid, int width);
bool NeedsVertScrollBar(const TtsBaseGrid& grid, int height);
// The first scrollable display column (row) when it is shown, else the next shown one; the first
// scrollable one when none is shown.
int FirstShownCol(const TtsBaseGrid& grid);
int FirstShownRow(const TtsBaseGrid& grid);
// A shown, scrollable display column (row) at or near the one given, searching towards the view
// first: backwards before the first scrolled column (row), forwards otherwise. False when none.
bool ShownColNear(const TtsBaseGrid& grid, int displayCol, int& result);
bool ShownRowNear(const TtsBaseGrid& grid, int displayRow, int& result);
// The height of the horizontal (width of the vertical) scroll bar while it shows, else 0.
int HorzScrollBarHeight(const TtsBaseGrid& grid);
int VertScrollBarWidth(const TtsBaseGrid& grid);

}  // namespace grid
