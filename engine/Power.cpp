// The power operator "^".
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/MathConstants.h"

#include <cmath>

namespace engine {

namespace {

// ln 3.4E-1000: smaller powers of a positive base are 0.
constexpr Extended ExpUnderflowLimitPower = -2301.4040087130823L;

// e^logValue, computed as magnitude^exponent for accuracy; the range is checked on the logarithm.
Extended ScaledPower(Extended magnitude, Extended exponent, Extended logValue)
{
  if (logValue > ExpOverflowLimit)
    return MathError(ecOverflow);
  if (logValue < ExpUnderflowLimit)
    return MathError(ecUnderflow);
  return std::pow(magnitude, exponent);
}

// Records an error that the caller places at the "^".
Extended Fail(int code)
{
  ErrorCode = code;
  ErrorFlag = true;
  return 0;
}

}  // namespace

Extended EvalPower(Extended base, Extended exponent)
{
  if (base > 0) {
    const Extended logValue = exponent * std::log(base);
    if (ExpUnderflowLimitPower > logValue)
      return 0;
    return ScaledPower(base, exponent, logValue);
  }
  if (base == 0) {
    if (exponent > 0)
      return 0;
    return Fail(ecDivisionByZero);  // 0^0 and 0 to a negative power
  }
  if (std::trunc(exponent) != exponent)
    return Fail(ecArgumentNegative);
  const Extended magnitude = ScaledPower(-base, exponent, exponent * std::log(-base));
  const bool odd = std::fmod(exponent, 2.0L) != 0;
  return odd ? -magnitude : magnitude;
}

}  // namespace engine
