#pragma once
// Where a window goes when its stored position lies off every screen.

#include <QList>
#include <QPoint>
#include <QRect>

namespace app {

// The top-left corner for a window of this rectangle: unchanged when its top-left corner lies on one of the
// screens, otherwise moved onto the nearest screen, as far in as the window's size allows.
QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens);

// The same over the available areas of the screens the application has.
QPoint PlaceOnScreens(const QRect& window);

}  // namespace app
