#include "controls/textfile/ControlCaretHost.h"

#include "platform/Caret.h"

namespace controls {

void TControlCaretHost::CreateCaret(const TCaretBitmap*, int width, int height, bool gray)
{
  control_.CreateCaret(width, height, gray);
}

void TControlCaretHost::SetCaretBlinkTime(int milliseconds)
{
  constexpr int kSystemBlinkTime = 530;
  platform::caret::SetBlinkTime(milliseconds > 0 ? milliseconds : kSystemBlinkTime);
}

}  // namespace controls
