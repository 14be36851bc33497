#pragma once
// A timer on the main thread: repeating or one-shot, its handler inside the exception boundary.

#include <functional>
#include <memory>

class QTimer;

namespace platform {

class Timer {
 public:
  explicit Timer(std::function<void()> onTimer = {}, int interval = 1000, bool oneShot = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetOnTimer(std::function<void()> onTimer) { onTimer_ = std::move(onTimer); }
  void SetInterval(int milliseconds);  // restarts a running timer
  int Interval() const { return interval_; }
  void SetOneShot(bool oneShot);
  void SetEnabled(bool enabled);       // a one-shot timer disables itself when it fires
  bool Enabled() const;

 private:
  void Fire();

  std::unique_ptr<QTimer> timer_;
  std::function<void()> onTimer_;
  int interval_;
};

}  // namespace platform
