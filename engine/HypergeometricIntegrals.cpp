#include "engine/HypergeometricIntegrals.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/Hypergeometric.h"
#include "engine/IncompleteGamma.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <cmath>
#include <complex>

namespace engine {

namespace {

using Complex = std::complex<Extended>;

// Beyond these arguments the alternating series cancel away their digits (E1 loses all of them near
// x = 25, the Fresnel integrals near x = 6); the continued fractions take over there.
constexpr Extended E1SeriesLimit = 1;
constexpr Extended FresnelSeriesLimit = 1.5L;
// Beyond this |x|, C and S differ from 1/2 by less than 1/(pi x), below half a unit of 1/2.
constexpr Extended FresnelHalfLimit = 1E20L;

// cos and sin of pi x^2 / 2, the phase reduced by the period 4 of x^2 so that it keeps its
// digits for large x.
Complex FresnelPhase(Extended x)
{
  const Extended square = x * x;
  const Extended squareError = std::fma(x, x, -square);  // x^2 = square + squareError exactly
  const Extended reduced = std::fmod(square, Extended{4}) + squareError;
  const Extended phase = Pi / 2 * reduced;
  return {std::cos(phase), std::sin(phase)};
}

// C(x) + i S(x) for x > 0 through the continued fraction of erfc at (1 - i) sqrt(pi) x / 2
// (modified Lentz). Error 8 when it does not converge.
Complex FresnelByFraction(Extended x)
{
  const Extended pix2 = Pi * x * x;
  Complex b(1, -pix2);
  Complex c(1 / Tiny, 0);
  Complex d = Extended{1} / b;
  Complex h = d;
  Extended n = -1;
  for (int k = 2; k <= MaxIterations; ++k) {
    n += 2;
    const Extended an = -n * (n + 1);
    b += Extended{4};
    d = Extended{1} / (an * d + b);
    c = b + an / c;
    const Complex del = c * d;
    h *= del;
    if (std::fabs(del.real() - 1) + std::fabs(del.imag()) < Eps) {
      h *= Complex(x, -x);
      return Complex(0.5L, 0.5L) * (Extended{1} - FresnelPhase(x) * h);
    }
  }
  return {MathError(ecArgumentError), 0};
}

enum class FresnelPart { Cosine, Sine };

Extended Fresnel(Extended x, FresnelPart part)
{
  ErrorCode = 0;
  if (std::isnan(x))
    return MathError(ecArgumentError);
  const Extended ax = std::fabs(x);
  if (ax <= FresnelSeriesLimit) {
    const Extended w = Pi * x * x / 4;
    if (part == FresnelPart::Cosine)
      return x * HypergeometricPFQ(1, 2, -w * w, 0.25L, 1, 1, 1, 0.5L, 1.25L, 1, 1);
    const Extended series = HypergeometricPFQ(1, 2, -w * w, 0.75L, 1, 1, 1, 1.5L, 1.75L, 1, 1);
    return Pi * x * x * x / 6 * series;
  }
  if (ax > FresnelHalfLimit)
    return x > 0 ? 0.5L : -0.5L;
  const Complex cs = FresnelByFraction(ax);
  if (ErrorCode != 0)
    return 0;
  const Extended value = part == FresnelPart::Cosine ? cs.real() : cs.imag();
  return FiniteResult(x < 0 ? -value : value);
}

}  // namespace

Extended ExpIntegralE1(Extended x)
{
  ErrorCode = 0;
  if (std::isnan(x))
    return MathError(ecArgumentError);
  if (x <= 0) {
    // Recorded directly: MathError keeps no flag for code 10.
    ErrorCode = ecArgumentNegative;
    ErrorFlag = true;
    return 0;
  }
  if (x <= E1SeriesLimit) {
    const Extended series = HypergeometricPFQ(2, 2, -x, 1, 1, 1, 1, 2, 2, 1, 1);
    if (ErrorCode != 0)
      return series;
    return x * series - EulerGamma - std::log(x);
  }
  const Extended factor = GuardedExp(-x);  // below the range: error 28
  if (ErrorCode != 0)
    return factor;
  const Extended fraction = UpperGammaContinuedFraction(0, x);
  if (ErrorCode != 0)
    return fraction;
  return FiniteResult(factor * fraction);
}

Extended FresnelC(Extended x)
{
  return Fresnel(x, FresnelPart::Cosine);
}

Extended FresnelS(Extended x)
{
  return Fresnel(x, FresnelPart::Sine);
}

}  // namespace engine
