#include "controls/small/RxTimer.h"

#include "platform/Timer.h"
#include "platform/WorkerThread.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

namespace controls {

TRxTimer::TRxTimer()
    : thread_(std::make_unique<platform::WorkerThread>([this](platform::WorkerThread& worker) {
        WorkerLoop(worker);
      }))
{
}

TRxTimer::~TRxTimer()
{
  destroying_ = true;
  enabled_ = false;
  // Stops the worker and drops every tick it handed over but the main thread has not run yet.
  thread_.reset();
  windowTimer_.reset();
}

void TRxTimer::SetEnabled(bool on)
{
  if (enabled_ == on)
    return;
  enabled_ = on;
  UpdateTimer();
}

void TRxTimer::SetInterval(unsigned milliseconds)
{
  if (interval_ == milliseconds)
    return;
  interval_ = milliseconds;
  UpdateTimer();
}

void TRxTimer::SetThreaded(bool on)
{
  if (threaded_ == on)
    return;
  threaded_ = on;
  UpdateTimer();
}

void TRxTimer::SetOnTimer(std::function<void()> handler)
{
  const bool changed = static_cast<bool>(handler) != static_cast<bool>(onTimer_);
  onTimer_ = std::move(handler);
  if (changed)
    UpdateTimer();
}

bool TRxTimer::WorkerRunning() const
{
  return thread_ && thread_->Running() && !thread_->Terminated();
}

void TRxTimer::Timer()
{
  if (enabled_ && !destroying_ && onTimer_)
    onTimer_();
}

void TRxTimer::UpdateTimer()
{
  const bool active = interval_ > 0 && enabled_ && onTimer_;
  thread_->Stop();
  if (threaded_) {
    windowTimer_.reset();
    if (active)
      thread_->Start();
    return;
  }
  if (!windowTimer_)
    windowTimer_ = std::make_unique<platform::Timer>([this] { Timer(); });
  windowTimer_->SetEnabled(false);
  if (active) {
    windowTimer_->SetInterval(static_cast<int>(interval_));
    windowTimer_->SetEnabled(true);
  }
}

void TRxTimer::WorkerLoop(platform::WorkerThread& worker)
{
  auto stopping = [&] { return worker.Terminated() || destroying_ || QCoreApplication::closingDown(); };
  while (!stopping()) {
    if (!worker.Sleep(static_cast<int>(interval_)) || stopping())
      return;
    if (!enabled_)
      continue;
    if (syncEvent_) {
      worker.Synchronize([this] { Timer(); });
      continue;
    }
    try {
      Timer();
    } catch (const std::exception& e) {
      // Shown on the main thread, like any other error of the program.
      const std::string message = e.what();
      worker.Post([message] { throw std::runtime_error(message); });
    }
  }
}

}  // namespace controls
