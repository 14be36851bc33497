#include "engine/ListFunctions.h"

#include "engine/BuiltinFunctions.h"
#include "engine/DoubleExtended.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace engine {

namespace {

constexpr int fcMean = 38;
constexpr int fcStd = 39;
constexpr int fcSum = 41;
constexpr int fcPoly = 43;
constexpr int fcStat = 44;
constexpr int fcHmn = 94;
constexpr int fcNorm = 97;
constexpr int fcPsd = 98;
constexpr int fcPnv = 99;
constexpr int fcSos = 100;
constexpr int fcVariance = 101;
constexpr int fcGmn = 107;

// Reads elements while a "," follows one; false after an error.
bool ReadElements(std::vector<Extended>& elements)
{
  const int savedDepth = ArgListDepth;
  ArgListDepth = savedDepth + 1;
  for (;;) {
    ReadChar();
    Extended element = 0;
    ParseExpression(element);
    if (ErrorFlag)
      return false;
    elements.push_back(element);
    if (ExprChar != ',')
      break;
  }
  ArgListDepth = savedDepth;
  return true;
}

// The sum with the rounding error of each step kept apart (Neumaier), so that elements that
// cancel leave the digits of the others: the sum as hi + lo.
DoubleExtended CompensatedSum(const std::vector<Extended>& v)
{
  Extended sum = 0;
  Extended error = 0;
  for (const Extended x : v) {
    Extended e = 0;
    TwoSum(sum, x, sum, e);
    error += e;
  }
  if (!std::isfinite(sum))
    return {sum, 0};
  return DoubleExtended::Normalized(sum, error);
}

Extended Sum(const std::vector<Extended>& v) { return CompensatedSum(v).Value(); }

// The mean as hi + lo; when the sum leaves the range, the sum of the elements divided first.
DoubleExtended PreciseMean(const std::vector<Extended>& v)
{
  const auto n = static_cast<Extended>(v.size());
  const DoubleExtended sum = CompensatedSum(v);
  if (std::isfinite(sum.hi))
    return sum / Exactly(n);
  return Exactly(std::accumulate(v.begin(), v.end(), Extended(0), [n](Extended s, Extended x) { return s + x / n; }));
}

Extended Mean(const std::vector<Extended>& v) { return PreciseMean(v).Value(); }

// The squares of the elements' distances from a centre, summed as scale^2 * sum with the largest
// distance as the scale, so that no square overflows or underflows on the way.
struct ScaledSquares {
  Extended scale = 0;
  Extended sum = 0;

  Extended Total(Extended divisor = 1) const { return scale * (sum / divisor) * scale; }
  Extended Root(Extended divisor = 1) const { return scale * std::sqrt(sum / divisor); }
};

// x - centre with the centre as hi + lo: near the centre x - hi is exact, so a large common offset
// of the elements costs no digits of their deviations.
Extended Deviation(Extended x, const DoubleExtended& centre)
{
  return (x - centre.hi) - centre.lo;
}

ScaledSquares SquaresAbout(const std::vector<Extended>& v, const DoubleExtended& centre)
{
  ScaledSquares squares;
  for (const Extended x : v)
    squares.scale = std::max(squares.scale, std::fabs(Deviation(x, centre)));
  if (squares.scale == 0 || !std::isfinite(squares.scale))
    return {squares.scale, squares.scale == 0 ? Extended(0) : Extended(1)};
  for (const Extended x : v) {
    const Extended d = Deviation(x, centre) / squares.scale;
    squares.sum += d * d;
  }
  return squares;
}

// Squared deviations from the mean (two passes: never below 0).
ScaledSquares Deviations(const std::vector<Extended>& v) { return SquaresAbout(v, PreciseMean(v)); }

Extended Polynomial(const std::vector<Extended>& v)
{
  if (v.size() < 2)
    return FunctionError(ecCommaExpected);
  Extended result = 0;
  for (std::size_t i = v.size() - 1; i >= 1; --i)
    result = result * v[0] + v[i];
  return result;
}

Extended HarmonicMean(const std::vector<Extended>& v)
{
  Extended reciprocals = 0;
  for (const Extended x : v) {
    if (x == 0)
      return FunctionError(ecDivisionByZero);
    reciprocals += 1 / x;
  }
  if (reciprocals == 0)
    return FunctionError(ecDivisionByZero);
  return static_cast<Extended>(v.size()) / reciprocals;
}

// The product's mantissa and binary exponent kept apart, so that it cannot overflow or underflow.
Extended GeometricMean(const std::vector<Extended>& v)
{
  if (v.size() == 1)
    return v[0];
  Extended mantissa = 1;
  long long exponent = 0;
  for (const Extended x : v) {
    int e = 0;
    const Extended m = std::frexp(x, &e);
    int f = 0;
    mantissa = std::frexp(mantissa * m, &f);
    exponent += static_cast<long long>(e) + f;
  }
  const auto n = static_cast<long long>(v.size());
  const Extended power = 1 / static_cast<Extended>(n);
  if (mantissa <= 0)
    return EvalPower(mantissa, power);  // 0, or an error for a negative product
  // 2^(exponent/n) = 2^whole * 2^(rest/n) with 0 <= rest < n; 2^rest goes into the root exactly
  // while it stays well within the range.
  const long long whole = exponent >= 0 ? exponent / n : -((-exponent + n - 1) / n);
  const long long rest = exponent - whole * n;
  constexpr long long ExactScaleLimit = 8192;
  const Extended root = rest < ExactScaleLimit
      ? EvalPower(std::ldexp(mantissa, static_cast<int>(rest)), power)
      : EvalPower(mantissa, power) * std::exp2(static_cast<Extended>(rest) / static_cast<Extended>(n));
  return std::ldexp(root, static_cast<int>(whole));
}

Extended Compute(int code, const std::vector<Extended>& v)
{
  const auto n = static_cast<Extended>(v.size());
  switch (code) {
  case fcSum: return Sum(v);
  case fcMean: return Mean(v);
  case fcStd:
    if (v.size() < 2)
      return FunctionError(ecArgumentError);
    StdDevStore = Deviations(v).Root(n - 1);
    return StdDevStore;
  case fcPoly: return Polynomial(v);
  case fcStat: return Deviations(v).Total();
  case fcPnv:
  case fcVariance: return Deviations(v).Total(n);
  case fcPsd: return Deviations(v).Root(n);
  case fcSos: return SquaresAbout(v, Exactly(0)).Total();
  case fcNorm: return SquaresAbout(v, Exactly(0)).Root();
  case fcHmn: return HarmonicMean(v);
  default: return GeometricMean(v);
  }
}

}  // namespace

bool IsListFunction(int code)
{
  switch (code) {
  case fcMean: case fcStd: case fcSum: case fcPoly: case fcStat: case fcHmn:
  case fcNorm: case fcPsd: case fcPnv: case fcSos: case fcVariance: case fcGmn:
    return true;
  default:
    return false;
  }
}

Extended EvaluateListFunction(int code)
{
  if (ExprChar != '(') {
    SetEvalError(ecMissingOpenParen);
    return 0;
  }
  std::vector<Extended> elements;
  if (!ReadElements(elements))
    return 0;
  ErrorCode = 0;
  const Extended result = Compute(code, elements);
  if (!ErrorFlag && !std::isfinite(result))
    return FunctionError(std::isnan(result) ? ecArgumentError : ecOverflow);
  return result;
}

}  // namespace engine
