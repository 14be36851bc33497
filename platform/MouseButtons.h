#pragma once
// The mouse buttons of the controls' handlers (no widgets needed).

namespace platform {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace platform
