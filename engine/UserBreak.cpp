#include "engine/UserBreak.h"

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvalContext.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"

#include <chrono>

namespace engine {

// Both run window events, which may start an evaluation of their own: the one under way is put
// aside meanwhile.
void PumpMessages()
{
  const TEvaluationAside aside;
  Host().PumpMessages();
}

bool ConfirmStop()
{
  const TEvaluationAside aside;
  return Host().ConfirmStop();
}

void ResetPumpClock()
{
  PumpDue = true;
}

bool PumpAndCheckBreak()
{
  const auto now = std::chrono::steady_clock::now();
  if (PumpDue || now - *LastPump >= Host().PumpInterval()) {
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
