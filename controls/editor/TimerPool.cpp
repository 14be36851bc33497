#include "controls/editor/TimerPool.h"

#include "controls/editor/TimeSupport.h"
#include "platform/Timer.h"

#include <algorithm>
#include <limits>

namespace controls {
namespace {

// Triggers fire up to this much early so that a timer that runs a little fast does not skip a period.
constexpr std::uint64_t EarlyMargin = 27;
constexpr std::int64_t MaxElapsed = std::numeric_limits<std::int32_t>::max();

}  // namespace

TOvcTimerPool::TOvcTimerPool(TClock clock, TTimerDriver driver)
    : clock_(clock ? std::move(clock) : TClock(TickCount64)), driver_(std::move(driver))
{
  if (!driver_) {
    timer_ = std::make_unique<platform::Timer>([this] { DoTimer(); });
    driver_ = [this](int period) {
      timer_->SetEnabled(false);
      if (period > 0) {
        timer_->SetInterval(period);
        timer_->SetEnabled(true);
      }
    };
  }
}

TOvcTimerPool::~TOvcTimerPool() = default;

int TOvcTimerPool::Add(TTriggerEvent onTrigger, int interval, bool repeating)
{
  TOvcTrigger trigger;
  trigger.Handle = nextHandle_++;
  trigger.Interval = std::max(interval, 1);
  trigger.LastTick = clock_();
  trigger.OnTrigger = std::move(onTrigger);
  trigger.Repeating = repeating;
  triggers_.push_back(std::move(trigger));
  Changed();
  return triggers_.back().Handle;
}

void TOvcTimerPool::Remove(int handle)
{
  const auto it = std::find_if(triggers_.begin(), triggers_.end(),
                               [handle](const TOvcTrigger& t) { return t.Handle == handle; });
  if (it == triggers_.end())
    return;
  triggers_.erase(it);
  Changed();
}

void TOvcTimerPool::SetActive(int handle, bool active)
{
  for (TOvcTrigger& trigger : triggers_) {
    if (trigger.Handle != handle)
      continue;
    trigger.Active = active;
    if (active)
      trigger.LastTick = clock_();
    Changed();
    return;
  }
}

void TOvcTimerPool::DoTimer()
{
  const std::uint64_t now = clock_();
  bool removed = false;
  // Handlers may add or remove triggers, so the list is walked by index and re-read after each call.
  for (std::size_t i = 0; i < triggers_.size(); ++i) {
    if (!triggers_[i].Active)
      continue;
    const std::uint64_t since = TicksSince(triggers_[i].LastTick, now);
    if (since + EarlyMargin < std::uint64_t(triggers_[i].Interval))
      continue;
    triggers_[i].LastTick = now;
    const int elapsed = int(std::min<std::int64_t>(MaxElapsed, triggers_[i].ElapsedTime +
                                                                   std::int64_t(std::min<std::uint64_t>(since, MaxElapsed))));
    const int handle = triggers_[i].Handle;
    const int interval = triggers_[i].Interval;
    TTriggerEvent own = triggers_[i].OnTrigger;
    if (!triggers_[i].Repeating) {
      triggers_.erase(triggers_.begin() + std::ptrdiff_t(i));
      --i;
      removed = true;
    }
    if (own)
      own(*this, handle, interval, elapsed);
    if (OnAllTriggers)
      OnAllTriggers(*this, handle, interval, elapsed);
  }
  if (removed)
    Changed();
}

int TOvcTimerPool::ComputePeriod(std::uint64_t now) const
{
  std::int64_t period = std::numeric_limits<std::int32_t>::max();
  bool any = false;
  for (const TOvcTrigger& trigger : triggers_) {
    if (!trigger.Active)
      continue;
    any = true;
    const std::int64_t remaining = std::int64_t(trigger.Interval) -
                                   std::int64_t(std::min<std::uint64_t>(TicksSince(trigger.LastTick, now), MaxElapsed));
    period = std::min({period, std::int64_t(trigger.Interval), remaining});
  }
  if (!any)
    return 0;
  int result = int(std::max<std::int64_t>(period, MinTimerPeriod));
  // A period that divides every interval keeps the triggers in step.
  for (bool changed = true; changed && result > MinTimerPeriod;) {
    changed = false;
    for (const TOvcTrigger& trigger : triggers_) {
      const int rest = trigger.Interval % result;
      if (rest != 0) {
        result = std::max(result - rest, MinTimerPeriod);
        changed = true;
        break;
      }
    }
  }
  return result;
}

void TOvcTimerPool::Changed()
{
  activeCount_ = int(std::count_if(triggers_.begin(), triggers_.end(), [](const TOvcTrigger& t) { return t.Active; }));
  period_ = ComputePeriod(clock_());
  Restart();
}

void TOvcTimerPool::Restart()
{
  driver_(activeCount_ > 0 ? period_ : 0);
}

}  // namespace controls
