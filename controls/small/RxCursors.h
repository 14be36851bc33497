#pragma once
// The two cursors of the small controls, registered under their numbers.

#include "platform/Cursors.h"

namespace controls {

inline constexpr platform::TCursor crHand = 14000;  // "RX_HANDCUR"
inline constexpr platform::TCursor crDragHand = 14001;  // "RX_DRAGCUR"

// Registers both cursors (once; later calls do nothing).
void RegisterRxCursors();

}  // namespace controls
