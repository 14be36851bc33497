#pragma once
// The slots of the variables X, Y, Z, V, W, I, J, K, M, N (1..10) and of the bounds L and U (11, 12).

#include "engine/Extended.h"

#include <array>

namespace engine {

inline constexpr int VariableCount = 12;
inline constexpr int LowBoundVar = 11;   // L
inline constexpr int HighBoundVar = 12;  // U
inline constexpr char VarNames[] = "XYZVWIJKMNLU";

// Values of all variables before any is given: UndefinedValue marks a variable without a value.
constexpr std::array<Extended, VariableCount + 1> UndefinedVariables()
{
  std::array<Extended, VariableCount + 1> values{};
  values.fill(UndefinedValue);
  return values;
}

// The letter of variable i.
inline char VarName(int i) { return VarNames[i - 1]; }

}  // namespace engine
