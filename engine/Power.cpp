// The power operator "^".
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/MathConstants.h"

#include <cmath>

namespace engine {

namespace {

// Below the smallest normal Extended, e^ExpUnderflowLimit, powers of a positive base are 0.
constexpr Extended PowerZeroLogLimit = ExpUnderflowLimit;

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
    const Extended logValue = exponent * std::log(base);
    if (PowerZeroLogLimit > logValue)
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
