#pragma once
// The regularized incomplete gamma ratios P(a, x) and Q(a, x) = 1 - P(a, x).

#include "engine/Extended.h"

namespace engine {

// P(a, x) and Q(a, x) for a > 0, x >= 0 (else error 8).
Extended IGamma(Extended a, Extended x);
Extended JGamma(Extended a, Extended x);

// P(a, x) by its series, for x < a + 1.
Extended IGammaSeries(Extended a, Extended x);
// Q(a, x) by its continued fraction, for x >= a + 1.
Extended IGammaFraction(Extended a, Extended x);
// The bare continued fraction of Q(a, x) without the factor x^a e^-x / gamma(a); for a = 0 it
// gives e^x E1(x). Error 8 when it does not converge within MaxIterations steps.
Extended UpperGammaContinuedFraction(Extended a, Extended x);

}  // namespace engine
