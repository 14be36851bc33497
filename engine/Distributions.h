#pragma once
// The error functions and the tail probabilities of the normal, Student, chi-square and Snedecor
// distributions.

#include "engine/Extended.h"

#include <cstdint>

namespace engine {

Extended ErfFunction(Extended x);
Extended ErfcFunction(Extended x);

Extended PNorm(Extended x);                  // P(|N(0,1)| >= |x|)
Extended PStudent(std::int32_t nu, Extended t);  // two-sided Student t tail; nu <= 0 is error 8
Extended PKhi2(std::int32_t nu, Extended x);     // P(chi-square >= x); nu <= 0 is error 8
Extended PSnedecor(std::int32_t nu1, std::int32_t nu2, Extended f);  // P(F >= f); nu <= 0 is error 8

}  // namespace engine
