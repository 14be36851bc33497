#pragma once
// A clock for the grid's timers that a test advances by hand: due timers tick through the grid's
// timer message, a millisecond at a time.

#include "grid/window/Grid.h"

#include <map>
#include <vector>

namespace grid {

class TestClock : public TtsTimerClock {
 public:
  void StartTimer(int id, int milliseconds) override { timers[id] = {milliseconds, now + milliseconds}; }
  void StopTimer(int id) override { timers.erase(id); }
  bool Running(int id) const { return timers.count(id) != 0; }

  void Advance(int milliseconds, TtsBaseGrid& grid)
  {
    for (const int end = now + milliseconds; now < end;) {
      ++now;
      std::vector<int> due;
      for (auto& [id, timer] : timers)
        if (timer.Due <= now) {
          timer.Due = now + timer.Interval;
          due.push_back(id);
        }
      for (int id : due)
        if (Running(id))
          grid.TimerMessage(id);
    }
  }

  struct Timer {
    int Interval;
    int Due;
  };
  std::map<int, Timer> timers;
  int now = 0;
};

}  // namespace grid
