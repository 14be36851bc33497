#pragma once
// A pool of triggers served by one timer: each trigger fires at its own interval, measured on a
// 64-bit monotonic millisecond clock that never wraps.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
class Timer;
}

namespace controls {

class TOvcTimerPool;

// Sender, trigger handle, interval and milliseconds since the previous firing (plus any carried time).
using TTriggerEvent = std::function<void(TOvcTimerPool& sender, int handle, int interval, int elapsed)>;

struct TOvcTrigger {
  int Handle = 0;
  int ElapsedTime = 0;  // carried into the next report
  int Interval = 0;
  std::uint64_t LastTick = 0;
  TTriggerEvent OnTrigger;
  bool Active = true;
  bool Repeating = true;
};

inline constexpr int MinTimerPeriod = 55;

class TOvcTimerPool {
 public:
  using TClock = std::function<std::uint64_t()>;
  // Restarts the pool's timer with a period in milliseconds; 0 stops it.
  using TTimerDriver = std::function<void(int period)>;

  // Without a driver the pool runs its own main-thread timer.
  explicit TOvcTimerPool(TClock clock = {}, TTimerDriver driver = {});
  ~TOvcTimerPool();
  TOvcTimerPool(const TOvcTimerPool&) = delete;
  TOvcTimerPool& operator=(const TOvcTimerPool&) = delete;

  // Triggers; Add returns the new trigger's handle.
  int Add(TTriggerEvent onTrigger, int interval, bool repeating = true);
  void Remove(int handle);
  void SetActive(int handle, bool active);

  // One firing of the pool's timer.
  void DoTimer();

  int Period() const { return period_; }
  int ActiveCount() const { return activeCount_; }
  int Count() const { return int(triggers_.size()); }

  TTriggerEvent OnAllTriggers;

 private:
  void Changed();
  int ComputePeriod(std::uint64_t now) const;
  void Restart();

  TClock clock_;
  TTimerDriver driver_;
  std::unique_ptr<platform::Timer> timer_;
  std::vector<TOvcTrigger> triggers_;
  int nextHandle_ = 1;
  int period_ = 0;
  int activeCount_ = 0;
};

}  // namespace controls
