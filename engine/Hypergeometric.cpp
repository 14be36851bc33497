#include "engine/Hypergeometric.h"

#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/MathError.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace engine {

namespace {

constexpr int MaxTerms = 5000;

}  // namespace

Extended HypergeometricPFQ(std::int32_t p, std::int32_t q, Extended z, Extended a1, Extended a2, Extended a3,
                           Extended a4, Extended b1, Extended b2, Extended b3, Extended b4)
{
  ErrorCode = 0;
  std::array<Extended, 4> a = {a1, a2, a3, a4};
  std::array<Extended, 4> b = {b1, b2, b3, b4};
  const auto isNan = [](Extended v) { return std::isnan(v); };
  if (p < 0 || p > 4 || q < 0 || q > 4 || std::isnan(z) || std::any_of(a.begin(), a.end(), isNan) ||
      std::any_of(b.begin(), b.end(), isNan))
    return MathError(ecArgumentError);

  const int factors = std::max(p, q);
  Extended sum = 1;
  Extended term = 1;
  bool decreasing = false;
  for (int k = 1;; ++k) {
    bool ends = term == 0;
    bool pole = false;
    Extended ratio = 1;
    for (int j = 0; j < factors; ++j) {
      if (a[j] == 0)
        ends = true;
      else if (b[j] == 0)
        pole = true;
      else
        ratio *= a[j] / b[j];
    }
    for (int j = 0; j < p; ++j)
      a[j] += 1;
    for (int j = 0; j < q; ++j)
      b[j] += 1;
    if (!ends && pole)
      return MathError(ecArgumentError);  // a denominator parameter reached 0 first
    Extended next = 0;
    if (!ends) {
      next = FiniteResult(term * ratio * z / k);
      if (ErrorCode != 0)
        return next;
    }
    // Once the terms have started to shrink, a growing one is rounding noise and ends the series.
    if (decreasing && std::fabs(next) > std::fabs(term))
      next = 0;
    else if (std::fabs(next) < std::fabs(term))
      decreasing = true;
    const Extended previous = sum;
    sum = FiniteResult(sum + next);
    if (ErrorCode != 0)
      return sum;
    term = next;
    if (sum == previous)
      return FiniteResult(sum);
    if (k + 1 >= MaxTerms)
      return MathError(ecArgumentError);
  }
}

}  // namespace engine
