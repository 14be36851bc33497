#pragma once
// The variables X, Y, Z, V, W, I, J, K, M, N (1..10) and the bound slots L and U (11, 12).

#include "engine/Extended.h"
#include "engine/StateName.h"
#include "engine/VariableSlots.h"

#include <string>
#include <string_view>

namespace engine {

// Of the current evaluation context; 1-based: entry 0 is not used.
inline constexpr TStateName<&TContextState::VarValues> VarValues{};
inline constexpr TStateName<&TContextState::VarExprs> VarExprs{};
// Variables whose defining expression is being evaluated: reading one again is a cycle.
inline constexpr TStateName<&TContextState::DefiningVariables> DefiningVariables{};

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
