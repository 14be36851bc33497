#pragma once
// The constructs that evaluate a piece of the expression repeatedly or conditionally: solve(,
// integral(, min(, max(, if( ... )then( ... )else( ... ) and forJtoKstepMdo( ... ).
// Each starts with ExprChar on the character after its "(" (if( and the loop: on the "(") and ends
// with ExprChar on its closing parenthesis; errors are recorded in the error state.

#include "engine/Extended.h"
#include "engine/StateName.h"

#include <string>

namespace engine {

// The memory of the last solve, integral or extremum search in the current context
inline constexpr TStateName<&TContextState::LastLowBound> LastLowBound{};
inline constexpr TStateName<&TContextState::LastHighBound> LastHighBound{};
inline constexpr TStateName<&TContextState::LastSearchExpr> LastSearchExpr{};
inline constexpr TStateName<&TContextState::ExtremumIsMax> ExtremumIsMax{};
inline constexpr TStateName<&TContextState::ExtremumX> ExtremumX{};
inline constexpr TStateName<&TContextState::ExtremumSubdivisions> ExtremumSubdivisions{};
inline constexpr TStateName<&TContextState::ExtremumEvaluation> ExtremumEvaluation{};

// Most subintervals of an integral or an extremum search.
inline constexpr int MaxSubdivisions = 1 << 20;

Extended SolveEquation();
Extended IntegrateFunction();
// readBounds: false when solve( has already put the bounds into L and U.
Extended SearchExtremum(bool readBounds);
Extended EvalIfThenElse();
Extended RunForLoop(int keywordPos, int keywordSpan);

// Reads the two bounds "low,up," and leaves ExprPos on the first character of the function text.
bool ReadBounds(Extended& low, Extended& up);

}  // namespace engine
