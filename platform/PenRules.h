#pragma once
// Drawing rules of pens that every back end applies alike.

#include "platform/CanvasRecord.h"

#include <optional>

namespace platform {

// Figures drawn within a box (rectangle, ellipse, rounded rectangle, arc, pie, chord).
bool IsBoxFigure(TCanvasOp op);
// A wide inside-frame pen keeps its whole width inside the figure's box: the box its outline is drawn
// on, shrunk by half the pen's width. Any other pen: the box itself.
TRect InsideFrameBox(const TRect& box, const TPenData& pen);

// A pen mode on white paper, where a raster operation can't combine with what was drawn before: the
// colour the mode gives there, or nothing when the paper stays as it was.
std::optional<TColor> OnWhitePaper(TColor color, TPenMode mode);
// The drawing state with its pen mode so applied to the pen and brush colours (mode pmCopy; a pen or
// brush that leaves the paper as it was becomes clear).
TCanvasState OnWhitePaper(const TCanvasState& state);

}  // namespace platform
