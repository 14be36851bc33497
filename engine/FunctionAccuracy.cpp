#include "engine/FunctionAccuracy.h"

#include "engine/FiniteResult.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

// Rounding of a sum of Extended terms, relative to the sum of their magnitudes.
constexpr Extended SummationRounding = 1E-18L;

}  // namespace

Extended AccurateResult(const QuadratureResult& q)
{
  if (!std::isfinite(q.value) || !std::isfinite(q.magnitude))
    return FiniteResult(q.value);
  if (!q.converged)
    return MathError(ecArgumentError);
  return AccurateResult(q.value, q.value == 0 ? (q.magnitude == 0 ? 0 : 1) : SummationRounding * q.magnitude / std::fabs(q.value));
}

Extended AccurateResult(Extended value, Extended relativeError)
{
  if (!std::isfinite(value))
    return FiniteResult(value);
  if (!(relativeError <= RequiredAccuracy))
    return MathError(ecArgumentError);
  return value;
}

}  // namespace engine
