#pragma once
// The gamma and beta family.

#include "engine/Extended.h"

#include <cstdint>

namespace engine {

std::int32_t SgnGamma(Extended x);  // sign of gamma(x)

// ln |gamma(x)|; a pole (0, -1, -2, ...) is error 12, x above about 1.05E4928 error 11.
Extended LnGammaAbs(Extended x);
// LnGammaAbs as the calculator shows it: error 8 where its estimated rounding leaves fewer than the
// digits shown (the zeros below -2 have their own series and keep them).
Extended LnGammaAbsShown(Extended x);
Extended LnGammaStirling(Extended x);      // Stirling series for ln gamma(x), large positive x
Extended GammaSmall(Extended d, Extended x);  // d * gamma(x) for |x| <= 1/32; x = 0 is error 12

// n over k: 0 for k < 0 or k > n; a negative n is error 8; too large a result error 11.
Extended Binomial(std::int64_t n, std::int64_t k);
Extended BetaFunction(Extended a, Extended b);  // B(a, b) = gamma(a) gamma(b) / gamma(a+b)

}  // namespace engine
