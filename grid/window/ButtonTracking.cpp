#include "grid/window/ButtonTracking.h"

#include <algorithm>

namespace grid {

TtsButtonArea ButtonArea(platform::TPoint cellTopLeft, int colWidth, int rowHeight, int vertLine, int horzLine,
                         int buttonWidth, int buttonHeight)
{
  const int right = cellTopLeft.X + colWidth - vertLine;
  const int bottom = cellTopLeft.Y + rowHeight - horzLine;
  return {std::max(cellTopLeft.X + 3, right - buttonWidth), right, cellTopLeft.Y,
          std::min(bottom, cellTopLeft.Y + buttonHeight)};
}

TtsButtonTracking::~TtsButtonTracking()
{
  if (hoverRunning_)
    host_.StopTimer(kButtonHoverTimer);
  if (spinRunning_)
    host_.StopTimer(kSpinRepeatTimer);
}

void TtsButtonTracking::SetHot(platform::TPoint cell)
{
  hot_ = cell;
  StartHover();
}

void TtsButtonTracking::Press(platform::TPoint cell, int part)
{
  pressed_ = cell;
  part_ = part;
  StartHover();
}

void TtsButtonTracking::PressSpin(platform::TPoint cell, int part, bool autoRepeat)
{
  Press(cell, part);
  repeatCount_ = 1;
  if (!autoRepeat)
    return;
  host_.StartTimer(kSpinRepeatTimer, SpinStartDelay);
  spinRunning_ = true;
  firstDelay_ = true;
}

void TtsButtonTracking::ButtonHoverTick(bool overButton)
{
  if (!overButton)
    ResetButtonStates();
}

void TtsButtonTracking::SpinRepeatTick(bool stillHeld, const std::function<void(int, int)>& repeat)
{
  if (!stillHeld || part_ == 0 || !spinRunning_) {
    StopSpin();
    ResetButtonStates();
    return;
  }
  if (firstDelay_) {
    host_.StartTimer(kSpinRepeatTimer, SpinRepeatDelay);
    firstDelay_ = false;
  }
  ++repeatCount_;
  try {
    repeat(part_, repeatCount_);
  } catch (...) {
    ClearPressedButton();
    host_.InvalidateCurrentCell();
    throw;
  }
}

void TtsButtonTracking::ResetButtonStates()
{
  StopHover();
  if (Recorded(hot_)) {
    host_.RepaintButton(hot_, 0);
    ClearHotButton();
  }
  if (Recorded(pressed_)) {
    host_.RepaintButton(pressed_, part_);
    ClearPressedButton();
  }
}

void TtsButtonTracking::ClearPressedButton()
{
  pressed_ = kNoCell;
  part_ = 0;
  repeatCount_ = 0;
  StopSpin();
}

void TtsButtonTracking::ValidateButtonCells(int lastCol, int lastRow)
{
  auto beyond = [&](platform::TPoint cell) { return cell.X > lastCol || cell.Y > lastRow; };
  if (Recorded(hot_) && beyond(hot_))
    ClearHotButton();
  if (Recorded(pressed_) && beyond(pressed_))
    ClearPressedButton();
}

bool TtsButtonTracking::StopHover()
{
  if (!hoverRunning_)
    return false;
  host_.StopTimer(kButtonHoverTimer);
  hoverRunning_ = false;
  return true;
}

void TtsButtonTracking::StartHover()
{
  if (hoverRunning_)
    return;
  host_.StartTimer(kButtonHoverTimer, kButtonHoverInterval);
  hoverRunning_ = true;
}

void TtsButtonTracking::StopSpin()
{
  if (!spinRunning_)
    return;
  host_.StopTimer(kSpinRepeatTimer);
  spinRunning_ = false;
  firstDelay_ = false;
}

}  // namespace grid
