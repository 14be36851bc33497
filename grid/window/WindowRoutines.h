#pragma once
// Window and canvas routines of the grid.

class QWidget;

namespace platform {
class TCanvas;
}

namespace grid {

// The window is the control itself or one of its descendants (searched depth first).
bool IsWindowInside(const QWidget* window, const QWidget* control);

// Draws a 1 x 1 bitmap at (0, 0), bringing the canvas's drawing state up to date before a paint.
void PrimeCanvas(platform::TCanvas& canvas);

}  // namespace grid
