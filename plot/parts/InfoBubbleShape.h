#pragma once
// Where an info bubble goes around its point and how its body and pointer are drawn.

#include "plot/support/GraphTypes.h"

#include "platform/Canvas.h"

#include <array>

namespace plot {

// The size of a bubble: width w, height h, and the line height lh, which is also the gap between
// the point and the bubble.
struct TBubbleSize {
  int W = 0;
  int H = 0;
  int LH = 0;
};

// The bubble rectangle at a position around the anchor (ax, ay).
platform::TRect BubbleRectAt(TInfoPosition position, platform::TPoint anchor, const TBubbleSize& size);

// Starting at the preferred position, the first of seven tries (after ipLeftBottom comes
// ipRightTop) whose rectangle lies within clip, borders included; when none fits, the position
// after the preferred one.
TInfoPosition PlaceBubble(TInfoPosition preferred, platform::TPoint anchor, const TBubbleSize& size,
                          const platform::TRect& clip);

bool IsUpperPosition(TInfoPosition position);
bool IsCentrePosition(TInfoPosition position);
bool IsLeftPosition(TInfoPosition position);

// The two points where the pointer meets the body edge facing the anchor.
std::array<platform::TPoint, 2> PointerBase(TInfoStyle style, TInfoPosition position, platform::TPoint anchor,
                                            const platform::TRect& body);

// The body (rounded or plain) and its pointer in the canvas's pen and brush, joined into one
// shape: the body outline between the pointer's two base points is painted over with the brush.
void DrawBubbleBody(platform::TCanvas& canvas, TInfoStyle style, TInfoPosition position, platform::TPoint anchor,
                    const platform::TRect& body, int lh);

}  // namespace plot
