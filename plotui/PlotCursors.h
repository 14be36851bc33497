#pragma once
// The plot's own cursors: small black-and-white pictures with their hot spots, registered under
// the numbers the graph, the series and the annotation tools select (100..109 and 113..119).

#include "platform/Cursors.h"

#include <QImage>
#include <QPoint>
#include <vector>

namespace plotui {

inline constexpr int kCursorSize = 16;

// The numbers, in rising order.
const std::vector<platform::TCursor>& PlotCursorNumbers();
// The picture of a cursor (black, white and transparent pixels) and its hot spot; a null image
// for a number that is not the plot's.
QImage PlotCursorImage(platform::TCursor number, QPoint* hotSpot = nullptr);
// Registers the cursors not registered yet.
void RegisterPlotCursors();

}  // namespace plotui
