// The power operator "^".
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/MathConstants.h"

#include <cmath>
#include <limits>

namespace engine {

namespace {

// magnitude^exponent with ln of it about logValue: false when it lies below the normal range.
// The rounded logarithm decides only away from the limit; next to it the power itself does, so
// that 2^-16382, the smallest normal Extended, is not lost.
bool NormalPower(Extended magnitude, Extended exponent, Extended logValue, Extended& power)
{
  if (logValue < ExpUnderflowLimit - 1)
    return false;
  power = std::pow(magnitude, exponent);
  return power >= std::numeric_limits<Extended>::min();
}

// e^logValue, computed as magnitude^exponent for accuracy; below the normal range error 28.
Extended ScaledPower(Extended magnitude, Extended exponent, Extended logValue)
{
  if (logValue > ExpOverflowLimit)
    return MathError(ecOverflow);
  Extended power = 0;
  if (!NormalPower(magnitude, exponent, logValue, power))
    return MathError(ecUnderflow);
  return std::isfinite(power) ? power : MathError(ecOverflow);
}

// Records an error that the caller places at the "^".
Extended Fail(int code)
{
  ErrorCode = code;
  ErrorFlag = true;
  return 0;
}

// Whole exponents up to this size go by multiplication: x^2 is rounded once, x^4 at most three times.
constexpr Extended MaxMultipliedExponent = 4;
// base^n for a whole n, |n| <= MaxMultipliedExponent, by repeated multiplication; false when the
// result lies where the logarithmic path decides (0, overflow, underflow).
bool MultipliedPower(Extended base, int n, Extended& result)
{
  if (base == 0)
    return false;
  int count = n < 0 ? -n : n;
  Extended power = 1;
  for (Extended factor = base;;) {
    if (count & 1)
      power *= factor;
    count >>= 1;
    if (count == 0)
      break;
    factor *= factor;
  }
  if (n < 0) {
    if (!std::isnormal(power))
      return false;
    power = 1 / power;
  }
  if (!std::isnormal(power))
    return false;
  result = power;
  return true;
}

}  // namespace

bool SmallWholeExponent(Extended exponent, int& n)
{
  // Compared one by one: a rounding instruction and a conversion would cost more than the
  // multiplications they decide on.
  const Extended magnitude = std::fabs(exponent);
  for (int k = 0; k <= static_cast<int>(MaxMultipliedExponent); ++k) {
    if (magnitude == k) {
      n = exponent < 0 ? -k : k;
      return true;
    }
  }
  return false;
}

Extended EvalWholePower(const Extended& base, int n)
{
  Extended multiplied = 0;
  if (MultipliedPower(base, n, multiplied))
    return multiplied;
  return EvalPower(base, n);
}

Extended EvalPower(Extended base, Extended exponent)
{
  Extended multiplied = 0;
  int n = 0;
  if (SmallWholeExponent(exponent, n) && MultipliedPower(base, n, multiplied))
    return multiplied;
  if (base > 0) {
    // A positive base's power below the normal range is 0, without an error.
    const Extended logValue = exponent * std::log(base);
    if (logValue > ExpOverflowLimit)
      return MathError(ecOverflow);
    Extended power = 0;
    if (!NormalPower(base, exponent, logValue, power))
      return 0;
    return std::isfinite(power) ? power : MathError(ecOverflow);
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
