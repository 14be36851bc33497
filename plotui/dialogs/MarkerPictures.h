#pragma once
// Pictures of the marker styles for the dialogs that choose one: each symbol drawn by the plot's
// own marker, centred on a white square.

#include <QImage>

namespace plotui {

// The square picture of marker style 1..27 at the font size given; white for style 0.
QImage MarkerPicture(int style, int side, int fontSize);

}  // namespace plotui
