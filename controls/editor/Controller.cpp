#include "controls/editor/Controller.h"

#include "controls/editor/TimeSupport.h"

#include <algorithm>

namespace controls {
namespace {

std::vector<TOvcController*>& Controllers()
{
  static std::vector<TOvcController*> all;
  return all;
}

}  // namespace

TOvcController::TOvcController(QWidget* form, TOvcTimerPool::TClock clock, TOvcTimerPool::TTimerDriver driver)
    : form_(form),
      entryCommands_(std::make_unique<TOvcCommandProcessor>()),
      timerPool_(std::make_unique<TOvcTimerPool>(std::move(clock), std::move(driver))),
      epoch_(CurrentCentury())
{
  timerPool_->OnAllTriggers = [this](TOvcTimerPool& pool, int handle, int interval, int elapsed) {
    if (OnTimerTrigger)
      OnTimerTrigger(pool, handle, interval, elapsed);
  };
  Controllers().push_back(this);
}

TOvcController::~TOvcController()
{
  auto& all = Controllers();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  // A hook may remove itself or others; run a copy.
  const auto hooks = std::move(destroyHooks_);
  destroyHooks_.clear();
  for (const auto& [owner, hook] : hooks)
    hook();
}

TOvcController* TOvcController::ControllerOf(const QWidget* form)
{
  if (!form)
    return nullptr;
  for (TOvcController* controller : Controllers())
    if (controller->form_ == form)
      return controller;
  return nullptr;
}

int TOvcController::Epoch() const
{
  int epoch = epoch_;
  if (OnGetEpoch)
    OnGetEpoch(*this, epoch);
  return epoch;
}

void TOvcController::SetEpoch(int epoch)
{
  if (epoch >= 1600 && epoch <= 3999)
    epoch_ = epoch;
}

bool TOvcController::IsSpecialControl(const QWidget* control) const
{
  bool special = false;
  if (OnIsSpecialControl)
    OnIsSpecialControl(*this, control, special);
  return special;
}

void TOvcController::AddDestroyHook(const void* owner, std::function<void()> hook)
{
  RemoveDestroyHook(owner);
  destroyHooks_.emplace_back(owner, std::move(hook));
}

void TOvcController::RemoveDestroyHook(const void* owner)
{
  destroyHooks_.erase(std::remove_if(destroyHooks_.begin(), destroyHooks_.end(),
                                     [owner](const auto& entry) { return entry.first == owner; }),
                      destroyHooks_.end());
}

}  // namespace controls
