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

// Sums the parts of an integral.
QuadratureResult operator+(const QuadratureResult& a, const QuadratureResult& b)
{
  return {a.value + b.value, a.magnitude + b.magnitude, a.converged && b.converged};
}

// The integral over [0, c] for a negative order, whose t^order the quadrature cannot resolve near
// -1: the factor's value at 0 times c^(order+1) / (order+1), plus the integral of t^order times the
// factor's change from 0, -expm1(t) f(t) (1 - f(0)), which vanishes like t^(order+1).
QuadratureResult SingularStart(Extended order, Extended x, Extended c)
{
  const Extended atZero = FermiFactor(-x);
  const Extended head = atZero * std::pow(c, order + 1) / (order + 1);
  const Extended complement = FermiFactor(x);
  const QuadratureResult change = IntegrateTanhSinh(
      [&](Extended t, Extended, Extended toC) {
        if (t == 0)
          return Extended(0);
        const Extended f = FermiFactor(x < c ? c - toC - x : t - x);
        return -std::pow(t, order) * std::expm1(t) * f * complement;
      },
      0, c);
  return QuadratureResult{head, std::fabs(head), true} + change;
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
  // A negative order's singular start is taken apart up to min(1, x).
  const Extended start = order < 0 ? (x > 0 && x < 1 ? x : Extended(1)) : Extended(0);
  const QuadratureResult head = start > 0 ? SingularStart(order, x, start) : QuadratureResult{0, 0, true};
  // The factor's step at t = x is resolved by splitting there, with t - x exact on both sides.
  if (x > start && x < end) {
    const QuadratureResult below = IntegrateTanhSinh([&](Extended t, Extended, Extended toX) { return power(t) * FermiFactor(-toX); }, start, x);
    const QuadratureResult above = IntegrateTanhSinh([&](Extended t, Extended fromX, Extended) { return power(t) * FermiFactor(fromX); }, x, end);
    return AccurateResult(head + below + above);
  }
  if (x == start && x > 0)
    return AccurateResult(head + IntegrateTanhSinh([&](Extended t, Extended fromX, Extended) { return power(t) * FermiFactor(fromX); }, x, end));
  return AccurateResult(head + IntegrateTanhSinh([&](Extended t, Extended, Extended) { return power(t) * FermiFactor(t - x); }, start, end));
}

}  // namespace engine
