// solve(Low, Up, f(x)): a root of f by bisection, after an extremum search when f has no sign change.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <cmath>

namespace engine {

namespace {

// Moves an end of the interval to the extremum when f(low) and f(up) have the same sign.
bool MoveToExtremum(FunctionText& f, Extended& low, Extended& fa, Extended fb, Extended& diff)
{
  const bool positive = fa > 0 && fb > 0;
  if (!positive && !(fa < 0 && fb < 0))
    return true;
  ExtremumIsMax = !positive;
  LastSearchExpr.clear();
  ExprPos = f.Start();
  const Extended extremum = SearchExtremum(false);
  if (ErrorFlag)
    return false;
  if ((positive && extremum >= 1e-18L) || (!positive && extremum <= -1e-18L)) {
    SetEvalErrorAt(ecIntervalError, f.Start(), f.End() - f.Start());
    return false;
  }
  low = ExtremumX;
  fa = extremum;
  diff = std::fabs(fb - fa);
  return true;
}

}  // namespace

Extended SolveEquation()
{
  const int boundsStart = ExprPos;
  Extended low = 0;
  Extended up = 0;
  if (!ReadBounds(low, up))
    return 0;
  LastLowBound = VarValues[LowBoundVar] = low;
  LastHighBound = VarValues[HighBoundVar] = up;
  FunctionText f;
  Extended fa = f.At(low);
  if (ErrorFlag)
    return 0;
  Extended fb = f.At(up);
  if (ErrorFlag)
    return 0;
  Extended diff = std::fabs(fb - fa);
  if (low > up) {
    SetEvalErrorAt(ecIntervalError, boundsStart, f.Start() - boundsStart);
    return 0;
  }
  if (!MoveToExtremum(f, low, fa, fb, diff))
    return 0;
  if (std::fabs(fa) < 1e-15L)
    return low;
  if (fb == 0)
    return up;

  Extended lo = low;
  Extended hi = up;
  for (;;) {
    const Extended mid = lo + (hi - lo) / 2;
    // A collapsed interval, or a midpoint that no longer moves: a jump or a pole, not a root.
    if (std::fabs(hi - lo) < 1e-4000L || mid == lo || mid == hi) {
      SetEvalErrorAt(ecSingularity, f.Start(), f.End() - f.Start());
      return 0;
    }
    const Extended fm = f.At(mid);
    if (ErrorFlag)
      return 0;
    if (fm * fb > 0) {
      hi = mid;
      fb = fm;
    } else {
      lo = mid;
    }
    if (PumpAndCheckBreak())
      return 0;
    if (fm == 0 || std::fabs(fm) < 1e-15L * diff)
      return mid;
  }
}

}  // namespace engine
