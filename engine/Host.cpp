#include "engine/Host.h"

namespace engine {

namespace {

EngineHost DefaultHost;
EngineHost* InstalledHost = &DefaultHost;

}  // namespace

EngineHost& Host()
{
  return *InstalledHost;
}

void SetHost(EngineHost* host)
{
  InstalledHost = host != nullptr ? host : &DefaultHost;
}

}  // namespace engine
