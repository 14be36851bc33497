#include "controls/editor/InputSupport.h"

#include "controls/editor/CommandCodes.h"

namespace controls {

using namespace platform;

std::uint8_t ShiftFlagsOf(TShiftState shift)
{
  std::uint8_t bits = 0;
  if (shift & ssShift)
    bits |= csShift;
  if (shift & ssCtrl)
    bits |= csCtrl;
  if (shift & ssAlt)
    bits |= csAlt;
  return bits;
}

bool IsModifierKey(int key)
{
  return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_CAPITAL || key == VK_NUMLOCK ||
         key == VK_SCROLL;
}

int PrimaryMouseButton() { return VK_LBUTTON; }

}  // namespace controls
