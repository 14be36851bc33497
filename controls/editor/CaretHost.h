#pragma once
// What a caret needs of the control that shows it: the control's own caret, never a global one.

#include "controls/editor/Caret.h"

namespace controls {

class TOvcCaretHost {
 public:
  virtual ~TOvcCaretHost() = default;

  virtual bool HasWindow() const = 0;
  // Creates the control's caret from a bitmap (when given) or as a width x height block.
  virtual void CreateCaret(const TCaretBitmap* bitmap, int width, int height, bool gray) = 0;
  virtual void DestroyCaret() = 0;
  virtual void ShowCaret() = 0;
  virtual void HideCaret() = 0;
  virtual void SetCaretPos(int x, int y) = 0;
  // Blink period of this control's caret; 0 means the system's default period.
  virtual void SetCaretBlinkTime(int milliseconds) = 0;
};

}  // namespace controls
