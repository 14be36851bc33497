#pragma once
// Numerical integration of the built-in functions.

#include "engine/Extended.h"

namespace engine {

// f(t, p1, p2): an integrand with two parameters.
using Integrand = Extended (*)(Extended t, Extended p1, Extended p2);

// ProcDigits := the number in the main window's precision edit, when it holds one.
void ReadProcDigits();
// Composite ten-point Gauss-Legendre rule, doubling the subintervals until two passes agree on
// ProcDigits characters (ProcDigits is read from the precision edit first). Errors: 22 for a
// confirmed stop, 8 when the passes do not agree within a bounded number of doublings.
Extended IntegrateAdaptive(Integrand f, Extended p1, Extended p2, Extended a, Extended b);
// The ten-point Gauss-Legendre rule on [l, u].
Extended GaussLegendre10(Integrand f, Extended p1, Extended p2, Extended l, Extended u);

// Nodes and weights of the ten-point rule (the positive half).
inline constexpr Extended GaussNodes[5] = {0.14887433898163121088L, 0.43339539412924719077L, 0.67940956829902440626L,
                                           0.86506336668898451070L, 0.97390652851717172007L};
inline constexpr Extended GaussWeights[5] = {0.29552422471475287016L, 0.26926671930999635508L, 0.21908636251598204400L,
                                             0.14945134915058059315L, 0.066671344308688137592L};

}  // namespace engine
