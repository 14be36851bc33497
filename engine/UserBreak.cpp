#include "engine/UserBreak.h"

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"

#include <chrono>

namespace engine {

void PumpMessages()
{
  Host().PumpMessages();
}

bool ConfirmStop()
{
  return Host().ConfirmStop();
}

namespace {

std::chrono::steady_clock::time_point LastPump;
bool PumpDue = true;

}  // namespace

void ResetPumpClock()
{
  PumpDue = true;
}

bool PumpAndCheckBreak()
{
  const auto now = std::chrono::steady_clock::now();
  if (PumpDue || now - LastPump >= Host().PumpInterval()) {
    PumpDue = false;
    LastPump = now;
    PumpMessages();
  }
  return CheckUserBreak();
}

bool CheckUserBreak()
{
  if (!Host().QuitRequested() && (StopFlag == 0 || !ConfirmStop()))
    return false;
  SetEvalError(ecUserBreak);
  return true;
}

}  // namespace engine
