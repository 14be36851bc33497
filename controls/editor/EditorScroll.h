#pragma once
// The arithmetic of the editor's scroll bars and of the drag auto-scroll, apart from the window.

namespace controls {

// Lines per vertical scroll unit: 1, or an even number that keeps the range within 32767 units.
int VerticalDivisor(int lineCount, int rows);
// The vertical bar's last thumb position (in units); at least 2 when the bars are always shown.
int VerticalMaximum(int lineCount, int rows, bool scrollBarsAlways);
// Lines per page of the vertical bar, in units: the rows in view, at least 1.
int VerticalPage(int lineCount, int rows);
// The top line a dragged vertical thumb asks for, within 1 .. line count - 1.
int ThumbToTopLine(int thumb, int lineCount, int rows, bool scrollBarsAlways);
// The horizontal bar's last position: the wrap column or the paragraph limit, at most 512.
int HorizontalMaximum(bool wordWrap, int wrapColumn, int paraLengthLimit, bool scrollBarsAlways);

// Drag auto-scroll: milliseconds between two steps for a pointer this far above or below the text
// (0 inside it); negative far outside, so that every pass steps.
int DragStepWait(int distance, int scrollBarHeight);

}  // namespace controls
