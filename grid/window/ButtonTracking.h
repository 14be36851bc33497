#pragma once
// The in-cell buttons between mouse events: the hot (hovered) flat button, the held button with
// its part and spin repeat count, the hover timer that notices the mouse leaving a button and the
// spin timer that repeats a held spin button. Timers and repaints go through TtsButtonTrackingHost.

#include "platform/CanvasTypes.h"

#include <functional>

namespace grid {

inline constexpr int kButtonHoverTimer = 1;
inline constexpr int kSpinRepeatTimer = 2;
inline constexpr int kButtonHoverInterval = 50;

class TtsButtonTrackingHost {
 public:
  virtual ~TtsButtonTrackingHost() = default;
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
  // Repaints a cell's button in its normal look, the whole button (part 0) or one part.
  virtual void RepaintButton(platform::TPoint cell, int part) = 0;
  virtual void InvalidateCurrentCell() = 0;
};

// Where a cell's button is: x after max(left + 3, right - width) up to right, y from top to
// min(bottom, top + height), right and bottom being the cell's extent less its lines.
struct TtsButtonArea {
  int After = 0;  // exclusive
  int Right = 0;
  int Top = 0;
  int Bottom = 0;
  bool Contains(int x, int y) const { return x > After && x <= Right && y >= Top && y <= Bottom; }
};
TtsButtonArea ButtonArea(platform::TPoint cellTopLeft, int colWidth, int rowHeight, int vertLine, int horzLine,
                         int buttonWidth, int buttonHeight);

class TtsButtonTracking {
 public:
  static constexpr platform::TPoint kNoCell{-1, -1};

  explicit TtsButtonTracking(TtsButtonTrackingHost& host) : host_(host) {}
  ~TtsButtonTracking();  // stops the timers that run
  TtsButtonTracking(const TtsButtonTracking&) = delete;
  TtsButtonTracking& operator=(const TtsButtonTracking&) = delete;

  int SpinStartDelay = 500;
  int SpinRepeatDelay = 80;

  platform::TPoint HotButtonCell() const { return hot_; }
  platform::TPoint PressedButtonCell() const { return pressed_; }
  int PressedPart() const { return part_; }
  int SpinRepeatCount() const { return repeatCount_; }
  bool HoverTimerRunning() const { return hoverRunning_; }
  bool SpinTimerRunning() const { return spinRunning_; }

  // The mouse over a flat button, or a press on a button: the hover timer runs.
  void SetHot(platform::TPoint cell);
  void Press(platform::TPoint cell, int part);
  // A press on a spin part: count 1, and with auto repeat the spin timer after the start delay.
  void PressSpin(platform::TPoint cell, int part, bool autoRepeat);

  // Hover tick: unless the mouse is still inside the button of a data cell, the looks reset.
  void ButtonHoverTick(bool overButton);
  // Spin tick: unless the spin button is still held, stop and reset the looks; else raise the
  // count and repeat. A repeat that raises clears the held button and repaints the current cell.
  void SpinRepeatTick(bool stillHeld, const std::function<void(int part, int count)>& repeat);

  // The hover timer around a press: stopped (answering whether it ran) and started again.
  bool StopHover();
  void StartHover();

  void ResetButtonStates();
  void ClearHotButton() { hot_ = kNoCell; }
  void ClearPressedButton();
  // After the grid's size changed: cells beyond the last display column or row are forgotten.
  void ValidateButtonCells(int lastCol, int lastRow);

 private:
  void StopSpin();
  static bool Recorded(platform::TPoint cell) { return cell.X != -1 || cell.Y != -1; }

  TtsButtonTrackingHost& host_;
  platform::TPoint hot_ = kNoCell;
  platform::TPoint pressed_ = kNoCell;
  int part_ = 0;
  int repeatCount_ = 0;
  bool hoverRunning_ = false;
  bool spinRunning_ = false;
  bool firstDelay_ = false;
};

}  // namespace grid
