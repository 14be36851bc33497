#include "engine/BuiltinFunctions.h"

#include "engine/AccurateElementary.h"
#include "engine/AngleReduction.h"
#include "engine/Constructs.h"
#include "engine/Distributions.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/FactorialGamma.h"
#include "engine/FiniteResult.h"
#include "engine/GammaFunctions.h"
#include "engine/HypergeometricIntegrals.h"
#include "engine/IncompleteBeta.h"
#include "engine/IncompleteGamma.h"
#include "engine/IntegralFunctions.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/RandomSource.h"
#include "engine/RoundedExp.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace engine {

namespace {

constexpr Extended E = 2.7182818284590452354L;

// Factors of the unit conversions, codes 45..66.
constexpr Extended ConversionFactors[] = {
    0.30480000000122L,    3.28083989499999L,    1.60934700008551L,   0.621370033900002L,  453.592370001218L,
    0.00220462262184286L, 0.473162499999975L,   2.113438829155L,     3.7852999999998L,    0.264179853644375L,
    0.914400000282368L,   1.093613297999999L,   0.0254000000001014L, 39.3700787400003L,   28.3495231250761L,
    0.0352739619494857L,  123.02224999999351L,  0.00812861088136538L, 0.00378541086000157L, 264.172116841125L,
    0.00454609818520189L, 219.968852246774L};

}  // namespace

std::mt19937_64& RandomGenerator()
{
  std::unique_ptr<std::mt19937_64>& source = CurrentState().RandomSource;
  if (!source)
    source = std::make_unique<std::mt19937_64>(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        reinterpret_cast<std::uintptr_t>(&source));
  return *source;
}

namespace {

Extended Random()
{
  return std::uniform_real_distribution<double>(0.0, 1.0)(RandomGenerator());
}

Extended Gauss(Extended mean, Extended sd)
{
  Extended u1 = 0;
  Extended s = 0;
  do {
    u1 = 2 * Random() - 1;
    const Extended u2 = 2 * Random() - 1;
    s = u1 * u1 + u2 * u2;
  } while (s >= 1 || s == 0);
  return mean + sd * u1 * std::sqrt(-2 * std::log(s) / s);
}


// Sine and cosine of x in the angle mode, each computing only its own and rounded once; degrees
// are reduced exactly.
Extended Sine(const Extended& x)
{
  return std::isfinite(x) ? SinOf(x, AngleMode == 1) : MathError(ecArgumentError);
}

Extended Cosine(const Extended& x)
{
  return std::isfinite(x) ? CosOf(x, AngleMode == 1) : MathError(ecArgumentError);
}

// tan, cot, sec and csc in the angle mode; a zero denominator is a division by zero.
Extended Ratio(TrigRatio ratio, Extended x)
{
  Extended value = 0;
  if (!TrigRatioOf(ratio, x, AngleMode == 1, value))
    return FunctionError(ecDivisionByZero);
  return value;
}

Extended HyperbolicSine(const Extended& x) { return Sinh(x); }
Extended HyperbolicCosine(const Extended& x) { return Cosh(x); }
Extended HyperbolicTangent(const Extended& x) { return Tanh(x); }
Extended Tangent(const Extended& x) { return Ratio(TrigRatio::Tan, x); }
Extended ArcTangent(const Extended& x) { return AngleMode == 1 ? ArcTanDegrees(x) : std::atan(x); }
// e^x rounded once, down to the smallest subnormal; below that 0 without an error; NaN and overflow
// are GuardedExp's errors.
Extended Exponential(const Extended& x)
{
  if (x < ExpZeroLimit)
    return 0;
  if (!(x <= ExpOverflowLimit))
    return GuardedExp(x);
  ErrorCode = 0;
  return FiniteResult(RoundedExp(x));
}
Extended Magnitude(const Extended& x) { return std::fabs(x); }

Extended SquareRoot(const Extended& x)
{
  if (x < 0)
    return FunctionError(ecArgumentNegative);
  return std::sqrt(x);
}

Extended NaturalLogarithm(const Extended& x)
{
  if (x <= 0)
    return FunctionError(ecArgumentNegative);
  return GuardedLn(x);
}

Extended CommonLogarithm(const Extended& x)
{
  if (x <= 0)
    return FunctionError(ecArgumentNegative);
  return Log10(x);
}

// The arcsine and arccosine at their exact points give exact degrees.
Extended ArcSin(Extended x)
{
  if (std::fabs(x) > 1)
    return FunctionError(ecArgumentError);
  if (AngleMode == 1 && std::fabs(x) == 1)
    return 90 * x;
  return AngleMode == 1 ? ArcSinDegrees(x) : std::asin(x);
}

Extended ArcCos(Extended x)
{
  if (std::fabs(x) > 1)
    return FunctionError(ecArgumentError);
  if (AngleMode == 1 && (x == 0 || x == -1))
    return x == 0 ? 90 : 180;
  return AngleMode == 1 ? ArcCosDegrees(x) : ArcCosRadians(x);
}

// Round half to even, to an integer of at most 64 bits; false beyond.
bool RoundToInt64(Extended x, std::int64_t& n)
{
  const Extended r = std::nearbyint(x);
  if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L))
    return false;
  n = static_cast<std::int64_t>(r);
  return true;
}

