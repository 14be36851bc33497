#pragma once
// The grid window's two timers, the cell-button hover (id 1, 50 ms) and the spin repeat (id 2), and
// the clock they run on: the window's own timers, or a clock a test advances by hand.

#include "grid/window/ButtonTracking.h"

namespace grid {

class TtsBaseGrid;

// Starts and stops timers by id; a started timer ticks through TtsBaseGrid::TimerMessage.
class TtsTimerClock {
 public:
  virtual ~TtsTimerClock() = default;
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
};

// The grid as the host of its button tracking.
class TtsGridButtonHost final : public TtsButtonTrackingHost {
 public:
  explicit TtsGridButtonHost(TtsBaseGrid& grid) : grid_(grid) {}

  void StartTimer(int id, int milliseconds) override;
  void StopTimer(int id) override;
  void RepaintButton(platform::TPoint cell, int part) override;
  void InvalidateCurrentCell() override;

  TtsTimerClock* Clock = nullptr;  // none: the window's timers

 private:
  TtsBaseGrid& grid_;
};

}  // namespace grid
