#pragma once
// The ten-point Gauss-Legendre rule of integral( and the precision it works to.

#include "engine/Extended.h"

namespace engine {

// ProcDigits := the number in the main window's precision edit, when it holds one.
void ReadProcDigits();
// Nodes and weights of the ten-point rule (the positive half).
inline constexpr Extended GaussNodes[5] = {0.14887433898163121088L, 0.43339539412924719077L, 0.67940956829902440626L,
                                           0.86506336668898451070L, 0.97390652851717172007L};
inline constexpr Extended GaussWeights[5] = {0.29552422471475287016L, 0.26926671930999635508L, 0.21908636251598204400L,
                                             0.14945134915058059315L, 0.066671344308688137592L};

}  // namespace engine