bool RoundToInt32(Extended x, std::int32_t& n)
{
  std::int64_t wide = 0;
  if (!RoundToInt64(x, wide) || wide < std::numeric_limits<std::int32_t>::min() ||
      wide > std::numeric_limits<std::int32_t>::max())
    return false;
  n = static_cast<std::int32_t>(wide);
  return true;
}

Extended GcdLcm(int code, Extended x, Extended y)
{
  const Extended a = std::nearbyint(std::fabs(x));
  const Extended b = std::nearbyint(std::fabs(y));
  constexpr Extended Limit = 18446744073709551616.0L;  // 2^64
  if (!(a < Limit && b < Limit))
    return FunctionError(ecOverflow);
  const auto ua = static_cast<std::uint64_t>(a);
  const auto ub = static_cast<std::uint64_t>(b);
  if (code == 118)
    return static_cast<Extended>(GcdOf(ua, ub));
  if (ua == 0 && ub == 0)
    return FunctionError(ecDivisionByZero);
  return LcmOf(ua, ub);
}

// Functions of a rounded integer parameter and a value.
Extended WithRoundedParameter(int code, Extended x, Extended y, Extended z)
{
  if (code == 103 || code == 123) {
    std::int64_t n = 0;
    std::int64_t k = 0;
    if (!RoundToInt64(x, n))
      return FunctionError(ecArgumentError);
    const bool wholeK = RoundToInt64(y, k);
    if (code == 123)
      return wholeK ? Permutations(n, k) : 0;
    if (!wholeK)
      return FunctionError(ecArgumentError);
    return std::nearbyint(Binomial(n, k));
  }
  std::int32_t n = 0;
  std::int32_t m = 0;
  if (!RoundToInt32(x, n))
    return FunctionError(ecArgumentError);
  switch (code) {
  case 110:
    return PStudent(n, y);
  case 126:
    if (!RoundToInt32(y, m))
      return FunctionError(ecArgumentError);
    return PSnedecor(n, m, z);
  default:
    return PKhi2(n, y);
  }
}

