#pragma once
// The incomplete beta ratio for two large parameters near the bulk, where the continued fraction
// needs about sqrt(a + b) steps: Gauss-Legendre panels over the peak of t^(a-1) (1-t)^(b-1), whose
// logarithm is taken relative to the peak so that it keeps its digits.

#include "engine/Extended.h"

namespace engine {

// From this size of both parameters on.
inline constexpr Extended LargeBetaParameters = 1E5L;

// I_x(a, b) with y = 1 - x as the caller has it, for a, b >= LargeBetaParameters and x within
// about 150 standard deviations of the bulk; false elsewhere.
bool IBetaNearBulk(Extended a, Extended b, Extended x, Extended y, Extended& value);

}  // namespace engine
