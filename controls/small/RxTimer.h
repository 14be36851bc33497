#pragma once
// A timer component whose ticks come from a worker thread that sleeps for the interval and hands each
// tick over to the main thread (or, not threaded, from a timer of the main thread).

#include <atomic>
#include <functional>
#include <memory>

namespace platform {
class Timer;
class WorkerThread;
}  // namespace platform

namespace controls {

class TRxTimer {
 public:
  TRxTimer();
  virtual ~TRxTimer();
  TRxTimer(const TRxTimer&) = delete;
  TRxTimer& operator=(const TRxTimer&) = delete;

  // Properties; each change of a value restarts the timer as needed
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);  // 0 stops the ticks
  bool SyncEvent() const { return syncEvent_; }
  void SetSyncEvent(bool on) { syncEvent_ = on; }  // ticks run on the main thread
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool on);
  void SetOnTimer(std::function<void()> handler);
  bool HasOnTimer() const { return static_cast<bool>(onTimer_); }

  bool WorkerRunning() const;  // the worker thread is running (for tests)

 protected:
  // The tick: fires OnTimer when enabled, not being destroyed and a handler is set.
  virtual void Timer();

 private:
  void UpdateTimer();
  void WorkerLoop(platform::WorkerThread& worker);

  std::function<void()> onTimer_;
  std::atomic<bool> enabled_{true};
  std::atomic<unsigned> interval_{1000};
  std::atomic<bool> syncEvent_{true};
  std::atomic<bool> destroying_{false};
  bool threaded_ = true;
  std::unique_ptr<platform::WorkerThread> thread_;
  std::unique_ptr<platform::Timer> windowTimer_;
};

}  // namespace controls
