#pragma once
// Keyboard and mouse helpers of the editor library.

#include "platform/VirtualKeys.h"

#include <cstdint>

namespace controls {

// Modifier bits of command rows (Shift 2, Ctrl 4, Alt 8) from a shift state.
std::uint8_t ShiftFlagsOf(platform::TShiftState shift);
// Shift, Ctrl, Alt, Caps Lock, Num Lock and Scroll Lock.
bool IsModifierKey(int key);
// The virtual-key code of the primary button (the windowing system already maps swapped buttons).
int PrimaryMouseButton();

}  // namespace controls
