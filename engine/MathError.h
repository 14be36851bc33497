#pragma once
// How the numeric library records an error in the evaluator's error state.

#include "engine/Extended.h"

namespace engine {

// Error codes of the numeric library.
inline constexpr int ecArgumentError = 8;
inline constexpr int ecArgumentNegative = 10;
inline constexpr int ecOverflow = 11;
inline constexpr int ecSingularity = 12;
inline constexpr int ecUnderflow = 28;

// Sets ErrorCode and ErrorFlag (not ErrorPos) and returns the code's result: 0 for 8 and 28,
// MaxResultValue for 11 and 12. Any other code clears ErrorFlag again and returns 0.
Extended MathError(int code);

}  // namespace engine

namespace engine {

// A built-in function's own error: records the code and resets LastResult; returns 0.
Extended FunctionError(int code);

}  // namespace engine
