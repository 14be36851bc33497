#pragma once
// The list and statistics functions: name( x1, x2, ..., xN ).

#include "engine/Extended.h"

namespace engine {

// True for the codes of list functions.
bool IsListFunction(int code);
// Reads the elements after the "(" at ExprChar and computes the function; ExprChar ends on the
// closing parenthesis. Errors are recorded in the error state.
Extended EvaluateListFunction(int code);

}  // namespace engine
