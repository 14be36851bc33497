#include "engine/FiniteResult.h"

#include "engine/MathError.h"

#include <cmath>

namespace engine {

Extended FiniteResult(Extended x)
{
  if (std::isnan(x))
    return MathError(ecArgumentError);
  if (std::isinf(x))
    return x > 0 ? MathError(ecOverflow) : -MathError(ecOverflow);
  return x;
}

}  // namespace engine
