#include "engine/UserBreak.h"

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"

namespace engine {

void PumpMessages()
{
  Host().PumpMessages();
}

bool ConfirmStop()
{
  return Host().ConfirmStop();
}

bool CheckUserBreak()
{
  if (!Host().QuitRequested() && (StopFlag == 0 || !ConfirmStop()))
    return false;
  SetEvalError(ecUserBreak);
  return true;
}

}  // namespace engine
