// integral(Low, Up, f(x)): composite ten-point Gauss-Legendre passes with doubling subintervals
// until two passes agree on the precision the main window asks for.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/Host.h"
#include "engine/Quadrature.h"
#include "engine/ResultText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// The sum of a pass, and the same sum over |f|: the integrand's scale.
struct PassSums {
  Extended value = 0;
  Extended magnitude = 0;
};

// One pass with n subintervals; false after an error or a stop.
bool IntegratePass(FunctionText& f, Extended low, Extended up, int n, PassSums& result)
{
  const Extended h = (up - low) / (2 * static_cast<Extended>(n));
  result = {};
  for (int j = 1; j <= n; ++j) {
    const Extended m = low + (2 * j - 1) * h;
    Extended sum = 0;
    Extended magnitude = 0;
    for (int i = 0; i < 5; ++i) {
      const Extended right = f.At(m + GaussNodes[i] * h);
      if (ErrorFlag)
        return false;
      const Extended left = f.At(m - GaussNodes[i] * h);
      if (ErrorFlag)
        return false;
      sum += GaussWeights[i] * (right + left);
      magnitude += GaussWeights[i] * (std::fabs(right) + std::fabs(left));
    }
    result.value += sum * h;
    result.magnitude += magnitude * std::fabs(h);
    if (PumpAndCheckBreak())
      return false;
  }
  return true;
}

// The estimate as the passes compare it: scientific, decimal, ProcDigits wide.
std::string EstimateText(Extended value)
{
  std::string text;
  int errorCode = 0;
  FormatNumber(TNumberFormat{nmScn, nbDecimal, ProcDigits}, value, text, errorCode);
  return text;
}

// The texts agree from the decimal point on, for the precision's places and the point.
bool AgreeOnPrecision(const std::string& a, const std::string& b)
{
  const auto pa = a.find('.');
  const auto pb = b.find('.');
  if (pa == std::string::npos || pb == std::string::npos)
    return a == b;
  const std::size_t count = std::min({static_cast<std::size_t>(ProcDigits) + 1, a.size() - pa, b.size() - pb});
  return a.compare(pa, count, b, pb, count) == 0;
}

// Two passes whose difference is below the precision relative to the integrand's scale agree too:
// an integral whose value is 0 (or tiny beside its integrand) has no digits to compare.
bool AgreeOnScale(const PassSums& a, const PassSums& b)
{
  const Extended tolerance = std::pow(Extended(10), -static_cast<Extended>(std::clamp(ProcDigits, 1, 18)));
  return std::fabs(a.value - b.value) <= tolerance * std::max(a.magnitude, b.magnitude);
}

// A pass whose sum is not a finite number ends the construct with error 11 (8 for NaN).
bool CheckFinite(const PassSums& sums, const FunctionText& f)
{
  if (std::isfinite(sums.value) && std::isfinite(sums.magnitude))
    return true;
  SetEvalErrorAt(std::isnan(sums.value) ? ecArgumentError : ecOverflow, f.Start(), f.End() - f.Start());
  return false;
}

}  // namespace

Extended IntegrateFunction()
{
  ReadProcDigits();
  const int argumentsPos = ExprPos;
  const unsigned char argumentsChar = ExprChar;
  Extended restoreX = VarValues[1];
  std::string texts[2];
  PassSums sums[2];
  std::size_t recordedByFirstPass = 0;
  for (int pass = 1, n = 1;; ++pass) {
    ExprPos = argumentsPos;
    ExprChar = argumentsChar;
    VarValues[1] = restoreX;
    Extended low = 0;
    Extended up = 0;
    if (!ReadBounds(low, up))
      return 0;
    restoreX = VarValues[1];
    LastLowBound = low;
    LastHighBound = up;
    FunctionText f;
    PassSums& result = sums[pass % 2];
    if (!IntegratePass(f, low, up, n, result) || !CheckFinite(result, f))
      return 0;
    // Every pass reads the same variables: they are recorded once.
    if (pass == 1) {
      recordedByFirstPass = UsedVarNames.size();
    } else {
      UsedVarNames.resize(recordedByFirstPass);
      UsedVarValues.resize(recordedByFirstPass);
    }
    std::string& text = texts[pass % 2];
    text = EstimateText(result.value);
    if (pass > 1) {
      if (texts[0] == texts[1])
        return result.value;
      Host().ShowIntermediateResult(texts[0]);
      if (AgreeOnPrecision(texts[0], texts[1]) || AgreeOnScale(sums[0], sums[1]))
        return result.value;
      if (n >= MaxSubdivisions) {
        SetEvalErrorAt(ecIntervalError, f.Start(), f.End() - f.Start());
        return 0;
      }
    }
    n *= 2;
  }
}

}  // namespace engine
