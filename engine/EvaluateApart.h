#pragma once
// Evaluating a piece of text apart from the expression under evaluation.

#include "engine/Extended.h"

#include <string>

namespace engine {

// Evaluates text as its own ExprString, outside any argument list, and puts the scanner state back.
// Error positions stay relative to text.
Extended EvaluateApart(const std::string& text);

}  // namespace engine
