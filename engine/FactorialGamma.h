#pragma once
// Gamma function, factorials and permutations of the built-in functions.

#include "engine/Extended.h"

#include <cstdint>

namespace engine {

// Largest n whose factorial is an Extended value.
inline constexpr int MaxFactorialArgument = 1754;

Extended GammaFunction(Extended x);     // 0 and negative whole numbers: error 13
Extended Factorial(Extended x);         // fractional or negative: error 8; above 1754: error 11
Extended StirlingGamma(Extended x);     // gamma by Stirling's series, x >= 12
Extended Permutations(std::int64_t n, std::int64_t k);  // n! / (n-k)!; 0 outside 0 <= k <= n; error 11 beyond the range

}  // namespace engine
