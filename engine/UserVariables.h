#pragma once
// The named user variables of the current evaluation context.

#include "engine/StateName.h"
#include "engine/UserVariableList.h"

namespace engine {

inline constexpr TStateName<&TContextState::UserVariables> UserVariables{};

}  // namespace engine
