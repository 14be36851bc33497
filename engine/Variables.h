#pragma once
// The variables X, Y, Z, V, W, I, J, K, M, N (1..10) and the bound slots L and U (11, 12).

#include "engine/Extended.h"

#include <array>
#include <string>
#include <string_view>

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

// 1-based: entry 0 is not used.
inline thread_local std::array<Extended, VariableCount + 1> VarValues = UndefinedVariables();
inline thread_local std::array<std::string, VariableCount + 1> VarExprs;
// Variables whose defining expression is being evaluated: reading one again is a cycle.
inline thread_local std::array<bool, VariableCount + 1> DefiningVariables{};

// The letter of variable i.
inline char VarName(int i) { return VarNames[i - 1]; }

// Appends a variable's name and its value to UsedVarNames and UsedVarValues.
void RecordUsedVariable(std::string_view name, Extended value);
// A recorded value as the tape shows it: FormatResult with ValueDigits. The error state is left as
// it was (a value the number base cannot show reads "0.0").
std::string UsedValueText(Extended value);

// Reads variable i, named at pos, in an expression: obtains a value for an undefined one first.
void ReadVariable(int i, int pos, Extended& value);
// "(" letter "=" expression ")" at ExprChar = "=": assigns variable i; ExprChar ends on the ")".
void AssignVariableInExpression(int i, int letterPos, Extended& value);

// Asks the host for a value of variable i; false (error 22) when the user cancels.
bool AskVariableValue(int i);
// Evaluates a typed expression into variable i (the variable dialog's OK). On success the value
// and the expression are stored; on an error the error state holds it, mapped onto the typed text.
bool EvalVariableText(int i, const std::string& typed);
// Evaluates variable i from its defining expression, scanner state saved around it. On an error
// the variable keeps its value and the error state holds the error (in the defining expression).
bool EvaluateVariableDefinition(int i);

}  // namespace engine
