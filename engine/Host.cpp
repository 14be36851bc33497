#include "engine/Host.h"

#include "engine/StateName.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

namespace engine {

namespace {

EngineHost DefaultHost;

}  // namespace

bool EngineHost::AskVariableValue(int i)
{
  (void)i;
  return false;
}

void EngineHost::EvalVariableEdit(int i)
{
  EvaluateVariableDefinition(i);
}

int EngineHost::SetUserVariable(const std::string& name, Extended value)
{
  return UserVariables->Set(name, value);
}

EngineHost& Host()
{
  EngineHost* const host = CurrentState().InstalledHost;
  return host != nullptr ? *host : DefaultHost;
}

void SetHost(EngineHost* host)
{
  CurrentState().InstalledHost = host;
}

}  // namespace engine
