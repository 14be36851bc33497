#pragma once
// The exponential integral and the Fresnel integrals, by hypergeometric series for small arguments
// and by continued fractions beyond them.

#include "engine/Extended.h"

namespace engine {

Extended ExpIntegralE1(Extended x);  // E1(x) for x > 0; x <= 0 is error 10
Extended FresnelC(Extended x);       // integral of cos(pi t^2 / 2) from 0 to x
Extended FresnelS(Extended x);       // integral of sin(pi t^2 / 2) from 0 to x

}  // namespace engine
