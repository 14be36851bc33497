#pragma once
// Alt with a letter pressed anywhere in a grid's window, offered to the grid's heading accelerators
// as a dialog character: the control with the focus need not be the grid.

#include <QObject>

#include <memory>

namespace grid {

class TtsBaseGrid;

// The filter lives as long as the object returned.
std::unique_ptr<QObject> WatchHeadingAccelerators(TtsBaseGrid& grid);

}  // namespace grid
