// The Fermi-Dirac integral F(x, y) = integral over t from 0 to infinity of t^x / (e^(t - y) + 1).
#include "engine/DoubleExponential.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/IntegralFunctions.h"
#include "engine/MathError.h"
#include "engine/FunctionAccuracy.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// 1 / (e^d + 1) without overflow for large d.
Extended FermiFactor(Extended d)
{
  if (d > 0) {
    const Extended e = std::exp(-d);
    return e / (1 + e);
  }
  return 1 / (std::exp(d) + 1);
}

}  // namespace

Extended FermiDirac(Extended order, Extended x)
{
  ErrorCode = 0;
  // t^order is integrable at 0 only for order > -1.
  if (!(order > -1) || !std::isfinite(x))
    return MathError(ecArgumentError);
  // Beyond the upper end the integrand is below e^-60 of its peak: at t = max(x, order) or so.
  const Extended end = std::max<Extended>(x, 0) + std::max<Extended>(order, 0) + 60 + 10 * std::sqrt(std::fabs(order) + 1);
  const auto power = [order](Extended t) { return t == 0 ? (order == 0 ? 1 : 0) : std::pow(t, order); };
  // The factor's step at t = x is resolved by splitting there, with t - x exact on both sides.
  if (x > 0 && x < end) {
    const QuadratureResult below = IntegrateTanhSinh([&](Extended, Extended t, Extended toX) { return power(t) * FermiFactor(-toX); }, 0, x);
    const QuadratureResult above = IntegrateTanhSinh([&](Extended t, Extended fromX, Extended) { return power(t) * FermiFactor(fromX); }, x, end);
    return AccurateResult({below.value + above.value, below.magnitude + above.magnitude, below.converged && above.converged});
  }
  return AccurateResult(IntegrateTanhSinh([&](Extended, Extended t, Extended) { return power(t) * FermiFactor(t - x); }, 0, end));
}

}  // namespace engine
