#include "engine/ComplexErrorScope.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

ComplexErrorScope::ComplexErrorScope()
{
  ErrorCode = 0;
}

ComplexErrorScope::~ComplexErrorScope()
{
  if (first_ != 0)
    ErrorCode = first_;
}

void ComplexErrorScope::Note()
{
  if (first_ == 0)
    first_ = ErrorCode;
}

TComplex FiniteComplex(const TComplex& z)
{
  if (std::isfinite(z.X) && std::isfinite(z.Y))
    return z;
  MathError(ecOverflow);
  if (z.Form == cfRectangular)
    return ComplexInfinity;
  return {cfPolar, MaxResultValue, std::isfinite(z.Y) ? z.Y : 0};
}

}  // namespace engine
