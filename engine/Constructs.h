#pragma once
// The constructs that evaluate a piece of the expression repeatedly or conditionally: solve(,
// integral(, min(, max(, if( ... )then( ... )else( ... ) and forJtoKstepMdo( ... ).
// Each starts with ExprChar on the character after its "(" (if( and the loop: on the "(") and ends
// with ExprChar on its closing parenthesis; errors are recorded in the error state.

#include "engine/Extended.h"

#include <string>

namespace engine {

inline thread_local Extended LastLowBound = UndefinedValue;   // bounds of the last solve, integral or extremum search
inline thread_local Extended LastHighBound = UndefinedValue;
inline thread_local std::string LastSearchExpr;              // the ExprString of the last extremum search
inline thread_local bool ExtremumIsMax = false;
inline thread_local Extended ExtremumX = 0;                  // the abscissa of the last extremum found ("minx", "maxx")
inline thread_local int ExtremumSubdivisions = 1;            // doubled when the same search is repeated
inline thread_local int ExtremumEvaluation = -1;             // the top-level evaluation of the last search

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
