#pragma once
// Names of virtual-key codes and shift states, as the history and results lists read their keys.

#include "platform/VirtualKeys.h"

#include <QString>

namespace app {

// "vk_Delete", "vk_F1", ...; a code without a name gives the character with that code.
QString KeyCodeToText(int key);
// " ssShift ssCtrl" ...: a blank and the name of each member present; empty for none.
QString ShiftStateToText(platform::TShiftState shift);

}  // namespace app
