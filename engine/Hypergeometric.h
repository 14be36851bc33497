#pragma once
// The generalized hypergeometric series pFq.

#include "engine/Extended.h"

#include <cstdint>

namespace engine {

// pFq(a1..ap; b1..bq; z) for p, q in 0..4; parameters beyond p and q are passed as 1. Gives up with
// error 8 after 5000 terms, and when a denominator parameter reaches 0 before the series ends.
Extended HypergeometricPFQ(std::int32_t p, std::int32_t q, Extended z, Extended a1, Extended a2, Extended a3,
                           Extended a4, Extended b1, Extended b2, Extended b3, Extended b4);

}  // namespace engine
