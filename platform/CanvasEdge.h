#pragma once
// Three-dimensional edges and bevel frames in the system colours.

#include "platform/CanvasTypes.h"
#include "platform/Color.h"

namespace platform {

class TCanvas;

// Edge kinds: the outer and the inner line of an edge, raised or sunken.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// Sides and options.
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
inline constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x800;   // fill the inside with the button face
inline constexpr unsigned BF_SOFT = 0x1000;    // the inner line in the lighter colours
inline constexpr unsigned BF_ADJUST = 0x2000;  // shrink the rectangle by what was drawn
inline constexpr unsigned BF_FLAT = 0x4000;    // shadow outer line, face inner line
inline constexpr unsigned BF_MONO = 0x8000;    // frame-coloured lines

// Draws the edge lines on the chosen sides of r, inside r; with BF_ADJUST r shrinks by them.
// The canvas brush is left as it was.
void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags);

// A bevel frame of the given width: top and left in topColor, bottom and right in bottomColor.
// The rectangle shrinks by the width; the pen becomes one pixel wide.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

}  // namespace platform
