#pragma once
// The engine's real number: the 80-bit extended value.

#include <limits>

namespace engine {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended needs a 64-bit mantissa (x86-64 long double)");

// Returned after an overflow or a singularity: the largest Extended value.
inline constexpr Extended MaxResultValue = std::numeric_limits<Extended>::max();
// Marks a variable or an argument without a value.
inline constexpr Extended UndefinedValue = 0.123454321L;

}  // namespace engine