Extended Compute(int code, Extended x, Extended y, Extended z)
{
  if (code >= 45 && code <= 66)
    return x * ConversionFactors[code - 45];
  switch (code) {
  case 1: return Sine(x);
  case 2: return ArcSin(x);
  case 3: return ArcCos(x);
  case 4: return ArcTangent(x);
  case 5: return ArcSinh(x);
  case 6:
    if (x < 1)
      return FunctionError(ecArgumentError);
    return ArcCosh(x);
  case 7:
    if (x * x >= 1)
      return FunctionError(ecArgumentError);
    return ArcTanh(x);
  case 8: return Sinh(x);
  case 9: return Cosh(x);
  case 10: return Tanh(x);
  case 11: return Random();
  case 12: return Cosine(x);
  case 13: return Tangent(x);
  case 14: return Exponential(x);
  case 15: return SquareRoot(x);
  case 16: return NaturalLogarithm(x);
  case 17: return CommonLogarithm(x);
  case 18: case 19: case 20: case 21:
    if (y == UndefinedValue)
      return FunctionError(ecCommaExpected);
    switch (code) {
    case 18: return BesselJ(x, y);
    case 19: return BesselY(x, y);
    case 20: return BesselI(x, y);
    default: return BesselK(x, y);
    }
  case 23:
    if (x == 0)
      return FunctionError(ecArgumentOutOfRange);
    return CosineIntegral(x);
  case 24: return SineIntegral(x);
  case 25: return ErfFunction(x);
  case 26: return GammaFunction(x);
  case 28: case 29: return Pi;
  case 30: return E;
  case 31:
    if (x < 0 || std::trunc(x) != x)
      return FunctionError(ecArgumentError);
    return Factorial(x);
  case 32:
    if (y == UndefinedValue)
      return FunctionError(ecCommaExpected);
    return FermiDirac(x, y);
  case 33: return Magnitude(x);
  case 34: return x == 0.5L ? 1 : std::nearbyint(x);
  case 35: return x - std::trunc(x);
  case 36: return std::trunc(x);
  case 40: return x * x;
  case 42:
    if (y == UndefinedValue)
      return FunctionError(ecCommaExpected);
    return Gauss(x, y);
  case 89: return AngleMode == 1 ? ArcTan2Degrees(x, y) : std::atan2(x, y);
  case 90: return std::ceil(x);
  case 91: return std::floor(x);
  case 92: return Ratio(TrigRatio::Cot, x);
  case 93:
    if (x <= 0 || y <= 0)
      return FunctionError(ecArgumentError);
    if (x == 1)
      return FunctionError(ecDivisionByZero);
    return LogBase(x, y);
  case 95: case 96: {
    int exponent = 0;
    const Extended mantissa = std::frexp(x, &exponent);
    return code == 95 ? mantissa : exponent;
  }
  case 102: return Hypot(x, y);
  case 103: case 110: case 123: case 125: case 126: return WithRoundedParameter(code, x, y, z);
  case 104: return IGamma(x, y);
  case 105: return JGamma(x, y);
  case 106: return BetaFunction(x, y);
  case 108: return Ratio(TrigRatio::Sec, x);
  case 109: return PNorm(x);
  case 111: return Ratio(TrigRatio::Csc, x);
  case 112: return Sech(x);
  case 113: return IBeta(x, y, z);
  case 114: return ErfcFunction(x);
  case 115: return LnGammaAbsShown(x);
  case 116:
    if (x == 0)
      return FunctionError(ecDivisionByZero);
    return Csch(x);
  case 117: case 118: return GcdLcm(code, x, y);
  case 119: return Sgn(x);
  case 120:
    // gamma has no sign at its poles.
    if (x <= 0 && std::trunc(x) == x)
      return FunctionError(ecSingularity);
    return SgnGamma(x);
  case 121:
    if (x < 0)
      return FunctionError(ecArgumentError);
    return Log2Guarded(x);
  case 122: {
    std::int64_t p = 0;
    if (!RoundToInt64(y, p))
      return FunctionError(ecOverflow);
    return std::ldexp(x, static_cast<int>(std::clamp<std::int64_t>(p, -100000, 100000)));
  }
  case 127: return FresnelC(x);
  case 128: return FresnelS(x);
  case 129: return ExpIntegralE1(x);
  case fcExtremumX: return ExtremumX;
  default: return x;
  }
}

}  // namespace

void SineAndCosine(Extended x, Extended& s, Extended& c)
{
  if (!std::isfinite(x)) {
    s = c = MathError(ecArgumentError);
    return;
  }
  // One reduction for both, rounded as sin and cos round alone.
  SinCosOf(x, AngleMode == 1, s, c);
}

TDirectFunction DirectBuiltinFunction(int code)
{
  switch (code) {
  case 1: return Sine;
  case 4: return ArcTangent;
  case 8: return HyperbolicSine;
  case 9: return HyperbolicCosine;
  case 10: return HyperbolicTangent;
  case 12: return Cosine;
  case 13: return Tangent;
  case 14: return Exponential;
  case 15: return SquareRoot;
  case 16: return NaturalLogarithm;
  case 17: return CommonLogarithm;
  case 33: return Magnitude;
  default: return nullptr;
  }
}

Extended CallBuiltinFunction(int code, Extended& x, Extended y, Extended z)
{
  ErrorCode = 0;
  Extended result = Compute(code, x, y, z);
  if (!ErrorFlag && std::isnan(result))
    result = FunctionError(ecArgumentError);
  else if (!ErrorFlag && std::isinf(result))
    result = FunctionError(ecOverflow);
  if (ErrorFlag)
    result = 0;
  x = result;
  return result;
}

std::uint64_t GcdOf(std::uint64_t a, std::uint64_t b)
{
  while (b != 0) {
    const std::uint64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

Extended LcmOf(std::uint64_t a, std::uint64_t b)
{
  const std::uint64_t g = GcdOf(a, b);
  if (g == 0)
    return 0;
  // Below 2^128: exact in 128 bits, then rounded once to the 64 bits of an Extended.
  const unsigned __int128 lcm = static_cast<unsigned __int128>(a / g) * b;
  return static_cast<Extended>(lcm);
}

}  // namespace engine
