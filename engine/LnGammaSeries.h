#pragma once
// ln gamma near 1 and 2 from its power series about 1, for real and complex arguments: there the
// other forms cancel to a few digits near the zeros at 1 and 2.

#include "engine/Extended.h"
#include "engine/MathConstants.h"

#include <iterator>

namespace engine {

// The series is used within this distance of 1 or 2.
inline constexpr Extended NearOneOrTwo = 0.2L;

// (-1)^k zeta(k) / k for k = 2, 3, ...: ln gamma(1 + z) = -EulerGamma z + the sum of these times z^k.
inline constexpr Extended LnGammaSeriesCoefficients[] = {
    0.8224670334241132182362L,
    -0.4006856343865314284666L,
    0.270580808427784547879L,
    -0.2073855510286739852663L,
    0.1695571769974081899524L,
    -0.14404989676884611812L,
    0.1255096695247430424223L,
    -0.1113342658695646904909L,
    0.1000994575127818085337L,
    -0.09095401714582904223261L,
    0.08335384054610900402489L,
    -0.07693251641135219147283L,
    0.07143294629536133605923L,
    -0.0666687058824204680329L,
    0.06250095514121304074198L,
    -0.05882397865868458233896L,
    0.05555576762740361110221L,
    -0.05263167937961666073363L,
    0.05000004769810169363981L,
    -0.04761907033014222799078L,
    0.04545455629320466944241L,
    -0.04347826605304025936135L,
    0.04166666915034121046914L,
    -0.04000000119214014058609L,
    0.03846153903467518570635L,
    -0.03703703731298932554946L,
    0.03571428584733335802816L,
    -0.03448275868491930081079L,
    0.03333333336437758108066L,
    -0.03225806453115041633882L};

// ln gamma(1 + z) for |z| <= NearOneOrTwo; T is Extended or std::complex<Extended>.
template <typename T>
T LnGammaOnePlus(const T& z)
{
  if (z == T(0))
    return T(0);  // not -0
  T sum = 0;
  for (auto c = std::rbegin(LnGammaSeriesCoefficients); c != std::rend(LnGammaSeriesCoefficients); ++c)
    sum = (sum + *c) * z;
  return (sum - EulerGammaExact) * z;
}

}  // namespace engine
