#pragma once
// The rule of the special functions: a value is shown only when its digits are right.

#include "engine/DoubleExponential.h"
#include "engine/Extended.h"

namespace engine {

// Relative error that a value may carry: the 12 digits shown by default must all be right.
inline constexpr Extended RequiredAccuracy = 1E-13L;

// The value of a quadrature when it converged and its rounding, about 1E-18 of the integrand's
// scale, leaves the required digits; otherwise error 8 and 0. Non-finite values: FiniteResult.
Extended AccurateResult(const QuadratureResult& q);
// The value when its estimated relative error is within the required accuracy; otherwise error 8.
Extended AccurateResult(Extended value, Extended relativeError);

}  // namespace engine
