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

namespace engine {

namespace {

// One pass with n subintervals; false after an error or a stop.
bool IntegratePass(FunctionText& f, Extended low, Extended up, int n, Extended& result)
{
  const Extended h = (up - low) / (2 * static_cast<Extended>(n));
  result = 0;
  for (int j = 1; j <= n; ++j) {
    const Extended m = low + (2 * j - 1) * h;
    Extended sum = 0;
    for (int i = 0; i < 5; ++i) {
      sum += GaussWeights[i] * (f.At(m + GaussNodes[i] * h) + f.At(m - GaussNodes[i] * h));
      if (ErrorFlag)
        return false;
    }
    result += sum * h;
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

}  // namespace

Extended IntegrateFunction()
{
  ReadProcDigits();
  const int argumentsPos = ExprPos;
  const unsigned char argumentsChar = ExprChar;
  Extended restoreX = VarValues[1];
  std::string texts[2];
  Extended result = 0;
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
    if (!IntegratePass(f, low, up, n, result))
      return 0;
    // Every pass reads the same variables: they are recorded once.
    if (pass == 1) {
      recordedByFirstPass = UsedVarNames.size();
    } else {
      UsedVarNames.resize(recordedByFirstPass);
      UsedVarValues.resize(recordedByFirstPass);
    }
    std::string& text = texts[pass % 2];
    text = EstimateText(result);
    if (pass > 1) {
      if (texts[0] == texts[1])
        return result;
      Host().ShowIntermediateResult(texts[0]);
      if (AgreeOnPrecision(texts[0], texts[1]))
        return result;
      if (n >= MaxSubdivisions) {
        SetEvalErrorAt(ecIntervalError, f.Start(), f.End() - f.Start());
        return 0;
      }
    }
    n *= 2;
  }
}

}  // namespace engine
