#pragma once
// The incomplete gamma ratios for a large parameter: Temme's uniform expansion near the bulk,
// where the series and the continued fraction need about sqrt(a) steps and round at each.

#include "engine/Extended.h"

namespace engine {

// From this parameter on.
inline constexpr Extended LargeGammaParameter = 100;

// The smaller of P(a, x) and Q(a, x) and which one it is, for a >= LargeGammaParameter and x near
// a; false farther out. `underflow`: the smaller lies below the Extended range.
struct GammaTails {
  Extended smaller = 0;
  bool smallerIsUpper = false;
  bool underflow = false;
};
bool TemmeGammaTails(Extended a, Extended x, GammaTails& tails);

// ln(x^a e^-x / gamma(a)) for a >= LargeGammaParameter and x > 0.
Extended LnGammaPrefactorLarge(Extended a, Extended x);

}  // namespace engine
