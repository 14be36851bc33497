#pragma once
// The grid's own cursors: small black-and-white pictures with their hot spots, shown over the
// selection strip of a cell ("TSARROWREV"), the row bar ("TSHORARROWRIGHT") and the headings
// ("TSVERTARROWDOWN").

#include "platform/Cursors.h"

#include <QImage>
#include <QPoint>

namespace grid {

inline constexpr platform::TCursor crCellRange = 14100;
inline constexpr platform::TCursor crRowSelect = 14101;
inline constexpr platform::TCursor crColSelect = 14102;

// The picture of one of them (black, white and transparent pixels) and its hot spot; a null image
// for another number.
QImage GridCursorImage(platform::TCursor number, QPoint* hotSpot = nullptr);
// Registers the three once.
void RegisterGridCursors();

}  // namespace grid
