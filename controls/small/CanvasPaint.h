#pragma once
// Painting a self-drawn control through the platform canvas: the canvas draws on an image that is then
// put on the control's back buffer.

#include "platform/Canvas.h"

#include <functional>

class QPainter;

namespace controls {

// Runs draw on a canvas of width x height pixels, cleared to background, and copies it onto painter.
void PaintThroughCanvas(QPainter& painter, int width, int height, platform::TColor background,
                        const std::function<void(platform::TCanvas&)>& draw);

}  // namespace controls
