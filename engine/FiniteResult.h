#pragma once
// Keeps NaN and infinity from leaving the numeric library.

#include "engine/Extended.h"

namespace engine {

// A finite value passes unchanged; NaN records error 8 and gives 0; an infinity records error 11 and
// gives MaxResultValue with the infinity's sign.
Extended FiniteResult(Extended x);

}  // namespace engine
