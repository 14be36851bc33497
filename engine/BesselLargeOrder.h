#pragma once
// K of a large order by its uniform asymptotic expansion in the order (Debye's): good for every
// argument once the order is large, where the quadrature of K would need millions of steps.

#include "engine/Extended.h"

namespace engine {

// From this order on the expansion keeps more digits than Extended holds.
inline constexpr Extended LargeBesselOrder = 1000;

// ln K_n(t) for n >= LargeBesselOrder and t > 0.
Extended LnBesselKLargeOrder(Extended n, Extended t);

}  // namespace engine
