#include "engine/Host.h"

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
  return UserVariables.Set(name, value);
}

EngineHost& Host()
{
  return InstalledHost != nullptr ? *InstalledHost : DefaultHost;
}

void SetHost(EngineHost* host)
{
  InstalledHost = host;
}

}  // namespace engine
