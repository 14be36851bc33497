#include "platform/Timer.h"

#include "platform/ExceptionBoundary.h"

#include <QTimer>

namespace platform {

Timer::Timer(std::function<void()> onTimer, int interval, bool oneShot)
    : timer_(std::make_unique<QTimer>()), onTimer_(std::move(onTimer)), interval_(interval)
{
  timer_->setSingleShot(oneShot);
  timer_->setInterval(interval);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() = default;

void Timer::SetInterval(int milliseconds)
{
  interval_ = milliseconds;
  timer_->setInterval(milliseconds);  // restarts when active
}

void Timer::SetOneShot(bool oneShot)
{
  timer_->setSingleShot(oneShot);
}

void Timer::SetEnabled(bool enabled)
{
  if (enabled)
    timer_->start();
  else
    timer_->stop();
}

bool Timer::Enabled() const
{
  return timer_->isActive();
}

void Timer::Fire()
{
  // A copy: the handler may replace itself.
  if (auto handler = onTimer_)
    Guard(handler);
}

}  // namespace platform
