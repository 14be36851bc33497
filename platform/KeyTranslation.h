#pragma once
// Qt key and mouse events in the terms of the key and mouse handlers: virtual-key codes, shift states and
// typed characters in the engine's 8-bit text (Latin-1).

#include "platform/VirtualKeys.h"

#include <Qt>
#include <string>

class QKeyEvent;

namespace platform {

// The virtual-key code of a Qt key (0 for a key without one). The keypad modifier picks the keypad codes.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton,
                             bool doubleClick = false);

// The shift state of the keyboard and mouse right now (outside an event handler).
TShiftState CurrentShiftState();

// The characters a key press types, as key-press handlers get them: Latin-1 bytes, control characters for
// Enter (13), Backspace (8), Tab (9), Escape (27) and Ctrl+letter (1..26); nothing for Alt combinations
// and for characters outside Latin-1.
std::string TypedCharacters(const QKeyEvent& event);

}  // namespace platform
