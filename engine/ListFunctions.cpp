#include "engine/ListFunctions.h"

#include "engine/BuiltinFunctions.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"

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

Extended Sum(const std::vector<Extended>& v) { return std::accumulate(v.begin(), v.end(), Extended(0)); }

Extended SumOfSquares(const std::vector<Extended>& v)
{
  return std::accumulate(v.begin(), v.end(), Extended(0), [](Extended s, Extended x) { return s + x * x; });
}

// The sum of squared deviations from the mean (two passes: never below 0).
Extended TotalVariance(const std::vector<Extended>& v)
{
  const Extended mean = Sum(v) / static_cast<Extended>(v.size());
  return std::accumulate(v.begin(), v.end(), Extended(0), [mean](Extended s, Extended x) { return s + (x - mean) * (x - mean); });
}

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

Extended GeometricMean(const std::vector<Extended>& v)
{
  const Extended product = std::accumulate(v.begin(), v.end(), Extended(1), std::multiplies<>());
  if (std::isinf(product))
    return FunctionError(ecOverflow);
  return EvalPower(product, 1 / static_cast<Extended>(v.size()));
}

Extended Compute(int code, const std::vector<Extended>& v)
{
  const auto n = static_cast<Extended>(v.size());
  switch (code) {
  case fcSum: return Sum(v);
  case fcMean: return Sum(v) / n;
  case fcStd:
    if (v.size() < 2)
      return FunctionError(ecArgumentError);
    StdDevStore = std::sqrt(TotalVariance(v) / (n - 1));
    return StdDevStore;
  case fcPoly: return Polynomial(v);
  case fcStat: return TotalVariance(v);
  case fcPnv:
  case fcVariance: return TotalVariance(v) / n;
  case fcPsd: return std::sqrt(TotalVariance(v) / n);
  case fcSos: return SumOfSquares(v);
  case fcNorm: return std::sqrt(SumOfSquares(v));
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
